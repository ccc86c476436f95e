#include "imagefile/FileRoutes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "imagefile/GridReader.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/PngReader.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

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
        case Decoder::Icon:
            return platform::MaxImageFileBytes(8, 64 * kMegabyte);
        case Decoder::Dds:  // 32-bit pixels and their whole mip chain
        case Decoder::Ktx2:
        case Decoder::Astc:
            return platform::MaxImageFileBytes(6, kMegabyte);
    }
    return 0;
}

namespace {

// Which decoder reads each of the 40 extensions: the program's 31 in its order, then today's
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
    {".WEBP", Decoder::Webp, nullptr}, {".DDS", Decoder::Dds, nullptr},
    {".KTX2", Decoder::Ktx2, nullptr}, {".ASTC", Decoder::Astc, nullptr},
    {".ICO", Decoder::Icon, "ico"},    {".CUR", Decoder::Icon, "cur"},
};

QString ExtensionOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

}  // namespace

const Route* RouteFor(const QString& path) {
    const QString extension = ExtensionOf(path);
    for (const Route& route : kRoutes)
        if (extension == QLatin1String(route.extension)) return &route;
    return nullptr;
}

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

// Reads count bytes at offset; empty when they are not all there.
QByteArray ReadBytesAt(int fd, int64_t offset, int64_t count, int64_t mostBytes) {
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

namespace {

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
    } catch (const platform::ImageTooLargeError& e) {
        ::close(fd);  // the refusal every reader gives, naming the file as the loader does
        throw platform::TessellaError(QStringLiteral("%1 (%2)").arg(e.message(), path));
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
