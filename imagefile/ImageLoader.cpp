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
#include "imagefile/FileRoutes.h"
#include "imagefile/ForeignHeaders.h"
#include "imagefile/GpuTextureReader.h"
#include "imagefile/GridReader.h"
#include "imagefile/IconReader.h"
#include "imagefile/ImageFileTexts.h"
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
// messages and way with transparency (colours kept, alpha apart) stay the rule.
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

// Texture files for graphics cards, with the ImageMagick route's wording: the reason after the
// file's name.
QImage ReadTexture(const QString& path, const QByteArray& bytes, GpuFileKind kind) {
    try {
        return ReadGpuTexture(bytes, kind);
    } catch (const platform::TessellaError& e) {
        throw platform::TessellaError(kDecodeFailedMessage.arg(path, e.message()));
    }
}

QImage Decode(const Route& route, const QString& path, const QByteArray& bytes) {
    switch (route.decoder) {
        case Decoder::Dds:
            return ReadTexture(path, bytes, GpuFileKind::Dds);
        case Decoder::Ktx2:
            return ReadTexture(path, bytes, GpuFileKind::Ktx2);
        case Decoder::Astc:
            return ReadTexture(path, bytes, GpuFileKind::Astc);
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
            return NamingTheFile(path, [&] {
                if (!PngTransparencyWhole(bytes)) throw platform::TessellaError(kPngInvalidMessage);
                return ReadWithQtFormat(bytes, "png", kPngInvalidMessage);
            });
        case Decoder::Webp:
            return NamingTheFile(
                path, [&] { return ReadWithQtFormat(bytes, "webp", kWebpInvalidMessage); });
        case Decoder::Icon: {
            const bool cursor = QByteArray(route.coder) == "cur";
            return NamingTheFile(path, [&] {
                return ReadIcon(bytes, cursor ? kCurInvalidMessage : kIcoInvalidMessage);
            });
        }
        case Decoder::Magick:
            if (QImage read = ReadWithQt(bytes, route.coder); !read.isNull()) return read;
            return DecodeWithMagick(bytes, QString::fromLatin1(route.coder), path);
    }
    return {};
}

}  // namespace

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

namespace {
void RefuseDeclaredBeyondLimit(const Route& route, const QString& path);
}

bool LoadImageByExtension(const QString& path, QImage& image, int& depth) {
    const Route* route = RouteFor(path);
    if (!route) return false;
    RefuseDeclaredBeyondLimit(*route, path);
    const QByteArray bytes = platform::ReadWholeFile(path, MaxFileBytes(route->decoder));
    QImage decoded = Decode(*route, path, bytes);
    if (decoded.isNull()) throw platform::TessellaError(kUnreadableImageMessage.arg(path));
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
        case Decoder::Dds:  // whether a texel is transparent lies in the blocks
            return ReadGpuTextureHeader(ReadBytesAt(fd, 0, size, size), GpuFileKind::Dds, header);
        case Decoder::Ktx2:
            return ReadGpuTextureHeader(ReadBytesAt(fd, 0, size, size), GpuFileKind::Ktx2, header);
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

// ReadHeaderOf, with the refusal of a picture beyond the limit kept in tooLarge instead of
// thrown, so that the file is closed first and its name added.
bool ReadHeaderKeepingSizeRefusal(const Route& route, int fd, int64_t size, PictureHeader& header,
                                  QString& tooLarge) {
    try {
        return ReadHeaderOf(route, fd, size, header);
    } catch (const platform::ImageTooLargeError& e) {
        tooLarge = e.message();
        return false;
    }
}

[[noreturn]] void ThrowNamingTheFile(const QString& message, const QString& path) {
    throw platform::TessellaError(QStringLiteral("%1 (%2)").arg(message, path));
}

// A picture beyond the limit gets the one message every reader gives, from its header, before
// the file is read: even where the whole file is too large to be read (that refusal would only
// say "fichier trop grand") or goes to ImageMagick (whose refusal knows no size). Any other
// doubt is left to the reading that follows.
void RefuseDeclaredBeyondLimit(const Route& route, const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return;
    struct stat info;
    PictureHeader header;
    QString tooLarge;
    try {
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
            ReadHeaderKeepingSizeRefusal(route, fd, info.st_size, header, tooLarge);
    } catch (const platform::TessellaError&) {
        // not this check's to judge
    }
    ::close(fd);
    if (!tooLarge.isEmpty()) ThrowNamingTheFile(tooLarge, path);
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
    QString tooLarge;
    const bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                      ReadHeaderKeepingSizeRefusal(*route, fd, info.st_size, header, tooLarge) &&
                      info.st_size <= MaxFileBytes(route->decoder);
    ::close(fd);
    if (!tooLarge.isEmpty()) ThrowNamingTheFile(tooLarge, path);
    return read;
}

}  // namespace tessella::imagefile
