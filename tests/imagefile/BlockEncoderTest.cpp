// Blocks decoded by the libraries that read them (libsquish for BC, libastcenc for ASTC)
// against the source; the same bytes for any thread count; the .astc header field by field (the
// KTX2 fields of ASTC are checked with the other formats' in GpuTextureTest.cpp).

#include <astcenc.h>
#include <squish.h>

#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>

#include "ImageSamples.h"
#include "imagefile/BlockEncoder.h"
#include "imagefile/GpuTexture.h"

using namespace imagetest;
using namespace tessella;
using namespace tessella::imagefile;

namespace {

// A picture with detail in every channel, each at its own pace, so that a swapped or dropped
// channel shows; alpha, when asked, a ramp across.
pixels::PixelGrid Picture(int width, int height, bool alpha = false) {
    pixels::PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.row(y)[x] = {uint8_t(128 + 90 * std::sin((x + y) / 13.0)),
                              uint8_t(128 + 100 * std::cos(y / 7.0)),
                              uint8_t(128 + 100 * std::sin(x / 9.0))};
    if (alpha) {
        grid.addAlpha();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) grid.alphaRow(y)[x] = uint8_t(x * 255 / (width - 1));
    }
    return grid;
}

QImage ToImage(const pixels::PixelGrid& grid) {
    QImage image(grid.width(), grid.height(), QImage::Format_RGB888);
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const pixels::Bgr p = grid.row(y)[x];
            image.setPixel(x, y, qRgb(p.r, p.g, p.b));
        }
    return image;
}

// The picture's channels as RGBA bytes (alpha 255 without a plane).
std::vector<uint8_t> Rgba(const pixels::PixelGrid& grid) {
    std::vector<uint8_t> out;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const pixels::Bgr p = grid.row(y)[x];
            out.insert(out.end(), {p.r, p.g, p.b, grid.alphaAt(x, y)});
        }
    return out;
}

// PSNR of the channels listed (0 red .. 3 alpha) of two RGBA buffers; `to` gives, for each
// channel of a, the channel of b it is compared with.
double Psnr(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b,
            std::initializer_list<std::pair<int, int>> channels) {
    double sum = 0, count = 0;
    for (std::size_t i = 0; i + 3 < std::min(a.size(), b.size()); i += 4)
        for (const auto& [from, to] : channels) {
            const double d = double(a[i + std::size_t(from)]) - b[i + std::size_t(to)];
            sum += d * d;
            ++count;
        }
    return sum == 0 ? 99 : 10 * std::log10(255.0 * 255.0 * count / sum);
}

// BC1 and BC3 through libsquish; BC5 by the format's rule (libsquish 1.15 decodes no BC5).
std::vector<uint8_t> DecodeBc(const QByteArray& blocks, int width, int height, int flags) {
    std::vector<uint8_t> rgba(std::size_t(width) * std::size_t(height) * 4);
    if (flags != squish::kBc5) {
        squish::DecompressImage(rgba.data(), width, height, blocks.constData(), flags);
        return rgba;
    }
    QByteArray red, green;
    DecodeBc5(blocks, width, height, red, green);
    for (std::size_t i = 0; i < std::size_t(red.size()); ++i)
        rgba[4 * i] = uint8_t(red[qsizetype(i)]), rgba[4 * i + 1] = uint8_t(green[qsizetype(i)]);
    return rgba;
}

std::vector<uint8_t> DecodeAstc(const QByteArray& blocks, int width, int height, int side,
                                bool srgb) {
    astcenc_config config{};
    EXPECT_EQ(astcenc_config_init(srgb ? ASTCENC_PRF_LDR_SRGB : ASTCENC_PRF_LDR, unsigned(side),
                                  unsigned(side), 1, ASTCENC_PRE_FAST, ASTCENC_FLG_DECOMPRESS_ONLY,
                                  &config),
              ASTCENC_SUCCESS);
    astcenc_context* context = nullptr;
    EXPECT_EQ(astcenc_context_alloc(&config, 1, &context), ASTCENC_SUCCESS);
    std::vector<uint8_t> rgba(std::size_t(width) * std::size_t(height) * 4);
    void* slices[1] = {rgba.data()};
    astcenc_image image{unsigned(width), unsigned(height), 1, ASTCENC_TYPE_U8, slices};
    const astcenc_swizzle identity{ASTCENC_SWZ_R, ASTCENC_SWZ_G, ASTCENC_SWZ_B, ASTCENC_SWZ_A};
    EXPECT_EQ(
        astcenc_decompress_image(context, reinterpret_cast<const uint8_t*>(blocks.constData()),
                                 std::size_t(blocks.size()), &image, &identity, 0),
        ASTCENC_SUCCESS);
    astcenc_context_free(context);
    return rgba;
}

