#include "imagefile/ImageLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <tiffio.h>
#include <unistd.h>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cctype>
#include <cerrno>

#include "imagefile/BmpReader.h"
#include "imagefile/EmfRenderer.h"
#include "imagefile/ForeignHeaders.h"
#include "imagefile/GridReader.h"
#include "imagefile/JpegDecoder.h"
#include "imagefile/MagickBridge.h"
#include "imagefile/PicDecoder.h"
#include "imagefile/PngReader.h"
#include "imagefile/QtFormatReader.h"
#include "imagefile/RlaDecoder.h"
#include "imagefile/TgaReader.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/SafeFile.h"

namespace tessella::imagefile {

namespace {

enum class Decoder { Tga, Bmp, Jpeg, Magick, Rla, Pic, Emf, Png, Webp };

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
        case Decoder::Png:  // 16-bit RGBA stored, ancillary chunks around it
        case Decoder::Webp:
            return platform::MaxImageFileBytes(8, 64 * kMegabyte);
    }
    return 0;
}

// Which decoder reads each of the 35 extensions: the program's 31 in its order, then today's
// formats.
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
    {".WMF", Decoder::Magick, "WMF"},  {".PNG", Decoder::Png, nullptr},
    {".JPEG", Decoder::Jpeg, nullptr}, {".JPE", Decoder::Jpeg, nullptr},
    {".WEBP", Decoder::Webp, nullptr},
};

// True for a portable map whose samples fit in a byte: the bitmap kinds, and grey and colour
// maps whose largest value is at most 255.
bool PortableMapOfBytes(const QByteArray& bytes) {
    if (bytes.size() < 3 || bytes[0] != 'P') return false;
    const char kind = bytes[1];
    if (kind == '1' || kind == '4') return true;
    if (kind != '2' && kind != '3' && kind != '5' && kind != '6') return false;
    // Width, height and the largest value, past blanks and comments.
    qsizetype i = 2;
    int64_t numbers[3] = {0, 0, 0};
    for (int64_t& n : numbers) {
        while (i < bytes.size()) {
            if (bytes[i] == '#') {
                while (i < bytes.size() && bytes[i] != '\n') ++i;
            } else if (std::isspace(static_cast<unsigned char>(bytes[i]))) {
                ++i;
            } else {
                break;
            }
        }
        if (i >= bytes.size() || !std::isdigit(static_cast<unsigned char>(bytes[i]))) return false;
        for (;
             i < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[i])) && n < 1000000;
             ++i)
            n = n * 10 + (bytes[i] - '0');
    }
    return numbers[2] >= 1 && numbers[2] <= 255;
}

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

// Formats whose Qt reader gives, for the pictures it accepts here, the pixels ImageMagick
// gives, in a fraction of the time and without starting the decoder program: GIF, PBM/PGM/PPM
// of at most 8 bits a sample, and TIFF where Qt's plugin is installed, of 8 bits a sample or
// fewer. Anything else (transparency, 16-bit samples, colour models Qt turns into RGB its own
// way, a damaged or refused file) answers a null picture and goes to ImageMagick, whose
// messages and white background stay the rule.
bool QtReadsTheSamePixels(const QByteArray& name, const QByteArray& bytes) {
    if (name == "GIF") return bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a");
    if (name == "PBM" || name == "PGM" || name == "PPM") return PortableMapOfBytes(bytes);
    if (name == "TIFF") {
        static const bool plugin = QImageReader::supportedImageFormats().contains("tiff");
        return plugin && (bytes.startsWith(QByteArrayLiteral("II*\0")) ||
                          bytes.startsWith(QByteArrayLiteral("MM\0*")));
    }
    return false;
}

// The formats Qt decodes pictures of at most 8 bits a sample into, without alpha. A TIFF
// palette holds 16-bit colours, which Qt cuts to 8 bits where ImageMagick rounds them.
bool EightBitOpaque(QImage::Format format, bool tiff) {
    switch (format) {
        case QImage::Format_Indexed8:
            return !tiff;
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
        case QImage::Format_Grayscale8:
        case QImage::Format_RGB32:
        case QImage::Format_RGBX8888:
        case QImage::Format_RGB888:
        case QImage::Format_BGR888:
            return true;
        default:
            return false;
    }
}

// Qt's TIFF reader runs libtiff, whose warnings and errors are printed in English on the
// standard error by default. The file's outcome alone reaches the user, in our words.
void SilenceTiffLibrary() {
    static const bool silenced = [] {
        TIFFSetWarningHandler(nullptr);
        TIFFSetErrorHandler(nullptr);
        return true;
    }();
    (void)silenced;
}

QImage ReadWithQt(const QByteArray& bytes, const char* coder) {
    const QByteArray name(coder);
    if (!QtReadsTheSamePixels(name, bytes)) return {};
    if (name == "TIFF") SilenceTiffLibrary();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, name == "GIF" ? QByteArray("gif") : name.toLower());
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    // Beyond the limit, ImageMagick's refusal gives the message.
    if (!platform::ImageSizeAllowed(size.width(), size.height())) return {};
    QImage image;
    if (!reader.read(&image) || image.isNull() || image.hasAlphaChannel() ||
        !EightBitOpaque(image.format(), name == "TIFF"))
        return {};
    return image.convertToFormat(QImage::Format_BGR888);
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
        case Decoder::Png:
            return NamingTheFile(
                path, [&] { return ReadWithQtFormat(bytes, "png", kPngInvalidMessage); });
        case Decoder::Webp:
            return NamingTheFile(
                path, [&] { return ReadWithQtFormat(bytes, "webp", kWebpInvalidMessage); });
        case Decoder::Magick:
            if (QImage read = ReadWithQt(bytes, route.coder); !read.isNull()) return read;
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

