#include "imagefile/GpuTextureReader.h"

#include <astcenc.h>
#include <squish.h>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "imagefile/Bc4Block.h"
#include "imagefile/ImageFileTexts.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

[[noreturn]] void FailDamaged() {
    throw platform::TessellaError(kDamagedFileReason);
}
[[noreturn]] void FailTooLarge() {
    throw platform::TessellaError(kTooLargeReason);
}
[[noreturn]] void FailKind(const QString& kind) {
    throw platform::TessellaError(kTextureKindRefusedReason.arg(kind));
}
[[noreturn]] void FailShape() {
    throw platform::TessellaError(kTextureShapeRefusedReason);
}

// How level 0 is coded.
enum class Coding {
    Pixels,     // plain 8-bit channels at the byte places below
    Bc1,        // with the transparent code
    Bc1Opaque,  // the transparent code reads as opaque black (Vulkan's BC1 RGB formats)
    Bc2,
    Bc3,
    Bc4,
    Bc5,
    Bc5Signed,
    Astc,
};

struct Layout {
    Coding coding = Coding::Pixels;
    int blockWidth = 1, blockHeight = 1;
    int blockBytes = 0;  // bytes of a block, or of a pixel
    // Byte of each channel within a pixel; -1 where the file has none.
    int red = -1, green = -1, blue = -1, alpha = -1;
    bool srgb = true;  // ASTC's decoding profile
};

struct Level {
    int width = 0, height = 0;
    Layout layout;
    const uchar* data = nullptr;  // exactly LevelBytes(width, height, layout) bytes
};

Layout BlockLayout(Coding coding, int bytes) {
    Layout layout;
    layout.coding = coding;
    layout.blockWidth = layout.blockHeight = 4;
    layout.blockBytes = bytes;
    return layout;
}

Layout PixelLayout(int bytes, int red, int green, int blue, int alpha) {
    Layout layout;
    layout.blockBytes = bytes;
    layout.red = red, layout.green = green, layout.blue = blue, layout.alpha = alpha;
    return layout;
}

// Bytes of one level: whole blocks, as 64-bit products of sizes already within the limit.
int64_t LevelBytes(int64_t width, int64_t height, const Layout& layout) {
    return (width + layout.blockWidth - 1) / layout.blockWidth *
           ((height + layout.blockHeight - 1) / layout.blockHeight) * layout.blockBytes;
}

// Levels a full chain has down to 1 x 1.
int ChainLength(int64_t width, int64_t height) {
    int levels = 1;
    for (int64_t side = std::max(width, height); side > 1; side >>= 1) ++levels;
    return levels;
}

// Bytes of levels 0 to count - 1.
int64_t ChainBytes(int64_t width, int64_t height, int count, const Layout& layout) {
    int64_t total = 0;
    for (int i = 0; i < count; ++i)
        total +=
            LevelBytes(std::max<int64_t>(1, width >> i), std::max<int64_t>(1, height >> i), layout);
    return total;
}

// Zero sides are damage; sides beyond the shared limit are a picture too large.
void CheckSides(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) FailDamaged();
    if (!platform::ImageSizeAllowed(width, height)) FailTooLarge();
}

class Fields {
  public:
    explicit Fields(const QByteArray& file)
        : p_(reinterpret_cast<const uchar*>(file.constData())), size_(file.size()) {}
    int64_t size() const { return size_; }
    const uchar* at(int64_t offset) const { return p_ + offset; }
    // Little-endian fields; the caller has checked that they lie in the file.
    uint32_t u32(int64_t offset) const { return qFromLittleEndian<quint32>(p_ + offset); }
    uint64_t u64(int64_t offset) const { return qFromLittleEndian<quint64>(p_ + offset); }
    uint32_t u24(int64_t offset) const {
        return uint32_t(p_[offset]) | uint32_t(p_[offset + 1]) << 8 |
               uint32_t(p_[offset + 2]) << 16;
    }
    // True when count bytes from offset lie in the file, without overflow.
    bool holds(uint64_t offset, uint64_t count) const {
        return offset <= uint64_t(size_) && count <= uint64_t(size_) - offset;
    }

