#include "imagefile/BmpReader.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>

#include "pixels/LargeImage.h"
#include "pixels/PixelGrid.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);

namespace tessella::imagefile {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

[[noreturn]] void Invalid() {
    throw platform::TessellaError(kBmpInvalidMessage);
}

struct BmpInfo {
    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t compression = kRgb;
    int64_t paletteOffset = 0;
    int paletteEntryBytes = 4;
    int64_t paletteCount = 0;
    int64_t pixelOffset = 0;
    uint32_t masks[3] = {0, 0, 0};  // red, green, blue
    uint32_t alphaMask = 0;         // version 3 and later headers with bit fields
    int32_t dotsPerMeterX = 0;
    int32_t dotsPerMeterY = 0;
};

// Bounds-checked little-endian reads from the file.
class Bytes {
  public:
    explicit Bytes(const QByteArray& data) : Bytes(data, data.size()) {}
    // The first bytes of a file of fileSize bytes: has() answers for the whole file, at()
    // reaches only what data holds.
    Bytes(const QByteArray& data, int64_t fileSize)
        : p_(reinterpret_cast<const uchar*>(data.constData())),
          held_(data.size()),
          size_(fileSize) {}
    int64_t size() const { return size_; }
    bool has(int64_t offset, int64_t count) const {
        return offset >= 0 && count >= 0 && offset <= size_ && count <= size_ - offset;
    }
    const uchar* at(int64_t offset, int64_t count) const {
        if (!has(offset, count) || offset + count > held_) Invalid();
        return p_ + offset;
    }
    uint32_t u16(int64_t offset) const { return qFromLittleEndian<quint16>(at(offset, 2)); }
    uint32_t u32(int64_t offset) const { return qFromLittleEndian<quint32>(at(offset, 4)); }
    int32_t s32(int64_t offset) const { return qFromLittleEndian<qint32>(at(offset, 4)); }