QImage ExpandFiveBitChannels(const QImage& image) {
    const bool green5 = image.format() == QImage::Format_RGB555;
    if (!green5 && image.format() != QImage::Format_RGB16) return image;
    QImage out(image.width(), image.height(), QImage::Format_BGR888);
    if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    const int redShift = green5 ? 10 : 11;
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const quint16*>(image.constScanLine(y));
        uchar* o = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x, o += 3) {
            const unsigned v = in[x];
            o[0] = pixels::FiveBitChannel(v);
            o[1] = green5 ? pixels::FiveBitChannel(v >> 5) : pixels::SixBitChannel(v >> 5);
            o[2] = pixels::FiveBitChannel(v >> redShift);
        }
    }
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    return out;
}

bool LoadImageByExtension(const QString& path, QImage& image, int& depth) {
    const Route* route = RouteFor(path);
    if (!route) return false;
    const QByteArray bytes = platform::ReadWholeFile(path, MaxFileBytes(route->decoder));
    QImage decoded = Decode(*route, path, bytes);
    if (decoded.isNull())
        throw platform::TessellaError(QStringLiteral("Image illisible : %1").arg(path));
    depth = decoded.depth();
    // Palette pictures are 8 bits a pixel once decoded, whatever the file held.
    if (route->decoder == Decoder::Bmp && decoded.format() == QImage::Format_Indexed8 &&
        bytes.size() >= 30) {
        auto le16 = [&bytes](int at) { return uchar(bytes.at(at)) | uchar(bytes.at(at + 1)) << 8; };
        const bool os2 = le16(14) == 12 && le16(16) == 0;  // the 32-bit header size
        depth = le16(os2 ? 24 : 28);
    }
    image = ExpandFiveBitChannels(decoded);
    return true;
}

bool LoadImageByExtension(const QString& path, QImage& image) {
    int depth = 0;
    return LoadImageByExtension(path, image, depth);
}

namespace {

// Reads count bytes at offset; empty when they are not all there.
QByteArray ReadBytesAt(int fd, int64_t offset, int64_t count, int64_t mostBytes = 1 << 20) {
    if (offset < 0 || count <= 0 || count > mostBytes) return {};
    QByteArray bytes(count, Qt::Uninitialized);
    for (int64_t done = 0; done < count;) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, std::size_t(count - done), offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return {};
        done += n;
    }
    return bytes;
}

bool ReadHeaderOf(const Route& route, int fd, int64_t size, PictureHeader& header) {
    // Enough for every header and what stands before the pixels in usual files.
    constexpr int64_t kStartBytes = 256 * 1024;
    const QByteArray start = ReadBytesAt(fd, 0, std::min(size, kStartBytes));
    switch (route.decoder) {
        case Decoder::Tga:
            return ReadTgaHeader(start, size, header);
        case Decoder::Bmp:
            return ReadBmpHeader(start, size, header);
        case Decoder::Jpeg:
            return ReadJpegHeader(start, header);
        case Decoder::Png:
            return ReadPngHeader(start, header);
        case Decoder::Magick:
            if (route.coder == QByteArrayLiteral("GIF")) return ReadGifHeader(start, header);
            if (route.coder == QByteArrayLiteral("PCX")) return ReadPcxHeader(start, header);
            if (route.coder == QByteArrayLiteral("TIFF"))
                return ReadTiffHeader(
                    [fd](int64_t offset, int64_t count) { return ReadBytesAt(fd, offset, count); },
                    size, header);
            return false;
        default:
            return false;
    }
}

bool ReadRowsOf(const Route& route, int fd, int64_t size, RowTarget& target, GridHeader& header) {
    switch (route.decoder) {
        case Decoder::Tga:
            return ReadTgaRows(fd, size, target, header);
        case Decoder::Bmp:
            return ReadBmpRows(fd, size, target, header);
        case Decoder::Png:
            return ReadPngRows(ReadBytesAt(fd, 0, size, size), target, header);
        default:
            return false;
    }
}

}  // namespace

bool ReadPictureHeader(const QString& path, PictureHeader& header) {
    const Route* route = RouteFor(path);
    if (!route) return false;
    // ReadWholeFile's checks: any doubt leaves the file to it and its messages.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info;
    const bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                      info.st_size <= MaxFileBytes(route->decoder) &&
                      ReadHeaderOf(*route, fd, info.st_size, header);
    ::close(fd);
    return read;
}

bool LoadRowsDirectly(const QString& path, RowTarget& target, GridHeader& header) {
    const Route* route = RouteFor(path);
    if (!route || (route->decoder != Decoder::Tga && route->decoder != Decoder::Bmp &&
                   route->decoder != Decoder::Png))
        return false;
    // The checks of ReadWholeFile: any doubt leaves the file to it and its messages.
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    GridHeader found;
    bool read = false;
    try {
        read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
               info.st_size <= MaxFileBytes(route->decoder) &&
               ReadRowsOf(*route, fd, info.st_size, target, found);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    if (read) header = found;
    return read;
}

bool LoadIntoGrid(const QString& path, pixels::PixelGrid& grid, int& dotsPerMeterX,
                  int& dotsPerMeterY) {
    GridHeader header;
    GridRows rows(grid);
    const bool read = LoadRowsDirectly(path, rows, header);
    dotsPerMeterX = header.dotsPerMeterX;
    dotsPerMeterY = header.dotsPerMeterY;
    return read;
}

}  // namespace tessella::imagefile