  private:
    const uchar* p_;
    int64_t size_;
};

// ---- DDS ----

constexpr uint32_t kDdsAlphaPixels = 0x1, kDdsFourCc = 0x4, kDdsRgb = 0x40;
constexpr uint32_t kDdsMipMapCount = 0x20000;
constexpr uint32_t kDdsCubeMap = 0x200, kDdsVolume = 0x200000;
constexpr uint32_t kDx10Texture2d = 3, kDx10Cube = 0x4, kLastDxgiFormat = 191;

QString FourCcText(uint32_t code) {
    QString text;
    for (int i = 0; i < 4; ++i) {
        const char c = char(code >> (8 * i));
        if (c < 0x20 || c > 0x7E) return QString::number(code);
        text += QLatin1Char(c);
    }
    return text;
}

// The byte a mask of 8 bits at a byte boundary picks in a pixel of bytes bytes, else -1.
int MaskByte(uint32_t mask, int bytes) {
    for (int i = 0; i < bytes; ++i)
        if (mask == 0xFFu << (8 * i)) return i;
    return -1;
}

Layout DdsPixelLayout(const Fields& f) {
    const uint32_t flags = f.u32(80), bits = f.u32(88);
    const QString kind = QStringLiteral("RGB %1 bits").arg(bits);
    if (!(flags & kDdsRgb) || (bits != 24 && bits != 32)) FailKind(kind);
    const int bytes = int(bits / 8);
    const int red = MaskByte(f.u32(92), bytes), green = MaskByte(f.u32(96), bytes),
              blue = MaskByte(f.u32(100), bytes);
    const int alpha = (flags & kDdsAlphaPixels) && f.u32(104) ? MaskByte(f.u32(104), bytes) : -2;
    if (red < 0 || green < 0 || blue < 0 || alpha == -1 || red == green || red == blue ||
        green == blue || alpha == red || alpha == green || alpha == blue)
        FailKind(kind);
    return PixelLayout(bytes, red, green, blue, std::max(alpha, -1));
}

Layout DdsFourCcLayout(uint32_t code) {
    auto is = [code](const char* four) { return code == qFromLittleEndian<quint32>(four); };
    if (is("DXT1")) return BlockLayout(Coding::Bc1, 8);
    if (is("DXT3")) return BlockLayout(Coding::Bc2, 16);
    if (is("DXT5")) return BlockLayout(Coding::Bc3, 16);
    if (is("ATI1") || is("BC4U")) return BlockLayout(Coding::Bc4, 8);
    if (is("ATI2") || is("BC5U")) return BlockLayout(Coding::Bc5, 16);
    if (is("BC5S")) return BlockLayout(Coding::Bc5Signed, 16);
    FailKind(FourCcText(code));
}

Layout DxgiLayout(uint32_t format) {
    switch (format) {
        case 71:  // BC1_UNORM, and its sRGB twin
        case 72:
            return BlockLayout(Coding::Bc1, 8);
        case 74:
        case 75:
            return BlockLayout(Coding::Bc2, 16);
        case 77:
        case 78:
            return BlockLayout(Coding::Bc3, 16);
        case 80:
            return BlockLayout(Coding::Bc4, 8);
        case 83:
            return BlockLayout(Coding::Bc5, 16);
        case 84:
            return BlockLayout(Coding::Bc5Signed, 16);
        case 28:  // R8G8B8A8
        case 29:
            return PixelLayout(4, 0, 1, 2, 3);
        case 87:  // B8G8R8A8
        case 91:
            return PixelLayout(4, 2, 1, 0, 3);
        case 88:  // B8G8R8X8
        case 93:
            return PixelLayout(4, 2, 1, 0, -1);
        default:
            // Numbers past the enumeration's last are no format at all.
            if (format == 0 || format > kLastDxgiFormat) FailDamaged();
            FailKind(QStringLiteral("DXGI %1").arg(format));
    }
}

