#include "imagefile/PngReader.h"

#include <libdeflate.h>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

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

// Undoes the row's filter in place (RGB bytes, three a pixel); above is the previous row
// unfiltered, or zeros. False for an unknown filter.
bool Unfilter(int filter, uchar* row, const uchar* above, std::size_t bytes) {
    switch (filter) {
        case 0:
            return true;
        case 1:
            for (std::size_t i = 3; i < bytes; ++i) row[i] = uchar(row[i] + row[i - 3]);
            return true;
        case 2:
            for (std::size_t i = 0; i < bytes; ++i) row[i] = uchar(row[i] + above[i]);
            return true;
        case 3:
            for (std::size_t i = 0; i < bytes; ++i)
                row[i] = uchar(row[i] + ((i >= 3 ? row[i - 3] : 0) + above[i]) / 2);
            return true;
        case 4:
            for (std::size_t i = 0; i < bytes; ++i)
                row[i] = uchar(row[i] + (i >= 3 ? Paeth(row[i - 3], above[i], above[i - 3])
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
            // 8-bit RGB, deflate, adaptive filters, not interlaced.
            if (length != 13 || data[8] != 8 || data[9] != 2 || data[10] != 0 || data[11] != 0 ||
                data[12] != 0)
                return false;
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

    const std::size_t rowBytes = std::size_t(width) * 3;
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
    const std::unique_ptr<uchar[]> zeros(new (std::nothrow) uchar[rowBytes]());
    if (!zeros) return false;
    const uchar* above = zeros.get();
    for (int64_t y = 0; y < height; ++y) {
        uchar* row = raw.get() + (rowBytes + 1) * std::size_t(y);
        if (!Unfilter(row[0], row + 1, above, rowBytes)) return false;
        above = row + 1;
        uchar* out = target.row(static_cast<int>(y));
        for (std::size_t i = 0; i < rowBytes; i += 3) {
            out[i] = above[i + 2];
            out[i + 1] = above[i + 1];
            out[i + 2] = above[i];
        }
    }
    target.finish();
    header = found;
    return true;
}

}  // namespace tessella::imagefile