int Side(GpuBlockFormat format) {
    return format == GpuBlockFormat::Astc4x4 ? 4 : format == GpuBlockFormat::Astc6x6 ? 6 : 8;
}

GpuTextureOptions Options(GpuBlockFormat format, int threads = 0) {
    GpuTextureOptions options;
    options.format = format;
    options.threads = threads;
    return options;
}

}  // namespace

// Each block depends on its own texels alone: one thread and two give the same file, every
// level, for every format (150 rows: bands and rows of blocks shared out, a partial band).
TEST(BlockEncoderTest, SameBytesForOneAndTwoThreads) {
    const pixels::PixelGrid picture = Picture(203, 150);
    for (const GpuBlockFormat format :
         {GpuBlockFormat::Bc1, GpuBlockFormat::Bc3, GpuBlockFormat::Bc5, GpuBlockFormat::Astc4x4,
          GpuBlockFormat::Astc6x6, GpuBlockFormat::Astc8x8}) {
        SCOPED_TRACE(int(format));
        const QByteArray one = Ktx2FileBytes(RowsOf(picture), Options(format, 1));
        const QByteArray two = Ktx2FileBytes(RowsOf(picture), Options(format, 2));
        EXPECT_EQ(one.size(), two.size());
        EXPECT_TRUE(one == two);
    }
}

// The blocks read back by the libraries that read them, against the source, on a picture whose
// sides are no multiple of any block (61 x 37: partial blocks at the right and bottom). A
// swapped or dropped channel falls below 20 dB.
TEST(BlockEncoderTest, BlocksDecodeCloseToTheSource) {
    struct Row {
        GpuBlockFormat format;
        bool alpha;
        std::initializer_list<std::pair<int, int>> channels;  // source channel, decoded channel
        double leastPsnr;
    };
    const Row rows[] = {
        {GpuBlockFormat::Bc1, false, {{0, 0}, {1, 1}, {2, 2}}, 33},
        {GpuBlockFormat::Bc3, false, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, 33},
        {GpuBlockFormat::Bc3, true, {{3, 3}}, 45},  // the alpha ramp, in BC3's own alpha half
        {GpuBlockFormat::Bc5, false, {{0, 0}, {1, 1}}, 42},
        {GpuBlockFormat::Astc4x4, false, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, 40},
        {GpuBlockFormat::Astc6x6, false, {{0, 0}, {1, 1}, {2, 2}}, 33},
        {GpuBlockFormat::Astc8x8, false, {{0, 0}, {1, 1}, {2, 2}}, 28},
        {GpuBlockFormat::Astc6x6, true, {{3, 3}}, 40},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(int(row.format)).arg(row.alpha).toStdString());
        const pixels::PixelGrid picture = Picture(61, 37, row.alpha);
        const QByteArray blocks = EncodeBlocks(picture, row.format);
        ASSERT_EQ(blocks.size(), LevelBlockBytes(row.format, 61, 37));
        const int flags = row.format == GpuBlockFormat::Bc1   ? squish::kDxt1
                          : row.format == GpuBlockFormat::Bc3 ? squish::kDxt5
                                                              : squish::kBc5;
        const std::vector<uint8_t> decoded =
            IsAstcFormat(row.format) ? DecodeAstc(blocks, 61, 37, Side(row.format), true)
                                     : DecodeBc(blocks, 61, 37, flags);
        EXPECT_GE(Psnr(Rgba(picture), decoded, row.channels), row.leastPsnr);
    }
}