  private:
    const uchar* p_;
    int64_t held_;
    int64_t size_;
};

BmpInfo ParseHeaders(const Bytes& in) {
    const uchar* magic = in.at(0, kFileHeaderSize);
    if (magic[0] != 'B' || magic[1] != 'M') Invalid();
    BmpInfo info;
    info.pixelOffset = in.u32(10);
    const uint32_t headerSize = in.u32(14);
    const int64_t header = kFileHeaderSize;
    if (headerSize == 12) {  // OS/2 1.x: 16-bit sizes, 3-byte palette entries
        info.width = in.u16(header + 4);
        info.height = in.u16(header + 6);
        info.bits = static_cast<int>(in.u16(header + 10));
        info.paletteEntryBytes = 3;
    } else if (headerSize >= 40 && headerSize <= 1024) {
        info.width = in.s32(header + 4);
        info.height = in.s32(header + 8);
        info.bits = static_cast<int>(in.u16(header + 14));
        info.compression = in.u32(header + 16);
        info.dotsPerMeterX = in.s32(header + 24);
        info.dotsPerMeterY = in.s32(header + 28);
        info.paletteCount = in.u32(header + 32);
    } else {
        Invalid();
    }
    info.paletteOffset = header + headerSize;
    if (info.compression == kBitFields) {
        // Version 2 and later headers hold the masks; after a 40-byte header they follow it.
        const int64_t masks = header + 40;
        for (int i = 0; i < 3; ++i) info.masks[i] = in.u32(masks + 4 * i);
        if (headerSize == 40) info.paletteOffset += 12;
        if (headerSize >= 56) info.alphaMask = in.u32(masks + 12);
    }
    if (info.height < 0) {
        info.topDown = true;
        info.height = -info.height;
    }
    return info;
}

bool DepthAndCompressionKnown(const BmpInfo& info) {
    switch (info.bits) {
        case 1:
        case 24:
            return info.compression == kRgb;
        case 4:
            return info.compression == kRgb || info.compression == kRle4;
        case 8:
            return info.compression == kRgb || info.compression == kRle8;
        case 16:
        case 32:
            return info.compression == kRgb || info.compression == kBitFields;
        default:
            return false;
    }
}

QList<QRgb> Palette(const Bytes& in, const BmpInfo& info, int size) {
    const int64_t maxCount = int64_t{1} << info.bits;
    const int64_t count =
        info.paletteCount > 0 && info.paletteCount < maxCount ? info.paletteCount : maxCount;
    const uchar* p = in.at(info.paletteOffset, count * info.paletteEntryBytes);
    QList<QRgb> table(size, qRgb(0, 0, 0));
    for (int64_t i = 0; i < std::min<int64_t>(count, size); ++i, p += info.paletteEntryBytes)
        table[i] = qRgb(p[2], p[1], p[0]);
    return table;
}

QImage::Format FormatFor(const BmpInfo& info) {
    const uint32_t* m = info.masks;
    const bool bitFields = info.compression == kBitFields;
    switch (info.bits) {
        case 1:
            return QImage::Format_Mono;
        case 4:
        case 8:
            return QImage::Format_Indexed8;
        case 16:
            if (info.alphaMask) return QImage::Format_ARGB32;
            if (!bitFields || (m[0] == 0x7C00 && m[1] == 0x03E0 && m[2] == 0x001F))
                return QImage::Format_RGB555;
            if (m[0] == 0xF800 && m[1] == 0x07E0 && m[2] == 0x001F) return QImage::Format_RGB16;
            return QImage::Format_RGB32;
        case 24:
            return QImage::Format_BGR888;
        default:
            return info.alphaMask ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    }
}

// A channel of a bit-field pixel, scaled to 0..255.
int Channel(uint32_t value, uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int width = std::popcount(mask);
    const uint32_t v = (value & mask) >> shift;
    if (width >= 8) return static_cast<int>(v >> (width - 8));
    // 5 and 6-bit channels follow the program's one rule for 15/16-bit pictures.
    if (width == 5) return pixels::FiveBitChannel(v);
    if (width == 6) return pixels::SixBitChannel(v);
    return static_cast<int>(v * 255 / ((1u << width) - 1));
}

void DecodeRow(const uchar* src, uchar* dst, const BmpInfo& info, QImage::Format format,
               int width) {
    switch (info.bits) {
        case 1:
            std::memcpy(dst, src, (width + 7) / 8);
            return;
        case 4:
            for (int x = 0; x < width; ++x) dst[x] = (x & 1) ? src[x / 2] & 0x0F : src[x / 2] >> 4;
            return;
        case 8:
        case 24:
            std::memcpy(dst, src, static_cast<size_t>(width) * (info.bits / 8));
            return;
        default:
            break;
    }
    auto* out16 = reinterpret_cast<quint16*>(dst);
    auto* out32 = reinterpret_cast<QRgb*>(dst);
    const bool wide = info.bits == 32;
    const bool plain =
        info.compression == kRgb ||
        (wide && info.masks[0] == 0xFF0000 && info.masks[1] == 0xFF00 && info.masks[2] == 0xFF &&
         (info.alphaMask == 0 || info.alphaMask == 0xFF000000u));
    // The plain layout with an alpha byte is ARGB32's own: the pixel goes as it is.
    const uint32_t opaque = info.alphaMask ? 0 : 0xFF000000u;
    for (int x = 0; x < width; ++x) {
        const uint32_t v = wide ? qFromLittleEndian<quint32>(src + 4 * x)
                                : qFromLittleEndian<quint16>(src + 2 * x);
        if (format == QImage::Format_RGB555)
            out16[x] = static_cast<quint16>(v & 0x7FFF);
        else if (format == QImage::Format_RGB16)
            out16[x] = static_cast<quint16>(v);
        else if (plain)
            out32[x] = opaque | v;
        else
            out32[x] =
                qRgba(Channel(v, info.masks[0]), Channel(v, info.masks[1]),
                      Channel(v, info.masks[2]), info.alphaMask ? Channel(v, info.alphaMask) : 255);
    }
}

void DecodeRows(const Bytes& in, const BmpInfo& info, QImage& image) {
    const int width = image.width();
    const int height = image.height();
    const int64_t stride = (int64_t{width} * info.bits + 31) / 32 * 4;
    const int64_t used = (int64_t{width} * info.bits + 7) / 8;
    // The last row may lack its padding.
    const uchar* base = in.at(info.pixelOffset, stride * (height - 1) + used);
    for (int i = 0; i < height; ++i) {
        uchar* dst = image.scanLine(info.topDown ? i : height - 1 - i);
        DecodeRow(base + stride * i, dst, info, image.format(), width);
    }
}

// RLE8 and RLE4: pairs (count, value) and escapes; pixels that fall outside the picture are
// dropped, pixels never drawn keep index 0. The data must reach the last row or end-of-bitmap.
void DecodeRunLength(const Bytes& in, const BmpInfo& info, QImage& image) {
    const bool four = info.compression == kRle4;
    const int64_t width = image.width();
    const int64_t height = image.height();
    int64_t pos = info.pixelOffset;
    int64_t x = 0;
    int64_t y = 0;  // file row
    auto put = [&](int index) {
        if (x < width && y < height)
            image.scanLine(static_cast<int>(info.topDown ? y : height - 1 - y))[x] =
                static_cast<uchar>(index);
        ++x;
    };
    while (true) {
        if (!in.has(pos, 2)) {
            if (y >= height) return;
            Invalid();
        }
        const uchar* p = in.at(pos, 2);
        const int count = p[0];
        const int value = p[1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < width; ++i)
                put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            return;
        } else if (value == 2) {  // delta
            const uchar* d = in.at(pos, 2);
            x += d[0];
            y += d[1];
            pos += 2;
        } else {  // absolute run, padded to 16 bits
            const int64_t bytes = four ? (value + 1) / 2 : value;
            const uchar* src = in.at(pos, bytes);
            for (int i = 0; i < value && x < width; ++i)
                put(four ? ((i & 1) ? src[i / 2] & 0x0F : src[i / 2] >> 4) : src[i]);
            pos += (bytes + 1) & ~int64_t{1};
        }
        if (y >= height) return;  // every row is done
    }
}

