#include "imagefile/GridReader.h"

#include <sys/uio.h>
#include <unistd.h>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "imagefile/PixelPacking.h"
#include "imagefile/PixelStream.h"
#include "platform/ImageLimits.h"

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);

namespace tessella::imagefile {

namespace {

using pixels::PixelGrid;

constexpr int kTgaHeaderSize = 18;
constexpr int kBmpHeadersSize = 14 + 40;

bool ReadAt(int fd, int64_t offset, void* data, std::size_t size) {
    auto* p = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t n = ::pread(fd, p, size, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        offset += n;
        size -= std::size_t(n);
    }
    return true;
}

// Reads the bytes from offset on into the pieces in turn, a thousand rows a call.
bool ReadPieces(int fd, int64_t offset, std::vector<iovec>& pieces) {
    constexpr std::size_t kPerCall = 1024;  // IOV_MAX on Linux
    std::size_t first = 0;
    while (first < pieces.size()) {
        const int count = static_cast<int>(std::min(kPerCall, pieces.size() - first));
        const ssize_t n = ::preadv(fd, pieces.data() + first, count, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        offset += n;
        // Skip what was filled; a piece filled in part goes on from where it stopped.
        auto left = std::size_t(n);
        while (left > 0 && left >= pieces[first].iov_len) left -= pieces[first++].iov_len;
        if (left > 0) {
            pieces[first].iov_base = static_cast<char*>(pieces[first].iov_base) + left;
            pieces[first].iov_len -= left;
        }
    }
    return true;
}

// The raw rows of a file, rowBytes of pixels rowStride apart (the last one may lack its
// padding), into the target's rows from the top or from the bottom. Padding that does not fit
// in a row's spare bytes is read into a scratch buffer.
bool ReadRawRows(int fd, int64_t offset, int64_t rowStride, int64_t rowBytes, bool topDown,
                 int height, RowTarget& target) {
    const auto padding = std::size_t(rowStride - rowBytes);
    const bool padInRow = padding <= target.spareBytes();
    uchar scratch[8];
    if (padding > sizeof scratch) return false;
    std::vector<iovec> pieces;
    pieces.reserve(std::size_t(height) * (padInRow ? 1 : 2));
    for (int i = 0; i < height; ++i) {
        const bool last = i + 1 == height;
        uchar* row = target.row(topDown ? i : height - 1 - i);
        if (padInRow || last) {
            pieces.push_back({row, std::size_t(last ? rowBytes : rowStride)});
        } else {
            pieces.push_back({row, std::size_t(rowBytes)});
            pieces.push_back({scratch, padding});
        }
    }
    return ReadPieces(fd, offset, pieces);
}

int Le16(const uchar* p) {
    return p[0] | (p[1] << 8);
}

// Raw 32-bit rows from offset into the target's colour and alpha rows, a band of about a
// megabyte at a time. anySet tells whether some fourth byte was not 0.
bool ReadSplitRows(int fd, int64_t offset, int width, int height, bool topDown, RowTarget& target,
                   bool& anySet) {
    const std::size_t rowBytes = std::size_t(width) * 4;
    const int band = std::min(height, std::max(1, int((std::size_t{1} << 20) / rowBytes)));
    const std::unique_ptr<uchar[]> buffer(new (std::nothrow) uchar[rowBytes * std::size_t(band)]);
    if (!buffer) return false;
    uchar any = 0;
    for (int first = 0; first < height; first += band) {
        const int rows = std::min(band, height - first);
        if (!ReadAt(fd, offset + int64_t(first) * int64_t(rowBytes), buffer.get(),
                    rowBytes * std::size_t(rows)))
            return false;
        for (int i = 0; i < rows; ++i) {
            const int y = topDown ? first + i : height - 1 - (first + i);
            any |= SplitBgraRow(buffer.get() + rowBytes * std::size_t(i), target.row(y),
                                target.alphaRow(y), width);
        }
    }
    anySet = any != 0;
    return true;
}

// TGA run-length packets over the whole picture, as ReadTga decodes them.
bool DecodeTgaRuns(const uchar* p, const uchar* end, RowTarget& target, int width, int height,
                   bool topDown) {
    constexpr int bpp = 3;
    PixelStream out(target, width, height, bpp, topDown);
    while (!out.done()) {
        if (p >= end) return false;
        const int header = *p++;
        const int64_t count = std::min<int64_t>((header & 0x7F) + 1, out.pixelsLeft());
        if (header & 0x80) {
            if (end - p < bpp) return false;
            out.run(p, count);
            p += bpp;
        } else {
            if (end - p < count * bpp) return false;
            out.literal(p, count);
            p += count * bpp;
        }
    }
    return true;
}

// Spare cells may have taken row padding or held an earlier picture; operations find them
// zero, as after a fresh load.
void ClearSpareCells(PixelGrid& grid) {
    const std::size_t spare = std::size_t(PixelGrid::kSpareColumns) * sizeof(pixels::Bgr);
    for (int y = 0; y < grid.height(); ++y)
        std::memset(static_cast<void*>(grid.row(y) + grid.width()), 0, spare);
    std::memset(static_cast<void*>(grid.row(grid.height())), 0,
                std::size_t(grid.stride()) * sizeof(pixels::Bgr));
}

}  // namespace

void GridRows::reshape(int width, int height) {
    grid_.reshape(width, height);
}

uchar* GridRows::row(int y) {
    return reinterpret_cast<uchar*>(grid_.row(y));
}

std::size_t GridRows::spareBytes() const {
    return std::size_t(PixelGrid::kSpareColumns) * sizeof(pixels::Bgr);
}

void GridRows::finish() {
    ClearSpareCells(grid_);
    grid_.settleAlpha();
}

bool GridRows::addAlpha() {
    grid_.addAlpha();
    return true;
}

uchar* GridRows::alphaRow(int y) {
    return grid_.alphaRow(y);
}

void GridRows::dropAlpha() {
    grid_.dropAlpha();
}

bool ReadTgaIntoGrid(int fd, int64_t size, PixelGrid& grid, GridHeader& header) {
    GridRows rows(grid);
    return ReadTgaRows(fd, size, rows, header);
}

bool ReadBmpIntoGrid(int fd, int64_t size, PixelGrid& grid, GridHeader& header) {
    GridRows rows(grid);
    return ReadBmpRows(fd, size, rows, header);
}

bool ReadTgaRows(int fd, int64_t size, RowTarget& target, GridHeader& header) {
    uchar h[kTgaHeaderSize];
    if (size < kTgaHeaderSize || !ReadAt(fd, 0, h, sizeof h)) return false;
    const int idLength = h[0], mapType = h[1], imageType = h[2];
    const int mapLength = Le16(h + 5), mapEntryBits = h[7];
    const int width = Le16(h + 12), height = Le16(h + 14), bits = h[16], descriptor = h[17];
    const bool runLength = imageType == 10;
    const bool alpha = bits == 32 && !runLength;
    // Rows stored right to left, and run-length 32-bit pixels, are left to ReadTga.
    if ((imageType != 2 && !runLength) || (bits != 24 && !alpha) || (descriptor & 0x10))
        return false;
    platform::RefuseImageBeyondLimit(width, height);
    if (!platform::ImageSizeAllowed(width, height)) return false;
    const int entryBytes = mapEntryBits == 24 ? 3 : mapEntryBits == 32 ? 4 : 2;
    const int64_t offset = kTgaHeaderSize + idLength + (mapType == 1 ? mapLength * entryBytes : 0);
    const int64_t pixelCount = int64_t{width} * height;
    const int64_t needed = runLength ? (pixelCount + 127) / 128 * 4 : pixelCount * (bits / 8);
    if (offset > size || size - offset < needed) return false;

    target.reshape(width, height);
    const bool topDown = (descriptor & 0x20) != 0;
    if (alpha) {
        bool anySet = false;
        if (!target.addAlpha() ||
            !ReadSplitRows(fd, offset, width, height, topDown, target, anySet))
            return false;
        // Without alpha bits, a fourth byte 0 everywhere is what old writers left: opaque.
        if ((descriptor & 0x0F) == 0 && !anySet) target.dropAlpha();
    } else if (runLength) {
        // Packets are smaller than the picture they make: read whole, then unrolled into rows.
        const auto bytes = std::size_t(size - offset);
        std::unique_ptr<uchar[]> packets(new uchar[bytes]);
        if (!ReadAt(fd, offset, packets.get(), bytes)) return false;
        if (!DecodeTgaRuns(packets.get(), packets.get() + bytes, target, width, height, topDown))
            return false;
    } else if (!ReadRawRows(fd, offset, int64_t{width} * 3, int64_t{width} * 3, topDown, height,
                            target)) {
        return false;
    }
    target.finish();
    header = GridHeader{};
    return true;
}

bool ReadBmpRows(int fd, int64_t size, RowTarget& target, GridHeader& header) {
    uchar h[kBmpHeadersSize] = {};
    const auto got = std::size_t(std::min<int64_t>(size, kBmpHeadersSize));
    if (got < 18 || !ReadAt(fd, 0, h, got)) return false;
    if (h[0] != 'B' || h[1] != 'M') return false;
    const int64_t offset = qFromLittleEndian<quint32>(h + 10);
    const uint32_t headerSize = qFromLittleEndian<quint32>(h + 14);
    int64_t width = 0, height = 0;
    int bits = 0;
    uint32_t compression = 0;
    GridHeader found;
    if (headerSize == 12) {
        if (got < 26) return false;
        width = Le16(h + 18);
        height = Le16(h + 20);
        bits = Le16(h + 24);
    } else if (headerSize >= 40 && headerSize <= 1024) {
        if (got < 50) return false;  // the reader looks as far as the palette count
        width = qFromLittleEndian<qint32>(h + 18);
        height = qFromLittleEndian<qint32>(h + 22);
        bits = Le16(h + 28);
        compression = qFromLittleEndian<quint32>(h + 30);
        found.dotsPerMeterX = std::max(0, qFromLittleEndian<qint32>(h + 38));
        found.dotsPerMeterY = std::max(0, qFromLittleEndian<qint32>(h + 42));
    } else {
        return false;
    }
    if (bits != 24 || compression != 0) return false;
    const bool topDown = height < 0;
    height = std::abs(height);
    platform::RefuseImageBeyondLimit(width, height);
    if (!platform::ImageSizeAllowed(width, height)) return false;
    const int64_t stride = (width * 24 + 31) / 32 * 4;
    const int64_t used = width * 3;
    if (offset > size || size - offset < stride * (height - 1) + used) return false;

    target.reshape(static_cast<int>(width), static_cast<int>(height));
    if (!ReadRawRows(fd, offset, stride, used, topDown, static_cast<int>(height), target))
        return false;
    target.finish();
    header = found;
    return true;
}

}  // namespace tessella::imagefile