// A flat block costs nothing to fit: every format gives it back within a step of its colour.
TEST(BlockEncoderTest, FlatColourComesBackWhole) {
    pixels::PixelGrid flat(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) flat.row(y)[x] = {40, 150, 220};  // blue, green, red
    const std::vector<uint8_t> source = Rgba(flat);
    EXPECT_GE(Psnr(source, DecodeBc(EncodeBlocks(flat, GpuBlockFormat::Bc1), 8, 8, squish::kDxt1),
                   {{0, 0}, {1, 1}, {2, 2}}),
              45);
    EXPECT_GE(Psnr(source, DecodeAstc(EncodeBlocks(flat, GpuBlockFormat::Astc8x8), 8, 8, 8, true),
                   {{0, 0}, {1, 1}, {2, 2}, {3, 3}}),
              45);
}

// A normal map in ASTC keeps X (red) in red, green and blue and Y (green) in alpha, where
// libastcenc's normal-map mode reads them; decoded in the linear profile.
TEST(BlockEncoderTest, AstcNormalMapKeepsXInColourAndYInAlpha) {
    const pixels::PixelGrid picture = Picture(48, 48);
    GpuTextureOptions options = Options(GpuBlockFormat::Astc6x6);
    options.normalMap = true;
    QByteArray blocks(LevelBlockBytes(GpuBlockFormat::Astc6x6, 48, 48), '\0');
    BlockEncoder(GpuBlockFormat::Astc6x6, options).encode(picture, blocks.data());
    const std::vector<uint8_t> decoded = DecodeAstc(blocks, 48, 48, 6, false);
    EXPECT_GE(Psnr(Rgba(picture), decoded, {{0, 0}, {0, 1}, {0, 2}, {1, 3}}), 35);
}

// The .astc header: magic 0x5CA1AB13, the block's sides x, y, z, then the picture's sides as
// 24-bit little-endian numbers; then the blocks of level 0 alone.
TEST(BlockEncoderTest, AstcFileHeaderFollowsTheFormat) {
    struct Row {
        GpuBlockFormat format;
        int width, height;
        QByteArray header;
        qsizetype blocks;  // across x down
    };
    const Row rows[] = {
        {GpuBlockFormat::Astc6x6, 61, 37,
         QByteArray("\x13\xAB\xA1\x5C\x06\x06\x01\x3D\x00\x00\x25\x00\x00\x01\x00\x00", 16),
         11 * 7},
        {GpuBlockFormat::Astc4x4, 300, 4,
         QByteArray("\x13\xAB\xA1\x5C\x04\x04\x01\x2C\x01\x00\x04\x00\x00\x01\x00\x00", 16),
         75 * 1},
        {GpuBlockFormat::Astc8x8, 16384, 9,
         QByteArray("\x13\xAB\xA1\x5C\x08\x08\x01\x00\x40\x00\x09\x00\x00\x01\x00\x00", 16),
         2048 * 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width);
        const pixels::PixelGrid picture = Picture(row.width, row.height);
        const QByteArray file = AstcFileBytes(RowsOf(picture), Options(row.format));
        EXPECT_EQ(file.left(16), row.header);
        EXPECT_EQ(file.size(), 16 + 16 * row.blocks);
    }
}

