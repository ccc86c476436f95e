#include "imagefile/TgaWriter.h"

#include <QtEndian>
#include <cstring>

#include "imagefile/BgrRows.h"
#include "platform/Error.h"

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);

namespace tessella::imagefile {

namespace {

constexpr int kHeaderSize = 18;
constexpr int kMaxSide = 0xFFFF;

// The picture in the format whose bytes go to the file as they are.
QImage FileFormatCopy(const QImage& image) {
    switch (image.format()) {
        case QImage::Format_Indexed8:
        case QImage::Format_RGB555:
        case QImage::Format_BGR888:
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
            return image;
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
            return image.convertToFormat(QImage::Format_Indexed8);
        case QImage::Format_RGB16:
            return image.convertToFormat(QImage::Format_RGB555);
        default:
            break;
    }
    if (image.depth() == 32)
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                             : QImage::Format_RGB32);
    return image.convertToFormat(QImage::Format_BGR888);
}

void PutLe16(char* p, int v) {
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>((v >> 8) & 0xFF);
}

// Colour map fields read 256 entries of 24 bits even when no map follows, as the program's
// page files always have.
void PutHeader(char* p, const QImage& image, int bpp, bool compressed) {
    const bool mapped = bpp == 1;
    std::memset(p, 0, kHeaderSize);
    p[1] = mapped ? 1 : 0;
    p[2] = static_cast<char>((mapped ? 1 : 2) + (compressed ? 8 : 0));
    PutLe16(p + 5, 256);
    p[7] = 24;
    PutLe16(p + 12, image.width());
    PutLe16(p + 14, image.height());
    p[16] = static_cast<char>(bpp == 2 ? 16 : bpp * 8);
    p[17] = static_cast<char>(0x20 | (image.format() == QImage::Format_ARGB32 ? 8 : 0));
}

void AppendColourMap(QByteArray& out, const QImage& image) {
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        const char entry[3] = {static_cast<char>(qBlue(c)), static_cast<char>(qGreen(c)),
                               static_cast<char>(qRed(c))};
        out.append(entry, 3);
    }
}

// One row as run-length packets: runs of 2 to 128 equal pixels, literals of up to 128 others.
void AppendRunLengthRow(QByteArray& out, const uchar* row, int width, int bpp) {
    auto same = [&](int a, int b) { return std::memcmp(row + a * bpp, row + b * bpp, bpp) == 0; };
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 128 && same(x, x + run)) ++run;
        if (run >= 2) {
            out.append(static_cast<char>(0x80 | (run - 1)));
            out.append(reinterpret_cast<const char*>(row + x * bpp), bpp);
            x += run;
            continue;
        }
        int n = 1;
        while (x + n < width && n < 128 && !(x + n + 1 < width && same(x + n, x + n + 1))) ++n;
        out.append(static_cast<char>(n - 1));
        out.append(reinterpret_cast<const char*>(row + x * bpp), n * bpp);
        x += n;
    }
}

}  // namespace

QByteArray WriteTga(const QImage& source, bool compressed) {
    if (source.isNull()) throw platform::TessellaError(QStringLiteral("Targa : image vide"));
    if (source.width() > kMaxSide || source.height() > kMaxSide)
        throw platform::TessellaError(
            QStringLiteral("Targa : image trop grande pour le format (%1 x %2)")
                .arg(source.width())
                .arg(source.height()));
    const QImage image = FileFormatCopy(source);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    const int bpp = image.depth() == 16 ? 2 : image.depth() / 8;
    const qsizetype rowBytes = qsizetype{image.width()} * bpp;

    QByteArray out;
    out.reserve(kHeaderSize + 768 + rowBytes * image.height());
    out.resize(kHeaderSize);
    PutHeader(out.data(), image, bpp, compressed);
    if (bpp == 1) AppendColourMap(out, image);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        if (compressed)
            AppendRunLengthRow(out, row, image.width(), bpp);
        else
            out.append(reinterpret_cast<const char*>(row), rowBytes);
    }
    return out;
}

void WritePageTga(const BgrRows& rows, platform::ByteSink& sink) {
    if (rows.width <= 0 || rows.height <= 0)
        throw platform::TessellaError(QStringLiteral("Targa : image vide"));
    if (rows.width > kMaxSide || rows.height > kMaxSide)
        throw platform::TessellaError(
            QStringLiteral("Targa : image trop grande pour le format (%1 x %2)")
                .arg(rows.width)
                .arg(rows.height));
    char header[kHeaderSize];
    PutHeader(header, QImage(1, 1, QImage::Format_BGR888), 3, false);
    PutLe16(header + 12, rows.width);
    PutLe16(header + 14, rows.height);
    BufferedSink out(sink);
    out.write(header, kHeaderSize);
    for (int y = 0; y < rows.height; ++y)
        out.write(reinterpret_cast<const char*>(rows.row(y)), std::size_t(rows.width) * 3);
    out.flush();
}

QByteArray WritePageTga(const QImage& image) {
    if (image.isNull() || image.format() == QImage::Format_BGR888) return WriteTga(image);
    return WriteTga(image.convertToFormat(QImage::Format_BGR888));
}

}  // namespace tessella::imagefile
