#include "imagefile/TgaWriter.h"

#include <QtEndian>
#include <cstring>

#include "imagefile/BgrRows.h"
#include "platform/Error.h"

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);

namespace tessella::imagefile {

namespace {

constexpr int kHeaderSize = kTgaHeaderSize;

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
    if (source.width() > kTgaMaxSide || source.height() > kTgaMaxSide)
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
    PutTgaHeader(out.data(), image.width(), image.height(), bpp, compressed,
                 image.format() == QImage::Format_ARGB32);
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

QByteArray WritePageTga(const QImage& image) {
    if (image.isNull() || image.format() == QImage::Format_BGR888) return WriteTga(image);
    return WriteTga(image.convertToFormat(QImage::Format_BGR888));
}

}  // namespace tessella::imagefile
