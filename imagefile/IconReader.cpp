#include "imagefile/IconReader.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "imagefile/BmpReader.h"
#include "imagefile/PngReader.h"
#include "imagefile/QtFormatReader.h"
#include "pixels/LargeImage.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);  // blue, green, red, alpha are ARGB32's uint32s

namespace tessella::imagefile {

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;

uint32_t Le16(const uchar* p) {
    return qFromLittleEndian<quint16>(p);
}
uint32_t Le32(const uchar* p) {
    return qFromLittleEndian<quint32>(p);
}

// A bitmap entry: an information header, a palette, the colours (rows from the bottom, each
// padded to 4 bytes), then the 1-bit mask laid out alike. Its height counts both.
QImage ReadIconBitmap(const QByteArray& dib, const QString& invalidMessage) {
    auto invalid = [&] { return platform::TessellaError(invalidMessage); };
    const auto* q = reinterpret_cast<const uchar*>(dib.constData());
    const int64_t size = dib.size();
    if (size < 40) throw invalid();
    const int64_t headerSize = Le32(q);
    const int64_t width = qFromLittleEndian<qint32>(q + 4);
    const int64_t height = qFromLittleEndian<qint32>(q + 8) / 2;
    const int bits = int(Le16(q + 14));
    const uint32_t compression = Le32(q + 16), coloursUsed = Le32(q + 32);
    const bool bitsKnown = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    if (headerSize < 40 || headerSize > size || !bitsKnown || compression != 0 ||
        !platform::ImageSizeAllowed(width, height))
        throw invalid();
    const int64_t paletteCount = bits > 8          ? 0
                                 : coloursUsed > 0 ? std::min<int64_t>(coloursUsed, 1 << bits)
                                                   : 1 << bits;
    const int64_t pixelOffset = headerSize + 4 * paletteCount;
    const int64_t colourStride = (width * bits + 31) / 32 * 4, maskStride = (width + 31) / 32 * 4;
    const int64_t maskOffset = pixelOffset + colourStride * height;
    if (maskOffset + maskStride * height > size) throw invalid();

    QImage image;
    bool alphaBytes = false;
    if (bits == 32) {
        image = pixels::NewImage(int(width), int(height), QImage::Format_ARGB32);
        if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = q + pixelOffset + colourStride * (height - 1 - y);
            std::memcpy(image.scanLine(y), row, std::size_t(width) * 4);
            for (int64_t x = 0; x < width; ++x) alphaBytes = alphaBytes || row[4 * x + 3] != 0;
        }
    } else {
        // The colours are a BMP of their own: a file header, the header with the picture's
        // own height, the palette and the rows.
        QByteArray bmp = QByteArray("BM") + QByteArray(12, '\0') + dib.left(maskOffset);
        qToLittleEndian<quint32>(quint32(14 + pixelOffset), bmp.data() + 10);
        qToLittleEndian<qint32>(qint32(height), bmp.data() + 14 + 8);
        try {
            image = ReadBmp(bmp).convertToFormat(QImage::Format_ARGB32);
        } catch (const platform::TessellaError&) {
            throw invalid();
        }
        if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    }
    if (alphaBytes) return image;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* mask = q + maskOffset + maskStride * (height - 1 - y);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
            row[x] = (row[x] & 0x00FFFFFFu) | (transparent ? 0u : 0xFF000000u);
        }
    }
    return image;
}

}  // namespace

QImage ReadIcon(const QByteArray& data, const QString& invalidMessage) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const int64_t size = data.size();
    if (size < kDirectorySize + kEntrySize || Le16(p) != 0 ||
        (Le16(p + 2) != 1 && Le16(p + 2) != 2) || Le16(p + 4) == 0)
        throw platform::TessellaError(invalidMessage);
    const uchar* entry = p + kDirectorySize;
    const int64_t bytes = Le32(entry + 8), offset = Le32(entry + 12);
    if (offset < kDirectorySize + kEntrySize || offset > size || bytes > size - offset)
        throw platform::TessellaError(invalidMessage);
    const QByteArray picture = data.mid(offset, bytes);
    if (picture.startsWith(QByteArrayLiteral("\x89PNG\r\n\x1A\n"))) {
        if (!PngTransparencyWhole(picture)) throw platform::TessellaError(invalidMessage);
        return ReadWithQtFormat(picture, "png", invalidMessage)
            .convertToFormat(QImage::Format_ARGB32);
    }
    return ReadIconBitmap(picture, invalidMessage);
}

}  // namespace tessella::imagefile