Level ParseDds(const QByteArray& file) {
    const Fields f(file);
    constexpr int64_t kHeaderEnd = 128, kDx10End = 148;
    if (f.size() < kHeaderEnd || std::memcmp(f.at(0), "DDS ", 4) != 0 || f.u32(4) != 124 ||
        f.u32(76) != 32)
        FailDamaged();
    const int64_t height = f.u32(12), width = f.u32(16);
    const uint32_t pixelFlags = f.u32(80), caps2 = f.u32(112);
    const bool dx10 = (pixelFlags & kDdsFourCc) && f.u32(84) == qFromLittleEndian<quint32>("DX10");
    int64_t dataStart = kHeaderEnd;
    Layout layout;
    if (dx10) {
        if (f.size() < kDx10End) FailDamaged();
        dataStart = kDx10End;
        layout = DxgiLayout(f.u32(128));
        if (f.u32(132) != kDx10Texture2d || (f.u32(136) & kDx10Cube) || f.u32(140) != 1)
            FailShape();
    } else {
        layout = (pixelFlags & kDdsFourCc) ? DdsFourCcLayout(f.u32(84)) : DdsPixelLayout(f);
    }
    if ((caps2 & kDdsCubeMap) || ((caps2 & kDdsVolume) && f.u32(24) > 1)) FailShape();
    CheckSides(width, height);
    // Writers set the count without its flag as often as with it.
    const uint32_t mipCount = f.u32(28);
    const int levels =
        (f.u32(8) & kDdsMipMapCount) || mipCount > 1 ? int(std::max(mipCount, 1u)) : 1;
    if (mipCount > uint32_t(ChainLength(width, height))) FailDamaged();
    if (!f.holds(uint64_t(dataStart), uint64_t(ChainBytes(width, height, levels, layout))))
        FailDamaged();
    return {int(width), int(height), layout, f.at(dataStart)};
}

// ---- KTX2 ----

constexpr char kKtx2Identifier[] = "\xABKTX 20\xBB\r\n\x1A\n";

// The ASTC footprints of Vulkan's formats 157 to 184, in order, each as UNORM then sRGB.
constexpr int kAstcFootprints[][2] = {{4, 4},  {5, 4},   {5, 5},   {6, 5},  {6, 6},
                                      {8, 5},  {8, 6},   {8, 8},   {10, 5}, {10, 6},
                                      {10, 8}, {10, 10}, {12, 10}, {12, 12}};

Layout AstcLayout(int blockWidth, int blockHeight, bool srgb) {
    Layout layout;
    layout.coding = Coding::Astc;
    layout.blockWidth = blockWidth;
    layout.blockHeight = blockHeight;
    layout.blockBytes = 16;
    layout.srgb = srgb;
    return layout;
}

Layout VulkanLayout(uint32_t format) {
    switch (format) {
        case 23:  // R8G8B8, UNORM and sRGB
        case 29:
            return PixelLayout(3, 0, 1, 2, -1);
        case 37:  // R8G8B8A8
        case 43:
            return PixelLayout(4, 0, 1, 2, 3);
        case 131:  // BC1 RGB
        case 132:
            return BlockLayout(Coding::Bc1Opaque, 8);
        case 133:  // BC1 RGBA
        case 134:
            return BlockLayout(Coding::Bc1, 8);
        case 135:
        case 136:
            return BlockLayout(Coding::Bc2, 16);
        case 137:
        case 138:
            return BlockLayout(Coding::Bc3, 16);
        case 139:
            return BlockLayout(Coding::Bc4, 8);
        case 141:
            return BlockLayout(Coding::Bc5, 16);
        case 142:
            return BlockLayout(Coding::Bc5Signed, 16);
        default:
            break;
    }
    if (format >= 157 && format <= 184) {
        const int* footprint = kAstcFootprints[(format - 157) / 2];
        return AstcLayout(footprint[0], footprint[1], (format - 157) % 2 == 1);
    }
    FailKind(QStringLiteral("vkFormat %1").arg(format));
}

