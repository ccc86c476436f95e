#include "imagefile/ImageLoader.h"

#include <QFileInfo>

#include "imagefile/JpegDecoder.h"
#include "platform/Error.h"
#include "platform/SafeFile.h"

namespace tessella::imagefile {

const QStringList& KnownImageExtensions() {
    static const QStringList list = {
        ".TIF", ".TIFF", ".GIF", ".PIC", ".CEL", ".SGI", ".BW",  ".TGA", ".VST", ".WIN", ".VDA",
        ".ICB", ".PCD",  ".PPM", ".PBM", ".PGM", ".CUT", ".JPG", ".RLA", ".RPF", ".PDD", ".PSD",
        ".PCX", ".SCR",  ".PCC", ".RGB", ".BMP", ".DIB", ".RLE", ".EMF", ".WMF"};
    return list;
}

namespace {
QString ExtensionOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}
}  // namespace

bool IsKnownImageExtension(const QString& path) {
    return KnownImageExtensions().contains(ExtensionOf(path));
}

// Provisional decoder table: JPEG through libjpeg, the rest through Qt.
bool LoadImageByExtension(const QString& path, QImage& image) {
    if (!IsKnownImageExtension(path)) return false;
    const QByteArray bytes = platform::ReadWholeFile(path);
    QImage decoded;
    if (ExtensionOf(path) == QLatin1String(".JPG"))
        decoded = DecodeJpeg(bytes);
    else
        decoded = QImage::fromData(bytes);
    if (decoded.isNull())
        throw platform::TessellaError(QStringLiteral("Image illisible : %1").arg(path));
    image = decoded;
    return true;
}

}  // namespace tessella::imagefile
