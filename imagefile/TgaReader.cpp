#include "imagefile/TgaReader.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

#include "imagefile/PixelStream.h"
#include "pixels/LargeImage.h"
#include "pixels/PixelGrid.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

// 32-bit pixels are copied as blue, green, red, fourth byte straight into QImage's uint32s.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);

namespace tessella::imagefile {

namespace {

constexpr int kHeaderSize = 18;

struct TgaHeader {
    int idLength;
    int mapType;
    int imageType;
    int mapLength;
    int mapEntryBits;
    int width;
    int height;
    int bits;
    int descriptor;
};

[[noreturn]] void Invalid() {
    throw platform::TessellaError(kTgaInvalidMessage);
}

int Le16(const uchar* p) {
    return p[0] | (p[1] << 8);
}

TgaHeader ParseHeader(const uchar* p) {
    return {p[0], p[1], p[2], Le16(p + 5), p[7], Le16(p + 12), Le16(p + 14), p[16], p[17]};
}

QList<QRgb> GreyRamp() {
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i) table[i] = qRgb(i, i, i);
    return table;
}

bool IsGrey(int imageType) {
    return imageType == 3 || imageType == 11;
}
bool IsRunLength(int imageType) {
    return imageType >= 9;
}

QImage::Format FormatFor(const TgaHeader& h) {
    switch (h.bits) {
        case 8:
            return QImage::Format_Indexed8;
        case 15:
        case 16:
            return QImage::Format_RGB555;
        case 24:
            return QImage::Format_BGR888;
        default:
            return (h.descriptor & 0x0F) ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    }
}

// Reads the colour map at p (checked by the caller to lie in the file) into 256 entries;
// entries past the map stay black, entries past 256 are dropped.
QList<QRgb> ColourMap(const uchar* p, int length, int entryBits) {
    QList<QRgb> table(256, qRgb(0, 0, 0));
    const int entryBytes = entryBits == 24 ? 3 : entryBits == 32 ? 4 : 2;
    for (int i = 0; i < std::min(length, 256); ++i, p += entryBytes) {
        if (entryBytes >= 3) {
            table[i] = qRgb(p[2], p[1], p[0]);
        } else {
            const int v = Le16(p);
            table[i] = qRgb(pixels::FiveBitChannel(v >> 10), pixels::FiveBitChannel(v >> 5),
                            pixels::FiveBitChannel(v));
        }
    }
    return table;
}

int ColourMapBytes(const TgaHeader& h) {
    if (h.mapType != 1) return 0;
    const int entryBytes = h.mapEntryBits == 24 ? 3 : h.mapEntryBits == 32 ? 4 : 2;
    return h.mapLength * entryBytes;
}

// Run-length packets form one pixel stream over the whole picture: a packet may continue
// into the next row, and whatever lies past the last pixel is ignored.
void DecodeRunLength(const uchar* p, const uchar* end, int bpp, PixelStream& out) {
    while (!out.done()) {
        if (p >= end) Invalid();
        const int header = *p++;
        const int64_t count = std::min<int64_t>((header & 0x7F) + 1, out.pixelsLeft());
        if (header & 0x80) {
            if (end - p < bpp) Invalid();
            out.run(p, count);
            p += bpp;
        } else {
            if (end - p < count * bpp) Invalid();
            out.literal(p, count);
            p += count * bpp;
        }
    }
}

// TGA keeps 15/16-bit pixels as 5-5-5 with the top bit free; QImage wants it clear.
void ClearTopBits(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<quint16*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) row[x] = qFromLittleEndian(row[x]) & 0x7FFF;
    }
}

// A 32-bit file whose descriptor gives no alpha bits may still hold alpha in the fourth byte;
// old writers left that byte 0 everywhere, and then the picture is opaque.
bool AnyFourthByteSet(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0) return true;
    }
    return false;
}

}  // namespace