Level ParseKtx2(const QByteArray& file) {
    const Fields f(file);
    constexpr int64_t kHeaderEnd = 80, kIndexEntry = 24;
    if (f.size() < kHeaderEnd || std::memcmp(f.at(0), kKtx2Identifier, 12) != 0) FailDamaged();
    if (f.u32(44) != 0) throw platform::TessellaError(kSupercompressedReason);
    const Layout layout = VulkanLayout(f.u32(12));
    if (f.u32(16) != 1) FailDamaged();  // typeSize: 1 for every format above
    const int64_t width = f.u32(20), height = f.u32(24);
    const uint32_t depth = f.u32(28), layers = f.u32(32), faces = f.u32(36);
    if (faces != 1 && faces != 6) FailDamaged();
    if (height == 0 || depth != 0 || layers > 1 || faces != 1) FailShape();
    CheckSides(width, height);
    // A count of 0 asks the reader to make the chain: level 0 alone is stored.
    const uint32_t levelCount = f.u32(40);
    if (levelCount > uint32_t(ChainLength(width, height))) FailDamaged();
    const int levels = int(std::max(levelCount, 1u));
    if (!f.holds(kHeaderEnd, uint64_t(levels) * kIndexEntry)) FailDamaged();
    // The descriptor, key-value and global data lie in the file.
    if (!f.holds(f.u32(48), f.u32(52)) || !f.holds(f.u32(56), f.u32(60)) ||
        !f.holds(f.u64(64), f.u64(72)))
        FailDamaged();
    for (int i = 0; i < levels; ++i) {
        const int64_t entry = kHeaderEnd + kIndexEntry * i;
        const uint64_t offset = f.u64(entry), length = f.u64(entry + 8);
        const int64_t expected =
            LevelBytes(std::max<int64_t>(1, width >> i), std::max<int64_t>(1, height >> i), layout);
        if (!f.holds(offset, length) || length != uint64_t(expected) || f.u64(entry + 16) != length)
            FailDamaged();
    }
    return {int(width), int(height), layout, f.at(int64_t(f.u64(kHeaderEnd)))};
}

// ---- .astc ----

Level ParseAstc(const QByteArray& file) {
    const Fields f(file);
    constexpr int64_t kHeaderEnd = 16;
    if (f.size() < kHeaderEnd || f.u32(0) != 0x5CA1AB13u) FailDamaged();
    const int blockWidth = *f.at(4), blockHeight = *f.at(5), blockDepth = *f.at(6);
    const bool known = std::any_of(
        std::begin(kAstcFootprints), std::end(kAstcFootprints), [&](const int* footprint) {
            return footprint[0] == blockWidth && footprint[1] == blockHeight;
        });
    if (!known || blockDepth != 1 || f.u24(13) != 1) FailDamaged();
    const int64_t width = f.u24(7), height = f.u24(10);
    CheckSides(width, height);
    // The file says nothing of colour spaces: read as sRGB colour, as written for pictures.
    const Layout layout = AstcLayout(blockWidth, blockHeight, true);
    if (f.size() - kHeaderEnd != LevelBytes(width, height, layout)) FailDamaged();
    return {int(width), int(height), layout, f.at(kHeaderEnd)};
}

// ---- blocks ----

// One BC4 block: two end values, then a 3-bit index a texel; 8 steps between them when the
// first is larger, else 6 and then 0 and 255. Values in 0..255.
void DecodeBc4(const uchar* block, int out[16]) {
    const std::array<int, 8> values = Bc4Palette(block);
    const uint64_t indices = Bc4Indices(block);
    for (int t = 0; t < 16; ++t) out[t] = values[(indices >> (3 * t)) & 7];
}

