#include <QFileInfo>
#include <QImage>

#include "cli/Commands.h"
#include "imagefile/BmpWriter.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/TgaWriter.h"
#include "platform/Error.h"
#include "platform/SafeFile.h"

namespace tessella::cli {

namespace {

int UsageOf(const char* usage) {
    PrintError(QStringLiteral("Usage : tessella-cli %1").arg(QLatin1String(usage)));
    return kExitUsage;
}

// The picture in file, or the program's message when its extension is not accepted.
QImage Load(const QString& file) {
    QImage image;
    if (!imagefile::LoadImageByExtension(file, image))
        throw platform::TessellaError(
            QStringLiteral("Erreur de Chargement de l'image : extension non reconnue (%1)")
                .arg(file));
    return image;
}

}  // namespace

int InfoCommand(const QStringList& args) {
    if (args.size() != 1) return UsageOf("info FICHIER");
    const QImage image = Load(args[0]);
    PrintOut(QStringLiteral("%1x%2 %3").arg(image.width()).arg(image.height()).arg(image.depth()));
    return kExitOk;
}

int ConvertCommand(const QStringList& args) {
    if (args.size() != 2) return UsageOf("convert ENTREE SORTIE.(tga|bmp)");
    const QString suffix = QFileInfo(args[1]).suffix().toLower();
    if (suffix != QLatin1String("tga") && suffix != QLatin1String("bmp"))
        return UsageOf("convert ENTREE SORTIE.(tga|bmp)");
    const QImage image = Load(args[0]);
    const QByteArray bytes = suffix == QLatin1String("tga") ? imagefile::WritePageTga(image)
                                                            : imagefile::WriteBmp24(image);
    platform::WriteFileAtomically(args[1], bytes);
    return kExitOk;
}

}  // namespace tessella::cli
