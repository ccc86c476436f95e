#include "imagefile/ImageLoader.h"

#include <QFileInfo>

#include "imagefile/BmpReader.h"
#include "imagefile/EmfRenderer.h"
#include "imagefile/JpegDecoder.h"
#include "imagefile/MagickBridge.h"
#include "imagefile/PicDecoder.h"
#include "imagefile/RlaDecoder.h"
#include "imagefile/TgaReader.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/SafeFile.h"

namespace tessella::imagefile {

namespace {

enum class Decoder { Tga, Bmp, Jpeg, Magick, Rla, Pic, Emf };

struct Route {
    const char* extension;
    Decoder decoder;
    const char* coder;  // the ImageMagick coder, forced whatever the extension says
};

// The most bytes a file of each decoder can take for a picture within the pixel limit: the
// worst coding of one pixel (a run-length literal of one 32-bit pixel, 16-bit RGBA, a
// metafile's full-frame bitmap, JPEG at its least compressed) and room for headers, palettes,
// row tables and records. A larger file cannot be a picture we would load: it is refused
// unread, where reading it whole could take all the memory (or, from a device, never end).
qint64 MaxFileBytes(Decoder decoder) {
    constexpr int64_t kMegabyte = 1024 * 1024;
    switch (decoder) {
        case Decoder::Tga:
            return platform::MaxImageFileBytes(5, kMegabyte);
        case Decoder::Bmp:
            return platform::MaxImageFileBytes(4, 16 * kMegabyte);
        case Decoder::Pic:
            return platform::MaxImageFileBytes(1, kMegabyte);
        case Decoder::Jpeg:
            return platform::MaxImageFileBytes(6, 16 * kMegabyte);
        case Decoder::Rla:
        case Decoder::Magick:
            return platform::MaxImageFileBytes(8, 64 * kMegabyte);
        case Decoder::Emf:
            return platform::MaxImageFileBytes(4, 64 * kMegabyte);
    }
    return 0;
}

// Which decoder reads each of the 31 extensions, in the program's order.
constexpr Route kRoutes[] = {
    {".TIF", Decoder::Magick, "TIFF"}, {".TIFF", Decoder::Magick, "TIFF"},
    {".GIF", Decoder::Magick, "GIF"},  {".PIC", Decoder::Pic, nullptr},
    {".CEL", Decoder::Pic, nullptr},   {".SGI", Decoder::Magick, "SGI"},
    {".BW", Decoder::Magick, "SGI"},   {".TGA", Decoder::Tga, nullptr},
    {".VST", Decoder::Tga, nullptr},   {".WIN", Decoder::Tga, nullptr},
    {".VDA", Decoder::Tga, nullptr},   {".ICB", Decoder::Tga, nullptr},
    {".PCD", Decoder::Magick, "PCD"},  {".PPM", Decoder::Magick, "PPM"},
    {".PBM", Decoder::Magick, "PBM"},  {".PGM", Decoder::Magick, "PGM"},
    {".CUT", Decoder::Magick, "CUT"},  {".JPG", Decoder::Jpeg, nullptr},
    {".RLA", Decoder::Rla, nullptr},   {".RPF", Decoder::Rla, nullptr},
    {".PDD", Decoder::Magick, "PSD"},  {".PSD", Decoder::Magick, "PSD"},
    {".PCX", Decoder::Magick, "PCX"},  {".SCR", Decoder::Magick, "PCX"},
    {".PCC", Decoder::Magick, "PCX"},  {".RGB", Decoder::Magick, "SGI"},
    {".BMP", Decoder::Bmp, nullptr},   {".DIB", Decoder::Bmp, nullptr},
    {".RLE", Decoder::Bmp, nullptr},   {".EMF", Decoder::Emf, nullptr},
    {".WMF", Decoder::Magick, "WMF"},
};

QString ExtensionOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

const Route* RouteFor(const QString& path) {
    const QString extension = ExtensionOf(path);
    for (const Route& route : kRoutes)
        if (extension == QLatin1String(route.extension)) return &route;
    return nullptr;
}

// Our own decoders' messages do not know the file: add its name. The TGA and JPEG messages
// stay exactly as they are, since callers match them.
template <typename Decode>
QImage NamingTheFile(const QString& path, Decode decode) {
    try {
        return decode();
    } catch (const platform::TessellaError& e) {
        throw platform::TessellaError(QStringLiteral("%1 (%2)").arg(e.message(), path));
    }
}

QImage Decode(const Route& route, const QString& path, const QByteArray& bytes) {
    switch (route.decoder) {
        case Decoder::Tga:
            return ReadTga(bytes);
        case Decoder::Jpeg:
            return DecodeJpeg(bytes);
        case Decoder::Bmp:
            return NamingTheFile(path, [&] { return ReadBmp(bytes); });
        case Decoder::Rla:
            return NamingTheFile(path, [&] { return DecodeRla(bytes); });
        case Decoder::Pic:
            return NamingTheFile(path, [&] { return DecodePic(bytes); });
        case Decoder::Emf:
            return NamingTheFile(path, [&] { return RenderEmf(bytes); });
        case Decoder::Magick:
            return DecodeWithMagick(bytes, QString::fromLatin1(route.coder), path);
    }
    return {};
}

}  // namespace

const QStringList& KnownImageExtensions() {
    static const QStringList list = [] {
        QStringList out;
        for (const Route& route : kRoutes) out << QString::fromLatin1(route.extension);
        return out;
    }();
    return list;
}

bool IsKnownImageExtension(const QString& path) {
    return RouteFor(path) != nullptr;
}

bool LoadImageByExtension(const QString& path, QImage& image) {
    const Route* route = RouteFor(path);
    if (!route) return false;
    QImage decoded =
        Decode(*route, path, platform::ReadWholeFile(path, MaxFileBytes(route->decoder)));
    if (decoded.isNull())
        throw platform::TessellaError(QStringLiteral("Image illisible : %1").arg(path));
    image = std::move(decoded);
    return true;
}

}  // namespace tessella::imagefile