// The signed twin: end values -127..127 (-128 reads as -127), shown as 0..255.
void DecodeBc4Signed(const uchar* block, int out[16]) {
    const float a = std::max<int>(int8_t(block[0]), -127),
                b = std::max<int>(int8_t(block[1]), -127);
    float values[8] = {a, b};
    if (a > b) {
        for (int i = 1; i < 7; ++i) values[i + 1] = ((7 - i) * a + i * b) / 7;
    } else {
        for (int i = 1; i < 5; ++i) values[i + 1] = ((5 - i) * a + i * b) / 5;
        values[6] = -127, values[7] = 127;
    }
    const uint64_t indices = Bc4Indices(block);
    for (int t = 0; t < 16; ++t)
        out[t] = int(std::lround((values[(indices >> (3 * t)) & 7] / 127.0f * 0.5f + 0.5f) * 255));
}

// The normal's Z from its X and Y (each 0..255 for -1..1), as 0..255.
uchar RebuiltZ(int red, int green) {
    const float x = red / 255.0f * 2 - 1, y = green / 255.0f * 2 - 1;
    const float z = std::sqrt(std::max(0.0f, 1 - x * x - y * y));
    return uchar(std::lround((z * 0.5f + 0.5f) * 255));
}

// The 16 texels of one 4 x 4 block as red, green, blue, alpha.
void DecodeBlock(Coding coding, const uchar* block, uchar rgba[64]) {
    int first[16], second[16];
    switch (coding) {
        case Coding::Bc1:
        case Coding::Bc1Opaque:
            squish::Decompress(rgba, block, squish::kDxt1);
            if (coding == Coding::Bc1Opaque)
                for (int t = 0; t < 16; ++t) rgba[4 * t + 3] = 255;
            return;
        case Coding::Bc2:
            squish::Decompress(rgba, block, squish::kDxt3);
            return;
        case Coding::Bc3:
            squish::Decompress(rgba, block, squish::kDxt5);
            return;
        case Coding::Bc4:
            DecodeBc4(block, first);
            for (int t = 0; t < 16; ++t)
                rgba[4 * t] = rgba[4 * t + 1] = rgba[4 * t + 2] = uchar(first[t]),
                         rgba[4 * t + 3] = 255;
            return;
        case Coding::Bc5:
        case Coding::Bc5Signed:
            if (coding == Coding::Bc5) {
                DecodeBc4(block, first);
                DecodeBc4(block + 8, second);
            } else {
                DecodeBc4Signed(block, first);
                DecodeBc4Signed(block + 8, second);
            }
            for (int t = 0; t < 16; ++t) {
                rgba[4 * t] = uchar(first[t]);
                rgba[4 * t + 1] = uchar(second[t]);
                rgba[4 * t + 2] = RebuiltZ(first[t], second[t]);
                rgba[4 * t + 3] = 255;
            }
            return;
        case Coding::Pixels:
        case Coding::Astc:
            break;
    }
}

// Calls texel(x, y, blockTexel) for each texel of the block at (bx, by) that lies inside
// the picture.
template <typename Texel>
bool AnyTexelInside(const Level& level, int64_t bx, int64_t by, Texel texel) {
    for (int t = 0; t < 16; ++t) {
        const int64_t x = bx * 4 + t % 4, y = by * 4 + t / 4;
        if (x < level.width && y < level.height && texel(t)) return true;
    }
    return false;
}

// Whether a texel of level 0 is below 255, told from the blocks without decoding them.
// ASTC is not looked at here (only decoding tells).
bool BlocksHaveAlpha(const Level& level) {
    const Layout& l = level.layout;
    if (l.coding == Coding::Pixels) {
        if (l.alpha < 0) return false;
        const int64_t count = int64_t(level.width) * level.height;
        for (int64_t i = 0; i < count; ++i)
            if (level.data[i * l.blockBytes + l.alpha] != 255) return true;
        return false;
    }
    if (l.coding != Coding::Bc1 && l.coding != Coding::Bc2 && l.coding != Coding::Bc3) return false;
    const int64_t columns = (level.width + 3) / 4, rows = (level.height + 3) / 4;
    for (int64_t by = 0; by < rows; ++by)
        for (int64_t bx = 0; bx < columns; ++bx) {
            const uchar* b = level.data + (by * columns + bx) * l.blockBytes;
            bool found = false;
            if (l.coding == Coding::Bc1) {
                // The transparent code: index 3 when the first colour is not the larger.
                if (qFromLittleEndian<quint16>(b) > qFromLittleEndian<quint16>(b + 2)) continue;
                const uint32_t indices = qFromLittleEndian<quint32>(b + 4);
                found = AnyTexelInside(level, bx, by,
                                       [&](int t) { return ((indices >> (2 * t)) & 3) == 3; });
            } else if (l.coding == Coding::Bc2) {
                found = AnyTexelInside(
                    level, bx, by, [&](int t) { return ((b[t / 2] >> (4 * (t % 2))) & 15) != 15; });
            } else {
                int alpha[16];
                DecodeBc4(b, alpha);
                found = AnyTexelInside(level, bx, by, [&](int t) { return alpha[t] != 255; });
            }
            if (found) return true;
        }
    return false;
}

