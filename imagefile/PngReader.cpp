#include "imagefile/PngReader.h"

#include <libdeflate.h>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "imagefile/PixelPacking.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

struct DecompressorFree {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

uchar Paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<uchar>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Undoes the row's filter in place (bpp bytes a pixel: RGB or RGBA, fixed at compile time so
// that the loops stay as fast as they were for RGB alone); above is the previous row
// unfiltered, or zeros. False for an unknown filter.
template <std::size_t bpp>
bool Unfilter(int filter, uchar* row, const uchar* above, std::size_t bytes) {
    switch (filter) {
        case 0:
            return true;
        case 1:
            for (std::size_t i = bpp; i < bytes; ++i) row[i] = uchar(row[i] + row[i - bpp]);
            return true;
        case 2:
            for (std::size_t i = 0; i < bytes; ++i) row[i] = uchar(row[i] + above[i]);
            return true;
        case 3:
            for (std::size_t i = 0; i < bytes; ++i)
                row[i] = uchar(row[i] + ((i >= bpp ? row[i - bpp] : 0) + above[i]) / 2);
            return true;
        case 4:
            for (std::size_t i = 0; i < bytes; ++i)
                row[i] = uchar(row[i] + (i >= bpp ? Paeth(row[i - bpp], above[i], above[i - bpp])
                                                  : Paeth(0, above[i], 0)));
            return true;
        default:
            return false;
    }
}

}  // namespace

bool ReadPngRows(const QByteArray& file, RowTarget& target, GridHeader& header) {
    static constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const int64_t size = file.size();
    if (size < 8 || std::memcmp(p, kSignature, 8) != 0) return false;
    int64_t width = 0, height = 0;
    std::size_t bpp = 3;
    GridHeader found;
    QByteArray compressed;
    bool ended = false;
    for (int64_t at = 8; !ended;) {
        if (size - at < 12) return false;
        const int64_t length = qFromBigEndian<quint32>(p + at);
        if (length > size - at - 12) return false;
        const uchar* type = p + at + 4;
        const uchar* data = type + 4;
        if (libdeflate_crc32(0, type, std::size_t(4 + length)) !=
            qFromBigEndian<quint32>(data + length))
            return false;
        const bool first = at == 8;
        if (first != (std::memcmp(type, "IHDR", 4) == 0)) return false;
        if (first) {
            // 8-bit RGB or RGBA, deflate, adaptive filters, not interlaced.
            if (length != 13 || data[8] != 8 || (data[9] != 2 && data[9] != 6) || data[10] != 0 ||
                data[11] != 0 || data[12] != 0)
                return false;
            bpp = data[9] == 6 ? 4 : 3;
            width = qFromBigEndian<quint32>(data);
            height = qFromBigEndian<quint32>(data + 4);
            platform::RefuseImageBeyondLimit(width, height);
            if (!platform::ImageSizeAllowed(width, height)) return false;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            compressed.append(reinterpret_cast<const char*>(data), qsizetype(length));
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            ended = true;
        } else if (std::memcmp(type, "tRNS", 4) == 0 || !(type[0] & 0x20)) {
            return false;  // transparency, or a critical chunk this reader does not know
        } else if (std::memcmp(type, "pHYs", 4) == 0 && length == 9 && data[8] == 1) {
            found.dotsPerMeterX = std::max(0, qFromBigEndian<qint32>(data));
            found.dotsPerMeterY = std::max(0, qFromBigEndian<qint32>(data + 4));
        }
        at += 12 + length;
    }
    if (compressed.isEmpty()) return false;

    const std::size_t rowBytes = std::size_t(width) * bpp;
    const std::size_t expected = (rowBytes + 1) * std::size_t(height);
    const std::unique_ptr<uchar[]> raw(new (std::nothrow) uchar[expected]);
    const std::unique_ptr<libdeflate_decompressor, DecompressorFree> inflater(
        libdeflate_alloc_decompressor());
    if (!raw || !inflater) return false;
    std::size_t got = 0;
    if (libdeflate_zlib_decompress(inflater.get(), compressed.constData(),
                                   std::size_t(compressed.size()), raw.get(), expected,
                                   &got) != LIBDEFLATE_SUCCESS ||
        got != expected)
        return false;

    target.reshape(static_cast<int>(width), static_cast<int>(height));
    if (bpp == 4 && !target.addAlpha()) return false;
    const std::unique_ptr<uchar[]> zeros(new (std::nothrow) uchar[rowBytes]());
    if (!zeros) return false;
    const uchar* above = zeros.get();
    for (int64_t y = 0; y < height; ++y) {
        uchar* row = raw.get() + (rowBytes + 1) * std::size_t(y);
        if (!(bpp == 3 ? Unfilter<3>(row[0], row + 1, above, rowBytes)
                       : Unfilter<4>(row[0], row + 1, above, rowBytes)))
            return false;
        above = row + 1;
        uchar* out = target.row(static_cast<int>(y));
        if (bpp == 3) {
            for (std::size_t i = 0; i < rowBytes; i += 3) {
                out[i] = above[i + 2];
                out[i + 1] = above[i + 1];
                out[i + 2] = above[i];
            }
        } else {
            SplitRgbaRow(above, out, target.alphaRow(static_cast<int>(y)), static_cast<int>(width));
        }
    }
    target.finish();
    header = found;
    return true;
}

bool PngTransparencyWhole(const QByteArray& file) {
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const int64_t size = file.size();
    constexpr int64_t kIhdrEnd = 8 + 8 + 13 + 4;
    if (size < kIhdrEnd || std::memcmp(p + 12, "IHDR", 4) != 0) return true;
    const int colourType = p[25];
    int64_t paletteEntries = -1;  // no palette yet
    for (int64_t at = kIhdrEnd; size - at >= 12;) {
        const int64_t length = qFromBigEndian<quint32>(p + at);
        if (length > size - at - 12) return true;
        const uchar* type = p + at + 4;
        const uchar* data = type + 4;
        if (std::memcmp(type, "IDAT", 4) == 0 || std::memcmp(type, "IEND", 4) == 0) return true;
        if (std::memcmp(type, "PLTE", 4) == 0) paletteEntries = length / 3;
        if (std::memcmp(type, "tRNS", 4) == 0) {
            if (libdeflate_crc32(0, type, std::size_t(4 + length)) !=
                qFromBigEndian<quint32>(data + length))
                return false;
            switch (colourType) {
                case 0:
                    return length == 2;
                case 2:
                    return length == 6;
                case 3:
                    return paletteEntries >= 0 && length <= paletteEntries;
                default:
                    return false;
            }
        }
        at += 12 + length;
    }
    return true;
}

}  // namespace tessella::imagefile
