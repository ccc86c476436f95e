#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "imagefile/ImageLoader.h"

namespace tessella::cli {

int ConvertCommand(const QStringList& words) {
    const QString usage =
        QStringLiteral("Usage : tessella-cli convert ENTREE SORTIE.(tga|bmp|png)");
    QCommandLineParser parser;
    if (const auto stop = ParseCommandLine(parser, words, FilesOnly(usage))) return *stop;
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2 || !IsPictureOutput(args[1])) return UsageError(usage);
    // 24-bit TGA and BMP files go through the rows of one working array.
    pixels::WorkingPicture work;
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