QImage NewPicture(int width, int height, bool alpha) {
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    return image;
}

// One texel (red, green, blue, alpha) into the picture's row at x.
inline void PutTexel(uchar* row, int x, bool alpha, uchar r, uchar g, uchar b, uchar a) {
    if (alpha) {
        reinterpret_cast<QRgb*>(row)[x] = qRgba(r, g, b, a);
    } else {
        uchar* p = row + 3 * x;
        p[0] = b, p[1] = g, p[2] = r;
    }
}

QImage DecodePixels(const Level& level, bool alpha) {
    const Layout& l = level.layout;
    QImage image = NewPicture(level.width, level.height, alpha);
    const int64_t rowBytes = int64_t(level.width) * l.blockBytes;
    for (int y = 0; y < level.height; ++y) {
        const uchar* in = level.data + y * rowBytes;
        uchar* out = image.scanLine(y);
        for (int x = 0; x < level.width; ++x, in += l.blockBytes)
            PutTexel(out, x, alpha, in[l.red], in[l.green], in[l.blue],
                     l.alpha >= 0 ? in[l.alpha] : 255);
    }
    return image;
}

// Threads for a picture of pixels texels: the machine's cores past a megapixel, else one.
unsigned ThreadsFor(int64_t pixels) {
    return pixels < (1 << 20) ? 1u : std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

// Block rows [first, last) of level into image.
void DecodeBlockRows(const Level& level, bool alpha, int first, int last, QImage& image) {
    const Layout& l = level.layout;
    const int columns = (level.width + 3) / 4;
    uchar rgba[64];
    for (int by = first; by < last; ++by) {
        const int texelRows = std::min(4, level.height - by * 4);
        uchar* out[4];
        for (int r = 0; r < texelRows; ++r) out[r] = image.scanLine(by * 4 + r);
        const uchar* block = level.data + int64_t(by) * columns * l.blockBytes;
        for (int bx = 0; bx < columns; ++bx, block += l.blockBytes) {
            DecodeBlock(l.coding, block, rgba);
            const int texelColumns = std::min(4, level.width - bx * 4);
            for (int r = 0; r < texelRows; ++r)
                for (int c = 0; c < texelColumns; ++c) {
                    const uchar* t = rgba + 4 * (4 * r + c);
                    PutTexel(out[r], bx * 4 + c, alpha, t[0], t[1], t[2], t[3]);
                }
        }
    }
}

// The block rows shared out between the threads, each writing rows of its own.
QImage DecodeBlocks(const Level& level, bool alpha) {
    QImage image = NewPicture(level.width, level.height, alpha);
    image.bits();  // detached once here, never by the threads
    const int rows = (level.height + 3) / 4;
    const int threads = int(ThreadsFor(int64_t(level.width) * level.height));
    std::vector<std::thread> workers;
    for (int i = 1; i < threads; ++i)
        workers.emplace_back([&, i] {
            DecodeBlockRows(level, alpha, rows * i / threads, rows * (i + 1) / threads, image);
        });
    DecodeBlockRows(level, alpha, 0, rows / threads, image);
    for (std::thread& worker : workers) worker.join();
    return image;
}

// ASTC through ARM's decoder, straight into 32-bit rows (blue, green, red, alpha in memory),
// on the machine's cores for large pictures; 24-bit again when every texel is opaque.
QImage DecodeAstc(const Level& level) {
    const Layout& l = level.layout;
    astcenc_config config;
    if (astcenc_config_init(l.srgb ? ASTCENC_PRF_LDR_SRGB : ASTCENC_PRF_LDR, unsigned(l.blockWidth),
                            unsigned(l.blockHeight), 1, ASTCENC_PRE_FASTEST,
                            ASTCENC_FLG_DECOMPRESS_ONLY, &config) != ASTCENC_SUCCESS)
        FailDamaged();
    const int64_t pixels = int64_t(level.width) * level.height;
    const unsigned threads = ThreadsFor(pixels);
    astcenc_context* context = nullptr;
    if (astcenc_context_alloc(&config, threads, &context) != ASTCENC_SUCCESS)
        throw platform::TessellaError(platform::kOutOfMemoryMessage);
    QImage image(level.width, level.height, QImage::Format_ARGB32);
    if (image.isNull()) {
        astcenc_context_free(context);
        throw platform::TessellaError(platform::kOutOfMemoryMessage);
    }
    // QImage's 32-bit rows follow each other without padding, as the decoder writes them.
    void* slices[] = {image.bits()};
    astcenc_image out{unsigned(level.width), unsigned(level.height), 1, ASTCENC_TYPE_U8, slices};
    const astcenc_swizzle bgra{ASTCENC_SWZ_B, ASTCENC_SWZ_G, ASTCENC_SWZ_R, ASTCENC_SWZ_A};
    const size_t bytes = size_t(LevelBytes(level.width, level.height, l));
    std::vector<astcenc_error> results(threads, ASTCENC_SUCCESS);
    const auto decode = [&](unsigned index) {
        results[index] = astcenc_decompress_image(context, level.data, bytes, &out, &bgra, index);
    };
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < threads; ++i) workers.emplace_back(decode, i);
    decode(0);
    for (std::thread& worker : workers) worker.join();
    astcenc_context_free(context);
    if (std::any_of(results.begin(), results.end(),
                    [](astcenc_error e) { return e != ASTCENC_SUCCESS; }))
        FailDamaged();
    for (int y = 0; y < level.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < level.width; ++x)
            if (qAlpha(row[x]) != 255) return image;
    }
    return image.convertToFormat(QImage::Format_BGR888);
}

