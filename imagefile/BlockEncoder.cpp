#include "imagefile/BlockEncoder.h"

#include <astcenc.h>
#include <squish.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

#include "imagefile/Bc4Block.h"
#include "imagefile/ImageFileTexts.h"
#include "pixels/MipChain.h"
#include "platform/Error.h"

// stb_dxt uses memcpy without including its header.
#define STB_DXT_STATIC
#define STB_DXT_IMPLEMENTATION
#include <stb/stb_dxt.h>

namespace tessella::imagefile {

namespace {

// stb_dxt's fit (principal axis, then refined) is fast and good on every block; libsquish's
// cluster fit finds the best colour line but costs ten to a thousand times more, the most on
// grainy blocks of sixteen colours, where it gains least. It runs only where it gains: where
// the fast fit's squared error (over the block's texels and channels) exceeds kClusterFitFrom
// and at least kClusterFitShare of that error lies along the colour line (the part no fit can
// remove is the spread off that line). Measured on 2048 x 2048 surfaces: on a grainy photograph
// no block qualifies (the cluster fit would add 0.24 dB for 60 times the time); on a smooth
// one 5% of the blocks do, for 0.5 dB at less than the fast fit's own time.
constexpr int kClusterFitFrom = 200;
constexpr double kClusterFitShare = 0.7;

struct Block {
    uint8_t rgba[64];  // edge blocks repeat the last column and row, as stb_dxt needs 16 texels
    int mask = 0;      // bit i: texel i (row by row) lies inside the picture
};

Block BlockAt(const pixels::PixelGrid& picture, int blockX, int blockY) {
    Block block{};
    const bool alpha = picture.hasAlpha();
    for (int y = 0; y < 4; ++y) {
        const int py = std::min(blockY * 4 + y, picture.height() - 1);
        const pixels::Bgr* row = picture.row(py);
        const uint8_t* alphaRow = alpha ? picture.alphaRow(py) : nullptr;
        for (int x = 0; x < 4; ++x) {
            const int px = std::min(blockX * 4 + x, picture.width() - 1);
            const pixels::Bgr p = row[px];
            uint8_t* out = block.rgba + 4 * (4 * y + x);
            out[0] = p.r, out[1] = p.g, out[2] = p.b, out[3] = alphaRow ? alphaRow[px] : 255;
            if (blockX * 4 + x == px && blockY * 4 + y == py) block.mask |= 1 << (4 * y + x);
        }
    }
    return block;
}

// The squared distance of the block's texels to their best line.
double SpreadOffLine(const Block& block) {
    double mean[3] = {0, 0, 0};
    int texels = 0;
    for (int i = 0; i < 16; ++i)
        if (block.mask & (1 << i)) {
            ++texels;
            for (int c = 0; c < 3; ++c) mean[c] += block.rgba[4 * i + c];
        }
    for (double& m : mean) m /= texels;
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

// The squared error of an 8-byte colour block over the block's texels. BC1 reads end colours
// in increasing order as three colours and black; BC3 always as four colours.
int ColourError(const Block& block, const uint8_t* colour, bool fourColoursAlways) {
    const int c0 = colour[0] | colour[1] << 8, c1 = colour[2] | colour[3] << 8;
    int palette[4][3];
    for (int e = 0; e < 2; ++e) {
        const int c = e ? c1 : c0;
        const int r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
        palette[e][0] = r << 3 | r >> 2, palette[e][1] = g << 2 | g >> 4,
        palette[e][2] = b << 3 | b >> 2;
    }
    for (int ch = 0; ch < 3; ++ch) {
        const int a = palette[0][ch], b = palette[1][ch];
        if (fourColoursAlways || c0 > c1) {
            palette[2][ch] = (2 * a + b) / 3, palette[3][ch] = (a + 2 * b) / 3;
        } else {
            palette[2][ch] = (a + b) / 2, palette[3][ch] = 0;
        }
    }
    const quint32 indices = colour[4] | colour[5] << 8 | colour[6] << 16 | quint32(colour[7]) << 24;
    int error = 0;
    for (int i = 0; i < 16; ++i) {
        if (!(block.mask & (1 << i))) continue;
        const int* p = palette[(indices >> (2 * i)) & 3];
        for (int c = 0; c < 3; ++c) {
            const int d = p[c] - block.rgba[4 * i + c];
            error += d * d;
        }
    }
    return error;
}

// The colour half of a BC1 or BC3 block: stb_dxt's fit, replaced by the cluster fit where that
// gains (see kClusterFitFrom).
void EncodeColour(const Block& block, bool bc3, uint8_t* out) {
    alignas(16) uint8_t opaque[64];  // stb_dxt reads it as 32-bit words
    std::memcpy(opaque, block.rgba, 64);
    for (int i = 0; i < 16; ++i) opaque[4 * i + 3] = 255;  // stb_dxt's test of one colour
    stb_compress_dxt_block(out, opaque, 0, STB_DXT_HIGHQUAL);
    const int fastError = ColourError(block, out, bc3);
    if (fastError <= kClusterFitFrom) return;
    const double gain = fastError - SpreadOffLine(block);
    if (gain < kClusterFitShare * fastError) return;
    // libsquish's BC3 fit keeps to four colours, which BC3 reads; BC1's may use three.
    uint8_t cluster[16];
    squish::CompressMasked(opaque, block.mask, cluster,
                           (bc3 ? squish::kDxt5 : squish::kDxt1) | squish::kColourClusterFit);
    const uint8_t* colour = bc3 ? cluster + 8 : cluster;
    if (ColourError(block, colour, bc3) < fastError) std::memcpy(out, colour, 8);
}

// True when a BC1 block reads some texel as the transparent code: index 3 in the three-colour
// mode (first end colour not above the second).
bool HasTransparentCode(const uint8_t* colour) {
    const int c0 = colour[0] | colour[1] << 8, c1 = colour[2] | colour[3] << 8;
    if (c0 > c1) return false;
    const quint32 indices = colour[4] | colour[5] << 8 | colour[6] << 16 | quint32(colour[7]) << 24;
    for (int i = 0; i < 16; ++i)
        if (((indices >> (2 * i)) & 3) == 3) return true;
    return false;
}

// BC1 of a picture with alpha: texels below 128 take the transparent code (black, alpha 0), as
// the punch-through mode wants, which libsquish's fit keeps to; a block without any keeps the
// fast fit unless that used the code for an opaque texel.
void EncodeBc1WithAlpha(const Block& block, uint8_t* out) {
    bool transparent = false;
    for (int i = 0; i < 16; ++i)
        if ((block.mask & (1 << i)) && block.rgba[4 * i + 3] < 128) transparent = true;
    if (!transparent) {
        EncodeColour(block, false, out);
        if (!HasTransparentCode(out)) return;
    }
    alignas(16) uint8_t rgba[64];
    std::memcpy(rgba, block.rgba, 64);
    for (int i = 0; i < 16; ++i) rgba[4 * i + 3] = rgba[4 * i + 3] < 128 ? 0 : 255;
    squish::CompressMasked(rgba, block.mask, out, squish::kDxt1 | squish::kColourClusterFit);
}

// An alpha-tested picture (coverage threshold `covered` above 0) must keep each texel on its
// side of the threshold, which the mip levels' coverage was worked out on: a BC4 alpha block
// whose nearest step crosses it takes the nearest step on the texel's own side instead.
void KeepAlphaSides(const uint8_t* alpha, int covered, int mask, uint8_t* block) {
    const std::array<int, 8> values = Bc4Palette(block);
    quint64 indices = Bc4Indices(block);
    for (int t = 0; t < 16; ++t) {
        if (!(mask & (1 << t))) continue;
        const bool above = alpha[t] >= covered;
        if ((values[(indices >> (3 * t)) & 7] >= covered) == above) continue;
        int best = -1;
        for (int v = 0; v < 8; ++v)
            if ((values[v] >= covered) == above &&
                (best < 0 || std::abs(values[v] - alpha[t]) < std::abs(values[best] - alpha[t])))
                best = v;
        if (best >= 0) indices = (indices & ~(quint64(7) << (3 * t))) | quint64(best) << (3 * t);
    }
    for (int i = 0; i < 6; ++i) block[2 + i] = uint8_t(indices >> (8 * i));
}

void EncodeBcBlock(const Block& block, GpuBlockFormat format, bool alpha, int covered,
                   uint8_t* out) {
    switch (format) {
        case GpuBlockFormat::Bc1:
            if (alpha)
                EncodeBc1WithAlpha(block, out);
            else
                EncodeColour(block, false, out);
            return;
        case GpuBlockFormat::Bc3: {
            uint8_t alphas[16];
            for (int i = 0; i < 16; ++i) alphas[i] = block.rgba[4 * i + 3];
            stb_compress_bc4_block(out, alphas);
            if (alpha && covered > 0) KeepAlphaSides(alphas, covered, block.mask, out);
            EncodeColour(block, true, out + 8);
            return;
        }
        default:
            // libsquish's BC5 tries both of each half's modes; it is fast enough on its own.
            squish::CompressMasked(block.rgba, block.mask, out, squish::kBc5);
            return;
    }
}

// Runs work(i) for i from 0 to count - 1 on up to `threads` threads (this one among them), each
// taking the next i in turn.
void ShareOut(int count, int threads, const std::function<void(int)>& work) {
    std::atomic<int> next{0};
    auto run = [&] {
        for (int i = next++; i < count; i = next++) work(i);
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < std::min(threads, count); ++i) {
        try {
            helpers.emplace_back(run);
        } catch (const std::system_error&) {
            break;  // the threads that started, and this one, do the work
        }
    }
    run();
    for (std::thread& helper : helpers) helper.join();
}

float AstcPreset(GpuQuality quality) {
    switch (quality) {
        case GpuQuality::Fast:
            return ASTCENC_PRE_FAST;
        case GpuQuality::Thorough:
            return ASTCENC_PRE_THOROUGH;
        case GpuQuality::Medium:
            break;
    }
    return ASTCENC_PRE_MEDIUM;
}

[[noreturn]] void AstcFailed(astcenc_error error) {
    throw platform::TessellaError(
        kAstcErrorMessage.arg(QString::fromLatin1(astcenc_get_error_string(error))));
}

}  // namespace

struct BlockEncoder::Astc {
    astcenc_context* context = nullptr;
    astcenc_swizzle swizzle{ASTCENC_SWZ_R, ASTCENC_SWZ_G, ASTCENC_SWZ_B, ASTCENC_SWZ_A};
    ~Astc() {
        if (context) astcenc_context_free(context);
    }
};

int BlockBytes(GpuBlockFormat format) {
    return format == GpuBlockFormat::Bc1 ? 8 : 16;
}

int BlockWidth(GpuBlockFormat format) {
    switch (format) {
        case GpuBlockFormat::Astc6x6:
            return 6;
        case GpuBlockFormat::Astc8x8:
            return 8;
        case GpuBlockFormat::Rgb:
            return 1;
        default:
            return 4;
    }
}

int BlockHeight(GpuBlockFormat format) {
    return BlockWidth(format);
}

qsizetype LevelBlockBytes(GpuBlockFormat format, int width, int height) {
    const int w = BlockWidth(format), h = BlockHeight(format);
    return qsizetype((width + w - 1) / w) * ((height + h - 1) / h) * BlockBytes(format);
}

int ThreadsFor(int count) {
    return count > 0 ? count : int(std::max(1u, std::thread::hardware_concurrency()));
}

BlockEncoder::BlockEncoder(GpuBlockFormat format, const GpuTextureOptions& options, bool weighAlpha)
    : format_(format),
      threads_(ThreadsFor(options.threads)),
      covered_(options.alphaCoverage > 0 ? pixels::CoverageThreshold(options.alphaCoverage) : 0) {
    if (!IsAstcFormat(format)) return;
    astc_ = std::make_unique<Astc>();
    // Colours in the sRGB profile; a normal map in the linear one with the normal-map mode,
    // which reads X from red and Y from alpha, so X is given in red, green and blue (the same
    // as `astcenc -normal` does).
    const bool normals = options.normalMap;
    // The context only compresses, so it may leave out the block modes it never writes, as
    // astcenc's own program does (a third faster).
    unsigned int flags = ASTCENC_FLG_SELF_DECOMPRESS_ONLY;
    if (normals) flags |= ASTCENC_FLG_MAP_NORMAL;
    if (weighAlpha && !normals) flags |= ASTCENC_FLG_USE_ALPHA_WEIGHT;
    astcenc_config config{};
    const astcenc_error made = astcenc_config_init(
        normals ? ASTCENC_PRF_LDR : ASTCENC_PRF_LDR_SRGB, unsigned(BlockWidth(format)),
        unsigned(BlockHeight(format)), 1, AstcPreset(options.quality), flags, &config);
    if (made != ASTCENC_SUCCESS) AstcFailed(made);
    if (normals) astc_->swizzle = {ASTCENC_SWZ_R, ASTCENC_SWZ_R, ASTCENC_SWZ_R, ASTCENC_SWZ_G};
    const astcenc_error allocated =
        astcenc_context_alloc(&config, unsigned(threads_), &astc_->context);
    if (allocated != ASTCENC_SUCCESS) AstcFailed(allocated);
}

BlockEncoder::~BlockEncoder() = default;

void BlockEncoder::encode(const pixels::PixelGrid& picture, char* out) {
    if (picture.empty()) return;
    if (astc_)
        encodeAstc(picture, out);
    else
        encodeBc(picture, out);
}

void BlockEncoder::encodeBc(const pixels::PixelGrid& picture, char* out) {
    const int across = (picture.width() + 3) / 4, down = (picture.height() + 3) / 4;
    const qsizetype blockBytes = BlockBytes(format_);
    const qsizetype rowBytes = across * blockBytes;
    auto* base = reinterpret_cast<uint8_t*>(out);
    // Rows of blocks are shared out; each block depends on its texels alone, so the bytes are
    // the same whichever thread encodes it.
    const bool alpha = picture.hasAlpha();
    ShareOut(down, threads_, [&](int by) {
        for (int bx = 0; bx < across; ++bx)
            EncodeBcBlock(BlockAt(picture, bx, by), format_, alpha, covered_,
                          base + by * rowBytes + bx * blockBytes);
    });
}

void BlockEncoder::encodeAstc(const pixels::PixelGrid& picture, char* out) {
    const int width = picture.width(), height = picture.height();
    std::vector<uint8_t> rgba(std::size_t(width) * std::size_t(height) * 4);
    const bool alpha = picture.hasAlpha();
    for (int y = 0; y < height; ++y) {
        const pixels::Bgr* row = picture.row(y);
        const uint8_t* alphaRow = alpha ? picture.alphaRow(y) : nullptr;
        uint8_t* to = rgba.data() + std::size_t(y) * std::size_t(width) * 4;
        for (int x = 0; x < width; ++x, to += 4)
            to[0] = row[x].r, to[1] = row[x].g, to[2] = row[x].b,
            to[3] = alphaRow ? alphaRow[x] : 255;
    }
    void* slices[1] = {rgba.data()};
    astcenc_image image{unsigned(width), unsigned(height), 1, ASTCENC_TYPE_U8, slices};
    const std::size_t length = std::size_t(LevelBlockBytes(format_, width, height));
    std::atomic<int> failure{ASTCENC_SUCCESS};
    // Each thread takes blocks from the context's shared queue until none are left.
    ShareOut(threads_, threads_, [&](int index) {
        const astcenc_error error =
            astcenc_compress_image(astc_->context, &image, &astc_->swizzle,
                                   reinterpret_cast<uint8_t*>(out), length, unsigned(index));
        if (error != ASTCENC_SUCCESS) failure = error;
    });
    astcenc_compress_reset(astc_->context);
    if (failure != ASTCENC_SUCCESS) AstcFailed(astcenc_error(failure.load()));
}

QByteArray EncodeBlocks(const pixels::PixelGrid& picture, GpuBlockFormat format) {
    QByteArray blocks(LevelBlockBytes(format, picture.width(), picture.height()),
                      Qt::Uninitialized);
    GpuTextureOptions options;
    options.format = format;
    BlockEncoder(format, options, picture.hasAlpha()).encode(picture, blocks.data());
    return blocks;
}

}  // namespace tessella::imagefile
