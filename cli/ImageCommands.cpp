#include <QImage>

#include "cli/Commands.h"
#include "cli/PictureFiles.h"

namespace tessella::cli {

namespace {

int UsageOf(const char* usage) {
    PrintError(QStringLiteral("Usage : tessella-cli %1").arg(QLatin1String(usage)));
    return kExitUsage;
}

}  // namespace

int InfoCommand(const QStringList& args) {
    if (args.size() != 1) return UsageOf("info FICHIER");
    const QImage image = LoadPicture(args[0]);
    PrintOut(QStringLiteral("%1x%2 %3").arg(image.width()).arg(image.height()).arg(image.depth()));
    return kExitOk;
}

int ConvertCommand(const QStringList& args) {
    if (args.size() != 2) return UsageOf("convert ENTREE SORTIE.(tga|bmp)");
    if (!IsPictureOutput(args[1])) return UsageOf("convert ENTREE SORTIE.(tga|bmp)");
    WritePicture(LoadPicture(args[0]), args[1]);
    return kExitOk;
}

}  // namespace tessella::cli