// The progress counts the texels of every level, up to their sum; a false answer stops the
// write with its message and leaves no file.
TEST(BlockEncoderTest, ProgressCountsEveryLevelAndStops) {
    const pixels::PixelGrid picture = Picture(200, 100);
    // Levels 200x100, 100x50, 50x25, 25x12, 12x6, 6x3, 3x1, 1x1.
    const qint64 texels = 20000 + 5000 + 1250 + 300 + 72 + 18 + 3 + 1;
    for (const GpuBlockFormat format : {GpuBlockFormat::Bc1, GpuBlockFormat::Astc6x6}) {
        GpuTextureOptions options = Options(format);
        qint64 last = 0, reports = 0;
        bool rising = true;
        options.progress = [&](qint64 done, qint64 total) {
            EXPECT_EQ(total, texels);
            rising = rising && done > last;
            last = done, ++reports;
            return true;
        };
        Ktx2FileBytes(RowsOf(picture), options);
        EXPECT_TRUE(rising);
        EXPECT_EQ(last, texels);
        EXPECT_GE(reports, 8);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stopped.ktx2"));
    GpuTextureOptions options = Options(GpuBlockFormat::Bc1);
    options.progress = [](qint64 done, qint64) { return done < 20000; };
    EXPECT_EQ(ErrorOf([&] { WriteGpuTexture(RowsOf(picture), path, options); }),
              QStringLiteral("Écriture de la texture arrêtée"));
    EXPECT_FALSE(QFile::exists(path));
}

// convert's ASTC, quality and thread options, and the containers that refuse a format.
TEST(BlockEncoderTest, ConvertWritesAstcWithItsOptions) {
    QTemporaryDir dir;
    const QString source = dir.filePath("mur.png"), ktx2 = dir.filePath("mur.ktx2");
    const QString astc = dir.filePath("mur.astc"), dds = dir.filePath("mur.dds");
    ASSERT_TRUE(ToImage(Picture(40, 30)).save(source));
    const struct {
        QStringList args;
        QString file;
        qsizetype at;
        QByteArray expected;
    } rows[] = {
        {{source, ktx2, "--astc", "6x6"}, ktx2, 12, Le(166, 4)},
        {{"--astc=4x4", source, ktx2, "--quality", "fast", "--threads", "1"}, ktx2, 12, Le(158, 4)},
        {{source, astc}, astc, 0, QByteArray("\x13\xAB\xA1\x5C\x06\x06\x01", 7)},
        {{source, astc, "--astc", "8x8"}, astc, 4, "\x08\x08"},
        {{source, dds, "--threads=2"}, dds, 84, "DXT1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliResult run = Cli(QStringList{"convert"} + row.args);
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_EQ(ReadFile(row.file).mid(row.at, row.expected.size()), row.expected);
    }
    const QStringList refusedArgs[] = {
        {source, ktx2, "--astc", "5x5"},
        {source, ktx2, "--astc"},
        {source, ktx2, "--quality", "best"},
        {source, ktx2, "--threads", "0"},
        {source, astc, "--bc1"},
        {source, ktx2, "--bc3", "--astc", "4x4"},
    };
    for (const QStringList& args : refusedArgs)
        EXPECT_EQ(Cli(QStringList{"convert"} + args).code, 2) << args.join(' ').toStdString();
    const CliResult refused = Cli({"convert", source, dds, "--astc", "6x6"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains("Un fichier .dds ne contient pas d'ASTC"))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(dds + ".tmp"));
}

// BC1 of a picture with alpha (the ramp: left columns below 128, right ones 128 and above):
// libsquish reads every texel below 128 as (0, 0, 0, 0), the transparent code under the
// three-colour mode, and every other one opaque, its colour kept; no opaque block spends the
// transparent code on a texel of 128 or more.
TEST(BlockEncoderTest, Bc1PunchesThroughBelow128) {
    const pixels::PixelGrid picture = Picture(61, 37, true);
    const QByteArray blocks = EncodeBlocks(picture, GpuBlockFormat::Bc1);
    const std::vector<uint8_t> decoded = DecodeBc(blocks, 61, 37, squish::kDxt1);
    const std::vector<uint8_t> source = Rgba(picture);
    int wrong = 0;
    std::vector<uint8_t> kept, keptSource;
    for (std::size_t i = 0; i < source.size(); i += 4) {
        if (source[i + 3] < 128) {
            wrong += decoded[i] || decoded[i + 1] || decoded[i + 2] || decoded[i + 3];
            continue;
        }
        wrong += decoded[i + 3] != 255;
        kept.insert(kept.end(), decoded.begin() + qsizetype(i), decoded.begin() + qsizetype(i) + 3);
        keptSource.insert(keptSource.end(), source.begin() + qsizetype(i),
                          source.begin() + qsizetype(i) + 3);
        kept.push_back(255), keptSource.push_back(255);
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GE(Psnr(keptSource, kept, {{0, 0}, {1, 1}, {2, 2}}), 30.0);
    // The columns 30 and 31 hold alpha 127 and 131: their blocks use the three-colour mode.
    const auto* bytes = reinterpret_cast<const uchar*>(blocks.constData());
    const uchar* straddling = bytes + 8 * 7;  // block 7 of the first row: columns 28 to 31
    EXPECT_LE(straddling[0] | straddling[1] << 8, straddling[2] | straddling[3] << 8);
}

// With an alpha coverage threshold (0.5: 128), BC3's alpha block keeps every texel on its side
// of 128 even where the nearest step of the block lies across it: a block of 0 and 220 steps
// by 220 / 7 (0, 31, 63, 94, 126, 157, ...), so 128 would become 126 and fall below.
TEST(BlockEncoderTest, Bc3KeepsAlphaOnItsSideOfTheCoverageThreshold) {
    pixels::PixelGrid picture(4, 4);
    picture.addAlpha();
    for (int i = 0; i < 16; ++i) picture.alphaRow(i / 4)[i % 4] = i < 8 ? 0 : 220;
    picture.alphaRow(3)[3] = 128;
    for (const double coverage : {0.0, 0.5}) {
        GpuTextureOptions options = Options(GpuBlockFormat::Bc3, 1);
        options.alphaCoverage = coverage;
        QByteArray block(16, '\0');
        BlockEncoder(GpuBlockFormat::Bc3, options, true).encode(picture, block.data());
        uchar alpha[16];
        DecodeBc4(reinterpret_cast<const uchar*>(block.constData()), alpha);
        EXPECT_EQ(alpha[15] >= 128, coverage > 0) << coverage << ": " << int(alpha[15]);
        for (int i = 0; i < 15; ++i) EXPECT_EQ(alpha[i], picture.alphaRow(i / 4)[i % 4]) << i;
    }
}

// The writer hands level 0 of a KTX2 with ASTC to the file whole, alpha rows included: it
// decodes to the ramp picture, colours and alpha (an opaque one would be 5 dB off in alpha).
TEST(BlockEncoderTest, AstcFilesKeepAlpha) {
    const pixels::PixelGrid picture = Picture(61, 37, true);
    GpuTextureOptions options = Options(GpuBlockFormat::Astc4x4, 1);
    options.quality = GpuQuality::Fast;
    const QByteArray file = Ktx2FileBytes(RowsOf(picture), options);
    const qsizetype at = qsizetype(Field(file, 80, 8)), length = qsizetype(Field(file, 88, 8));
    const std::vector<uint8_t> decoded = DecodeAstc(file.mid(at, length), 61, 37, 4, true);
    EXPECT_GE(Psnr(Rgba(picture), decoded, {{0, 0}, {1, 1}, {2, 2}}), 28.0);
    EXPECT_GE(Psnr(Rgba(picture), decoded, {{3, 3}}), 40.0);
}

namespace {

// A 4 x 4 picture of the texels given row by row as red, green, blue.
pixels::PixelGrid Texels4x4(const std::array<std::array<uint8_t, 3>, 16>& texels) {
    pixels::PixelGrid grid(4, 4);
    for (int i = 0; i < 16; ++i)
        grid.row(i / 4)[i % 4] = {texels[std::size_t(i)][2], texels[std::size_t(i)][1],
                                  texels[std::size_t(i)][0]};
    return grid;
}

// A smooth picture like a blurred photograph: slow waves in each channel and a little grain
// (the same on every run).
pixels::PixelGrid Smooth(int width, int height) {
    pixels::PixelGrid grid(width, height);
    quint32 seed = 7;
    auto grain = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return int(seed >> 29) - 3;  // -3 .. 4
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto channel = [&](double v) { return uint8_t(std::clamp(int(v) + grain(), 0, 255)); };
            grid.row(y)[x] = {channel(120 + 60 * std::sin(x / 23.0) * std::cos(y / 31.0)),
                              channel(110 + 80 * std::cos((x + 2 * y) / 41.0)),
                              channel(130 + 70 * std::sin((2 * x - y) / 37.0))};
        }
    return grid;
}

}  // namespace

// Colours the fit can hit exactly come back exactly, in BC1 and in BC3's colour half:
// - four on a line whose ends are stored values (magenta 31, 0, 31 and green 0, 63, 0 read as
//   255, 0, 255 and 0, 255, 0; their thirds 170, 85, 170 and 85, 170, 85): each texel takes its
//   own step of the line;
// - two that no stored value reads as, but the thirds of a pair do: ends 20, 40, 20 and
//   10, 20, 10 read as 165, 162, 165 and 82, 81, 82, whose thirds are 137, 135, 137 and
//   109, 108, 109 (five bits give 132 or 140, never 137). A fit that keeps the two groups on
//   the ends is off by up to 4 in each channel; the one that moves them to the thirds, exact.
TEST(BlockEncoderTest, ColoursTheFitCanHitComeBackExactly) {
    using Colour = std::array<uint8_t, 3>;
    const Colour steps[4] = {{255, 0, 255}, {170, 85, 170}, {85, 170, 85}, {0, 255, 0}};
    std::array<Colour, 16> line, thirds;
    for (int i = 0; i < 16; ++i) {
        line[std::size_t(i)] = steps[(i * 3 + i / 4) % 4];
        thirds[std::size_t(i)] = (i + i / 4) % 2 ? Colour{137, 135, 137} : Colour{109, 108, 109};
    }
    for (const auto& texels : {line, thirds}) {
        const pixels::PixelGrid picture = Texels4x4(texels);
        for (const auto& [format, flags] : {std::pair{GpuBlockFormat::Bc1, squish::kDxt1},
                                            {GpuBlockFormat::Bc3, squish::kDxt5}}) {
            SCOPED_TRACE(int(format));
            const std::vector<uint8_t> decoded =
                DecodeBc(EncodeBlocks(picture, format), 4, 4, flags);
            EXPECT_EQ(Psnr(Rgba(picture), decoded, {{0, 0}, {1, 1}, {2, 2}}), 99);
        }
    }
}

// No BC1 block of an opaque picture reads a texel as the three-colour mode's index 3 (first
// end not above the second), which is black, or transparent where alpha is read: ends written
// in the wrong order turn the fit's index 3 into it.
TEST(BlockEncoderTest, OpaqueBc1BlocksNeverReadBlack) {
    // Grain where red falls as green rises, with blue apart: the end with more green has less
    // red, so the fit's first end is often the lower one.
    pixels::PixelGrid grain(32, 32);
    quint32 seed = 11;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % quint32(range));
    };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int green = next(256);
            grain.row(y)[x] = {uint8_t(next(256)), uint8_t(green),
                               uint8_t(std::clamp(255 - green + next(81) - 40, 0, 255))};
        }
    for (const pixels::PixelGrid& picture : {grain, Picture(61, 37), Smooth(64, 64)}) {
        const QByteArray blocks = EncodeBlocks(picture, GpuBlockFormat::Bc1);
        const auto* bytes = reinterpret_cast<const uchar*>(blocks.constData());
        for (qsizetype at = 0; at < blocks.size(); at += 8) {
            const uchar* b = bytes + at;
            if ((b[0] | b[1] << 8) > (b[2] | b[3] << 8)) continue;
            const quint32 indices = b[4] | b[5] << 8 | b[6] << 16 | quint32(b[7]) << 24;
            for (int t = 0; t < 16; ++t) EXPECT_NE((indices >> (2 * t)) & 3, 3u) << at / 8;
        }
    }
}

// On a smooth picture the fit is at least as close as libsquish's cluster fit (the slow one
// that searches every ordering), each decoded by libsquish: BC1 and BC3's colour half.
TEST(BlockEncoderTest, SmoothPictureAtLeastAsCloseAsTheClusterFit) {
    const pixels::PixelGrid picture = Smooth(128, 96);
    std::vector<uint8_t> source = Rgba(picture);
    for (const auto& [format, flags] :
         {std::pair{GpuBlockFormat::Bc1, squish::kDxt1}, {GpuBlockFormat::Bc3, squish::kDxt5}}) {
        SCOPED_TRACE(int(format));
        QByteArray theirs(LevelBlockBytes(format, 128, 96), '\0');
        squish::CompressImage(source.data(), 128, 96, theirs.data(),
                              flags | squish::kColourClusterFit);
        const double ours = Psnr(source, DecodeBc(EncodeBlocks(picture, format), 128, 96, flags),
                                 {{0, 0}, {1, 1}, {2, 2}});
        const double cluster =
            Psnr(source, DecodeBc(theirs, 128, 96, flags), {{0, 0}, {1, 1}, {2, 2}});
        EXPECT_GE(ours, cluster);
    }
}
