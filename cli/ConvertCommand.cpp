#include <QFileInfo>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "imagefile/GpuTexture.h"
#include "imagefile/ImageLoader.h"

namespace tessella::cli {

namespace {

const QString kConvertUsage = QStringLiteral(
    "Usage : tessella-cli convert ENTREE SORTIE.(tga|bmp|png|dds|ktx2) [--bc1 | --bc3 | --bc5 | "
    "--rgb] [--no-mipmaps]");

// The texture options, taken out of words wherever they stand before "--" (the other words are
// files, whose names may start with a dash). Answers the fault in the options, or an empty text.
QString TakeTextureOptions(QStringList& words, imagefile::GpuTextureOptions& options, bool& given) {
    QStringList files;
    bool formatGiven = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--")) {
            files += words.mid(i);
            break;
        }
        bool taken = false;
        if (word == QLatin1String("--no-mipmaps")) {
            options.mipmaps = false;
            taken = true;
        }
        if (const auto format = BlockFormatOption(word)) {
            if (formatGiven) return kOneBlockFormat.arg(word);
            options.format = *format;
            options.normalMap = *format == imagefile::GpuBlockFormat::Bc5;
            formatGiven = taken = true;
        }
        // "--bc7" is a mistyped option, unless a file bears that name.
        if (!taken && word.startsWith(QLatin1String("--")) && word != QLatin1String("--help") &&
            !QFileInfo::exists(word))
            return kUnknownOption.arg(word);
        given = given || taken;
        if (!taken) files << word;
    }
    words = files;
    return {};
}

}  // namespace

int ConvertCommand(const QStringList& words) {
    QStringList files = words;
    imagefile::GpuTextureOptions textureOptions;
    bool textureOptionsGiven = false;
    const QString fault = TakeTextureOptions(files, textureOptions, textureOptionsGiven);
    if (!fault.isEmpty()) return UsageError(kConvertUsage, fault);
    QCommandLineParser parser;
    if (const auto stop = ParseCommandLine(parser, files, FilesOnly(kConvertUsage))) return *stop;
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2) return UsageError(kConvertUsage);
    const bool texture = imagefile::IsGpuTexturePath(args[1]);
    if (!texture && !IsPictureOutput(args[1])) return UsageError(kConvertUsage);
    if (!texture && textureOptionsGiven)
        return UsageError(
            kConvertUsage,
            QStringLiteral("Ces options ne valent que pour une sortie .dds ou .ktx2"));
    pixels::WorkingPicture work;
    if (texture) {
        LoadWorkingPicture(args[0], work);
        imagefile::WriteGpuTexture(imagefile::RowsOf(work.image()), args[1], textureOptions);
        return kExitOk;
    }
    // The files the row readers take (alpha too) go through the rows of one working array.
    int dotsPerMeterX = 0, dotsPerMeterY = 0;
    if (imagefile::LoadIntoGrid(args[0], work.image(), dotsPerMeterX, dotsPerMeterY)) {
        work.setDotsPerMeter(dotsPerMeterX, dotsPerMeterY);
        WritePicture(work, args[1]);
    } else {
        ImageLibrary().convert(args[0], args[1]);
    }
    return kExitOk;
}

}  // namespace tessella::cli
