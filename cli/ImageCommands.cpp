#include <QImage>

#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "imagefile/ImageLoader.h"

namespace tessella::cli {

namespace {

int UsageOf(const char* usage) {
    PrintError(QStringLiteral("Usage : tessella-cli %1").arg(QLatin1String(usage)));
    return kExitUsage;
}

}  // namespace

int InfoCommand(const QStringList& args) {
    if (args.size() != 1) return UsageOf("info FICHIER");
    QImage image;
    int depth = 0;
    if (!imagefile::LoadImageByExtension(args[0], image, depth)) LoadPicture(args[0]);  // throws
    PrintOut(QStringLiteral("%1x%2 %3").arg(image.width()).arg(image.height()).arg(depth));
    return kExitOk;
}

int ConvertCommand(const QStringList& args) {
    if (args.size() != 2) return UsageOf("convert ENTREE SORTIE.(tga|bmp)");
    if (!IsPictureOutput(args[1])) return UsageOf("convert ENTREE SORTIE.(tga|bmp)");
    // 24-bit TGA and BMP files go through the rows of one working array.
    pixels::WorkingPicture work;
    int dotsPerMeterX = 0, dotsPerMeterY = 0;
    if (imagefile::LoadIntoGrid(args[0], work.image(), dotsPerMeterX, dotsPerMeterY)) {
        work.setDotsPerMeter(dotsPerMeterX, dotsPerMeterY);
        WritePicture(work, args[1]);
    } else {
        WritePicture(LoadPicture(args[0]), args[1]);
    }
    return kExitOk;
}

}  // namespace tessella::cli