// Throws kBmpInvalidMessage for headers that ReadBmp refuses before decoding the pixels.
BmpInfo CheckedInfo(const Bytes& in) {
    const BmpInfo info = ParseHeaders(in);
    // Too large only where the header is otherwise sound: a damaged one is damaged.
    if (!DepthAndCompressionKnown(info)) Invalid();
    platform::RefuseImageBeyondLimit(info.width, info.height);
    if (!platform::ImageSizeAllowed(info.width, info.height)) Invalid();
    const bool runLength = info.compression == kRle8 || info.compression == kRle4;
    // Refuse before allocating: raw rows must all be in the file, run-length data must start.
    if (runLength
            ? !in.has(info.pixelOffset, 2)
            : !in.has(info.pixelOffset, (info.width * info.bits + 31) / 32 * 4 * (info.height - 1) +
                                            (info.width * info.bits + 7) / 8))
        Invalid();
    return info;
}

}  // namespace

bool ReadBmpHeader(const QByteArray& start, int64_t fileSize, PictureHeader& header) {
    try {
        const Bytes in(start, fileSize);
        const BmpInfo info = CheckedInfo(in);
        if (info.bits <= 8) Palette(in, info, 256);  // it must lie in the file too
        // Palette pictures report the file's bits per pixel, as the loader does.
        header = {
            static_cast<int>(info.width), static_cast<int>(info.height),
            info.bits <= 8 ? info.bits : QImage::toPixelFormat(FormatFor(info)).bitsPerPixel()};
        return true;
    } catch (const platform::ImageTooLargeError&) {
        throw;
    } catch (const platform::TessellaError&) {
        return false;
    }
}

QImage ReadBmp(const QByteArray& data) {
    const Bytes in(data);
    const BmpInfo info = CheckedInfo(in);
    const bool runLength = info.compression == kRle8 || info.compression == kRle4;

    const QImage::Format format = FormatFor(info);
    QImage image =
        pixels::NewImage(static_cast<int>(info.width), static_cast<int>(info.height), format);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    if (info.bits <= 8) image.setColorTable(Palette(in, info, info.bits == 1 ? 2 : 256));
    if (runLength) {
        image.fill(0);
        DecodeRunLength(in, info, image);
    } else {
        DecodeRows(in, info, image);
    }
    if (info.dotsPerMeterX > 0) image.setDotsPerMeterX(info.dotsPerMeterX);
    if (info.dotsPerMeterY > 0) image.setDotsPerMeterY(info.dotsPerMeterY);
    return image;
}

}  // namespace tessella::imagefile