namespace {

// Where the colour map and the pixels start, once the header has passed every check that can be
// made before the pixels are read.
struct TgaLayout {
    TgaHeader header;
    int64_t mapOffset;
    int64_t pixelOffset;
    int bpp;
    int64_t pixelCount;
};

// Throws kTgaInvalidMessage for a header that ReadTga refuses in a file of fileSize bytes.
TgaLayout CheckedLayout(const uchar* begin, int64_t fileSize) {
    if (fileSize < kHeaderSize) Invalid();
    const TgaHeader h = ParseHeader(begin);
    const bool typeKnown =
        (h.imageType >= 1 && h.imageType <= 3) || (h.imageType >= 9 && h.imageType <= 11);
    const bool bitsKnown =
        h.bits == 8 || h.bits == 15 || h.bits == 16 || h.bits == 24 || h.bits == 32;
    // Too large only where the header is otherwise sound: a damaged one is damaged.
    if (!typeKnown || !bitsKnown) Invalid();
    platform::RefuseImageBeyondLimit(h.width, h.height);
    if (!platform::ImageSizeAllowed(h.width, h.height)) Invalid();

    // The ID field and the colour map must lie in the file; then the pixels must fit what is
    // left before anything is allocated: raw pixels their bytes, run-length pixels at least one
    // packet per 128 pixels.
    const int64_t mapOffset = kHeaderSize + h.idLength;
    const int64_t pixelOffset = mapOffset + ColourMapBytes(h);
    if (pixelOffset > fileSize) Invalid();
    const int bpp = (h.bits + 7) / 8;
    const int64_t pixelCount = int64_t{h.width} * h.height;
    const int64_t needed =
        IsRunLength(h.imageType) ? (pixelCount + 127) / 128 * (1 + bpp) : pixelCount * bpp;
    if (fileSize - pixelOffset < needed) Invalid();
    return {h, mapOffset, pixelOffset, bpp, pixelCount};
}

}  // namespace

bool ReadTgaHeader(const QByteArray& start, int64_t fileSize, PictureHeader& header) {
    if (start.size() < kHeaderSize) return false;
    try {
        const TgaHeader h =
            CheckedLayout(reinterpret_cast<const uchar*>(start.constData()), fileSize).header;
        header = {h.width, h.height, QImage::toPixelFormat(FormatFor(h)).bitsPerPixel()};
        return true;
    } catch (const platform::ImageTooLargeError&) {
        throw;
    } catch (const platform::TessellaError&) {
        return false;
    }
}

QImage ReadTga(const QByteArray& data) {
    if (data.size() < kHeaderSize) Invalid();
    const auto* begin = reinterpret_cast<const uchar*>(data.constData());
    const uchar* end = begin + data.size();
    const auto [h, mapOffset, pixelOffset, bpp, pixelCount] = CheckedLayout(begin, data.size());
    const uchar* map = begin + mapOffset;
    const uchar* pixels = begin + pixelOffset;

    QImage image = pixels::NewImage(h.width, h.height, FormatFor(h));
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    if (h.bits == 8) {
        image.setColorTable(IsGrey(h.imageType) ? GreyRamp()
                            : h.mapType == 1    ? ColourMap(map, h.mapLength, h.mapEntryBits)
                                                : QList<QRgb>(256, qRgb(0, 0, 0)));
    }

    PixelStream out(image, bpp, (h.descriptor & 0x20) != 0);
    if (IsRunLength(h.imageType))
        DecodeRunLength(pixels, end, bpp, out);
    else
        out.literal(pixels, pixelCount);
    if (bpp == 2) ClearTopBits(image);
    if (h.descriptor & 0x10) image.mirror(true, false);  // rows stored right to left
    if (bpp == 4 && image.format() == QImage::Format_RGB32 && AnyFourthByteSet(image))
        image.reinterpretAsFormat(QImage::Format_ARGB32);
    return image;
}

}  // namespace tessella::imagefile
