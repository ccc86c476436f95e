#include "imagefile/TgaWriter.h"

#include <QtEndian>

#include "imagefile/BgrRows.h"
#include "imagefile/ImageFileTexts.h"
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

}  // namespace

QByteArray WriteTga(const QImage& source) {
    if (source.isNull()) throw platform::TessellaError(kTgaEmptyMessage);
    if (source.width() > kTgaMaxSide || source.height() > kTgaMaxSide)
        throw platform::TessellaError(kTgaTooLargeMessage.arg(source.width()).arg(source.height()));
    const QImage image = FileFormatCopy(source);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    const int bpp = image.depth() == 16 ? 2 : image.depth() / 8;
    const qsizetype rowBytes = qsizetype{image.width()} * bpp;

    QByteArray out;
    out.reserve(kHeaderSize + 768 + rowBytes * image.height());
    out.resize(kHeaderSize);
    PutTgaHeader(out.data(), image.width(), image.height(), bpp,
                 image.format() == QImage::Format_ARGB32);
    if (bpp == 1) AppendColourMap(out, image);
    for (int y = 0; y < image.height(); ++y)
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);
    return out;
}

QByteArray WritePageTga(const QImage& image) {
    if (image.isNull() || image.format() == QImage::Format_BGR888) return WriteTga(image);
    const BgrRows rows = RowsOf(image);
    if (!rows.alpha) return WriteTga(image.convertToFormat(QImage::Format_BGR888));
    QByteArray out;
    AppendingSink sink(out);
    WritePageTga(rows, sink);
    return out;
}

}  // namespace tessella::imagefile
