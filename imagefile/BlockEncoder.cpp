#include "imagefile/BlockEncoder.h"

#include <squish.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

namespace tessella::imagefile {

namespace {

// libsquish's range fit is fast but puts its colours on the corners of the block's bounding
// box; its cluster fit finds the best line but is about forty times slower. The colours of a
// block all come from one line, so what no fit can remove is the spread of the pixels off
// their best line (the principal axis). Each block gets the range fit, then the cluster fit too
// when at least 70% of the range fit's error lies along that line, and keeps the better.
constexpr double kClusterFitFromShare = 0.7;

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

// The squared distance of the block's pixels to their best line.
double SpreadOffLine(const Block& block) {
    double mean[3] = {0, 0, 0};
    for (int i = 0; i < 16; ++i)
        if (block.mask & (1 << i))
            for (int c = 0; c < 3; ++c) mean[c] += block.rgba[4 * i + c];
    for (double& m : mean) m /= block.pixels;
    double covariance[3][3] = {};
    for (int i = 0; i < 16; ++i) {
        if (!(block.mask & (1 << i))) continue;
        double d[3];
        for (int c = 0; c < 3; ++c) d[c] = block.rgba[4 * i + c] - mean[c];
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b) covariance[a][b] += d[a] * d[b];
    }
    const double total = covariance[0][0] + covariance[1][1] + covariance[2][2];
    // The principal axis by power iteration, from the channel that varies most.
    int widest = 0;
    for (int c = 1; c < 3; ++c)
        if (covariance[c][c] > covariance[widest][widest]) widest = c;
    double axis[3] = {covariance[0][widest], covariance[1][widest], covariance[2][widest]};
    for (int step = 0; step < 8; ++step) {
        double next[3];
        for (int a = 0; a < 3; ++a)
            next[a] = covariance[a][0] * axis[0] + covariance[a][1] * axis[1] +
                      covariance[a][2] * axis[2];
        const double length = std::sqrt(next[0] * next[0] + next[1] * next[1] + next[2] * next[2]);
        if (length < 1e-9) return 0;  // one colour
        for (int a = 0; a < 3; ++a) axis[a] = next[a] / length;
    }
    double along = 0;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) along += axis[a] * covariance[a][b] * axis[b];
    return total - along;
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
    if (rangeError == 0 || rangeError - SpreadOffLine(block) < kClusterFitFromShare * rangeError)
        return;
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
