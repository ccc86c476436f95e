#include "imagefile/BlockEncoder.h"

#include <squish.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

namespace tessella::imagefile {

namespace {

// libsquish's range fit is fast and good on smooth blocks; its cluster fit is better on busy
// ones but about forty times slower. Each block gets the range fit first, and the cluster fit
// too when the range fit's mean squared error per channel passes this, keeping the better.
constexpr int kClusterFitFromError = 24;

int SquishFlags(GpuBlockFormat format) {
    switch (format) {
        case GpuBlockFormat::Bc1:
            return squish::kDxt1;
        case GpuBlockFormat::Bc3:
            return squish::kDxt5;
        default:
            return squish::kBc5;
    }
}

struct Block {
    squish::u8 rgba[64];
    int mask = 0;  // bit i: pixel i (row by row) lies inside the picture
    int pixels = 0;
};

Block BlockAt(const pixels::PixelGrid& picture, int blockX, int blockY) {
    Block block{};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const int px = blockX * 4 + x, py = blockY * 4 + y;
            if (px >= picture.width() || py >= picture.height()) continue;
            const pixels::Bgr p = picture.at(px, py);
            squish::u8* out = block.rgba + 4 * (4 * y + x);
            out[0] = p.r, out[1] = p.g, out[2] = p.b, out[3] = 255;
            block.mask |= 1 << (4 * y + x);
            ++block.pixels;
        }
    return block;
}

int SquaredError(const Block& block, const squish::u8* encoded, int flags) {
    squish::u8 decoded[64];
    squish::Decompress(decoded, encoded, flags);
    int error = 0;
    for (int i = 0; i < 16; ++i) {
        if (!(block.mask & (1 << i))) continue;
        for (int c = 0; c < 3; ++c) {
            const int d = decoded[4 * i + c] - block.rgba[4 * i + c];
            error += d * d;
        }
    }
    return error;
}

void EncodeBlock(const Block& block, GpuBlockFormat format, squish::u8* out) {
    const int flags = SquishFlags(format);
    if (format == GpuBlockFormat::Bc5) {
        squish::CompressMasked(block.rgba, block.mask, out, flags);
        return;
    }
    squish::CompressMasked(block.rgba, block.mask, out, flags | squish::kColourRangeFit);
    const int rangeError = SquaredError(block, out, flags);
    if (rangeError <= kClusterFitFromError * 3 * block.pixels) return;
    squish::u8 cluster[16];
    squish::CompressMasked(block.rgba, block.mask, cluster, flags | squish::kColourClusterFit);
    if (SquaredError(block, cluster, flags) < rangeError)
        std::memcpy(out, cluster, std::size_t(BlockBytes(format)));
}

}  // namespace

int BlockBytes(GpuBlockFormat format) {
    return format == GpuBlockFormat::Bc1 ? 8 : 16;
}

QByteArray EncodeBlocks(const pixels::PixelGrid& picture, GpuBlockFormat format) {
    const int across = (picture.width() + 3) / 4, down = (picture.height() + 3) / 4;
    const int blockBytes = BlockBytes(format);
    const qsizetype rowBytes = qsizetype(across) * blockBytes;
    QByteArray blocks(rowBytes * down, Qt::Uninitialized);
    auto* base = reinterpret_cast<squish::u8*>(blocks.data());
    std::atomic<int> nextRow{0};
    auto work = [&] {
        for (int by = nextRow++; by < down; by = nextRow++)
            for (int bx = 0; bx < across; ++bx)
                EncodeBlock(BlockAt(picture, bx, by), format,
                            base + by * rowBytes + qsizetype(bx) * blockBytes);
    };
    // Rows of blocks are shared out among the cores; small levels stay on this thread.
    const int helpers = down < 16 ? 0 : int(std::max(1u, std::thread::hardware_concurrency())) - 1;
    std::vector<std::thread> threads;
    for (int i = 0; i < helpers; ++i) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // the threads that started, and this one, do the rows
        }
    }
    work();
    for (std::thread& thread : threads) thread.join();
    return blocks;
}

}  // namespace tessella::imagefile
