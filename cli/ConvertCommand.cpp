#include <QFileInfo>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "imagefile/GpuTexture.h"
#include "imagefile/ImageLoader.h"

namespace tessella::cli {

namespace {

constexpr platform::Text kConvertUsage{QT_TRANSLATE_NOOP(
    "Tessella",
    "Usage : tessella-cli convert ENTREE SORTIE.(tga|bmp|png|dds|ktx2|astc) [--bc1 | --bc3 | "
    "--bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] [--threads N] "
    "[--no-mipmaps] [--alpha-coverage T]")};

// The value of an option spelled "--name VALUE" or "--name=VALUE" at words[i] (i moves past
// it); nothing when words[i] is another word, an empty text when the value is missing.
std::optional<QString> ValueOf(const QStringList& words, qsizetype& i, QLatin1String name) {
    const QString& word = words[i];
    if (word == name) return i + 1 < words.size() ? words[++i] : QString();
    if (word.startsWith(name + QLatin1Char('='))) return word.mid(name.size() + 1);
    return std::nullopt;
}

// The texture options, taken out of words wherever they stand before "--" (the other words are
// files, whose names may start with a dash). Answers the fault in the options, or an empty text.
QString TakeTextureOptions(QStringList& words, imagefile::GpuTextureOptions& options, bool& given,
                           bool& formatGiven) {
    QStringList files;
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
        std::optional<imagefile::GpuBlockFormat> format = BlockFormatOption(word);
        const qsizetype at = i;
        if (const auto sides = ValueOf(words, i, QLatin1String("--astc"))) {
            format = AstcBlockOption(*sides);
            if (!format) return kAstcValues;
        }
        if (format) {
            if (formatGiven) return kOneBlockFormat.arg(words[at]);
            options.format = *format;
            options.normalMap = *format == imagefile::GpuBlockFormat::Bc5;
            formatGiven = taken = true;
        }
        if (const auto name = ValueOf(words, i, QLatin1String("--quality"))) {
            const auto quality = QualityOption(*name);
            if (!quality) return kQualityValues;
            options.quality = *quality;
            taken = true;
        }
        if (const auto threshold = ValueOf(words, i, QLatin1String("--alpha-coverage"))) {
            const auto value = ParseDecimal(*threshold);
            if (!value || !(*value >= 0.05 && *value <= 0.95)) return kAlphaCoverageValues;
            options.alphaCoverage = *value;
            taken = true;
        }
        if (const auto count = ValueOf(words, i, QLatin1String("--threads"))) {
            const auto threads = ThreadsOption(*count);
            if (!threads) return kThreadsValues;
            options.threads = *threads;
            taken = true;
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
    bool textureOptionsGiven = false, formatGiven = false;
    const QString fault =
        TakeTextureOptions(files, textureOptions, textureOptionsGiven, formatGiven);
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
            QCoreApplication::translate("CommandLine",
                                        "Ces options ne valent que pour une sortie .dds ou .ktx2"));
    // A .astc file holds ASTC blocks alone: 6 x 6 unless told otherwise.
    if (QFileInfo(args[1]).suffix().compare(QLatin1String("astc"), Qt::CaseInsensitive) == 0 &&
        !imagefile::IsAstcFormat(textureOptions.format)) {
        if (formatGiven) return UsageError(kConvertUsage, imagefile::kAstcFileHoldsAstcOnly);
        textureOptions.format = imagefile::GpuBlockFormat::Astc6x6;
    }
    if (imagefile::IsAstcFormat(textureOptions.format) &&
        QFileInfo(args[1]).suffix().compare(QLatin1String("dds"), Qt::CaseInsensitive) == 0)
        return UsageError(kConvertUsage, imagefile::kDdsHoldsNoAstc);
    pixels::WorkingPicture work;
    if (texture) {
        LoadWorkingPicture(args[0], work);
        // No block format asked: BC3 keeps a transparent picture's alpha, BC1 an opaque one.
        if (!formatGiven && !imagefile::IsAstcFormat(textureOptions.format))
            textureOptions.format = imagefile::DefaultBlockFormat(work.image().hasAlpha());
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