Level Parse(const QByteArray& file, GpuFileKind kind) {
    switch (kind) {
        case GpuFileKind::Dds:
            return ParseDds(file);
        case GpuFileKind::Ktx2:
            return ParseKtx2(file);
        case GpuFileKind::Astc:
            break;
    }
    return ParseAstc(file);
}

}  // namespace

QImage ReadGpuTexture(const QByteArray& file, GpuFileKind kind) {
    const Level level = Parse(file, kind);
    switch (level.layout.coding) {
        case Coding::Astc:
            return DecodeAstc(level);
        case Coding::Pixels:
            return DecodePixels(level, BlocksHaveAlpha(level));
        default:
            return DecodeBlocks(level, BlocksHaveAlpha(level));
    }
}

QImage ReadDds(const QByteArray& file) {
    return ReadGpuTexture(file, GpuFileKind::Dds);
}
QImage ReadKtx2(const QByteArray& file) {
    return ReadGpuTexture(file, GpuFileKind::Ktx2);
}
QImage ReadAstcFile(const QByteArray& file) {
    return ReadGpuTexture(file, GpuFileKind::Astc);
}

bool ReadGpuTextureHeader(const QByteArray& file, GpuFileKind kind, PictureHeader& header) {
    try {
        const Level level = Parse(file, kind);
        if (level.layout.coding == Coding::Astc) return false;
        header = {level.width, level.height, BlocksHaveAlpha(level) ? 32 : 24};
        return true;
    } catch (const platform::TessellaError&) {
        return false;
    }
}

}  // namespace tessella::imagefile
