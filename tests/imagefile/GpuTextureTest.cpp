// DDS and KTX2 files checked field by field against the two formats, and read back by
// ImageMagick level by level against its own linear-light reduction of the picture.

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <cmath>

#include "ImageSamples.h"
#include "imagefile/GpuTexture.h"
#include "imagefile/GpuTextureReader.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;
using namespace tessella::imagefile;

namespace {

quint32 U32(const QByteArray& file, qsizetype at) {
    return quint32(Field(file, at, 4));
}
quint64 U64(const QByteArray& file, qsizetype at) {
    return Field(file, at, 8);
}

struct Level {
    int width, height;
    QByteArray bytes;
};

int Side(int side, int level) {
    return std::max(1, side >> level);
}

int LevelBytes(int width, int height, int blockBytes) {
    return ((width + 3) / 4) * ((height + 3) / 4) * blockBytes;
}

// The levels of a DDS file, one after the other from byte 128.
std::vector<Level> DdsLevels(const QByteArray& file, int bytesPerBlock, int bytesPerPixel) {
    std::vector<Level> levels;
    const int width = int(U32(file, 16)), height = int(U32(file, 12));
    qsizetype at = 128;
    for (int n = 0; n < int(U32(file, 28)); ++n) {
        const int w = Side(width, n), h = Side(height, n);
        const int size = bytesPerBlock ? LevelBytes(w, h, bytesPerBlock) : w * h * bytesPerPixel;
        levels.push_back({w, h, file.mid(at, size)});
        at += size;
    }
    EXPECT_EQ(at, file.size()) << "the levels fill the file";
    return levels;
}

// The levels of a KTX2 file, found through its level index.
std::vector<Level> Ktx2Levels(const QByteArray& file) {
    std::vector<Level> levels;
    for (int n = 0; n < int(U32(file, 40)); ++n) {
        const qsizetype entry = 80 + 24 * n;
        levels.push_back({Side(int(U32(file, 20)), n), Side(int(U32(file, 24)), n),
                          file.mid(qsizetype(U64(file, entry)), qsizetype(U64(file, entry + 8)))});
    }
    return levels;
}

// A file ImageMagick reads: one level under a DDS header of its own.
QByteArray DdsOfOneLevel(const Level& level, const char* fourCc) {
    QByteArray file("DDS ");
    file += Le(124, 4) + Le(fourCc ? 0x81007 : 0x1007, 4) + Le(level.height, 4) +
            Le(level.width, 4) + Le(level.bytes.size(), 4) + Le(0, 4) + Le(1, 4) +
            QByteArray(44, '\0') + Le(32, 4);
    if (fourCc)
        file += Le(4, 4) + QByteArray(fourCc, 4) + QByteArray(20, '\0');
    else
        file += Le(0x40, 4) + Le(0, 4) + Le(24, 4) + Le(0xFF0000, 4) + Le(0xFF00, 4) + Le(0xFF, 4) +
                Le(0, 4);
    file += Le(0x1000, 4) + QByteArray(16, '\0');
    return file + level.bytes;
}

double Psnr(const QByteArray& a, const QByteArray& b) {
    EXPECT_EQ(a.size(), b.size());
    double sum = 0;
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        const double d = uchar(a[i]) - uchar(b[i]);
        sum += d * d;
    }
    return sum == 0 ? 99 : 10 * std::log10(255.0 * 255.0 * double(a.size()) / sum);
}

class GpuTextureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A low-contrast surface, like a photograph of a wall, the same on every run.
        source_ = dir_.filePath("surface.png");
        RunConvert({"-size", "64x64", "-seed", "5", "plasma:fractal", "-blur", "0x2", "-modulate",
                    "100,40", "+level", "25%,70%", "-depth", "8", "PNG24:" + source_});
        ASSERT_TRUE(image_.load(source_));
        image_ = image_.convertToFormat(QImage::Format_BGR888);
        // A soft-edged green sprite (a blurred disc) on a transparent field whose colour is
        // magenta, so that any colour of the free space that leaks into a level shows.
        sprite_ = dir_.filePath("sprite.png");
        RunConvert({"-size", "64x64", "xc:none", "-fill", "rgb(40,180,60)", "-draw",
                    "circle 32,32 32,10", "-blur", "0x4", "-depth", "8", "PNG32:" + sprite_});
        spriteImage_ = QImage(sprite_).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < spriteImage_.height(); ++y)
            for (int x = 0; x < spriteImage_.width(); ++x)
                if (qAlpha(spriteImage_.pixel(x, y)) == 0)
                    spriteImage_.setPixel(x, y, qRgba(255, 0, 255, 0));
        spriteRows_ = RowsOf(spriteImage_);
    }

    // ImageMagick's box reduction of the source to w x h in linear light, as RGB bytes.
    QByteArray Reference(int w, int h) {
        return RunConvert({source_, "-colorspace", "RGB", "-scale",
                           QStringLiteral("%1x%2!").arg(w).arg(h), "-colorspace", "sRGB", "-depth",
                           "8", "rgb:-"});
    }

    // ImageMagick's reading of one level, as RGB bytes.
    QByteArray Decoded(const Level& level, const char* fourCc) {
        const QString path = FileIn(dir_, "level.dds", DdsOfOneLevel(level, fourCc));
        return RunConvert({path, "-depth", "8", "rgb:-"});
    }

    QTemporaryDir dir_;
    QString source_, sprite_;
    QImage image_, spriteImage_;
    BgrRows spriteRows_;
};

}  // namespace

// The legacy header: magic, size 124, flags with DDSD_MIPMAPCOUNT and the linear size of the
// top level (blocks) or its row pitch (24-bit), the pixel format's FourCC or masks, the caps.
// 61 x 37 has 6 levels: 61x37, 30x18, 15x9, 7x4, 3x2, 1x1.
TEST_F(GpuTextureTest, DdsHeaderFollowsTheFormat) {
    const QImage crop = image_.copy(0, 0, 61, 37);
    struct Row {
        GpuBlockFormat format;
        bool alpha, mipmaps;  // the sprite (64 x 64: 7 levels), or the crop
        quint32 flags, pitchOrLinearSize, levels, pixelFlags;
        const char* fourCc;
        quint32 bits, caps, fileSize;
    };
    using F = GpuBlockFormat;
    const Row rows[] = {
        {F::Bc1, false, true, 0xA1007, 16 * 10 * 8, 6, 0x4, "DXT1", 0, 0x401008, 128 + 1728},
        {F::Rgb, false, true, 0x2100F, 61 * 3, 6, 0x40, "\0\0\0\0", 24, 0x401008, 128 + 8901},
        {F::Bc1, false, false, 0xA1007, 16 * 10 * 8, 1, 0x4, "DXT1", 0, 0x1000, 128 + 1280},
        // With alpha: BC1 says so (0x1), BC3 and BC5 hold it anyway, 32-bit texels get its mask.
        // 343 blocks: 16 x 16, 8 x 8, 4 x 4, 2 x 2 and three of 1.
        {F::Bc1, true, true, 0xA1007, 16 * 16 * 8, 7, 0x5, "DXT1", 0, 0x401008, 128 + 343 * 8},
        {F::Bc3, true, true, 0xA1007, 16 * 16 * 16, 7, 0x4, "DXT5", 0, 0x401008, 128 + 343 * 16},
        {F::Bc5, true, true, 0xA1007, 16 * 16 * 16, 7, 0x4, "ATI2", 0, 0x401008, 128 + 343 * 16},
        {F::Rgb, true, true, 0x2100F, 64 * 4, 7, 0x41, "\0\0\0\0", 32, 0x401008, 128 + 5461 * 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << int(row.format) << " alpha " << row.alpha);
        const QImage& picture = row.alpha ? spriteImage_ : crop;
        const QByteArray file =
            DdsFileBytes(RowsOf(picture), {.format = row.format, .mipmaps = row.mipmaps});
        ASSERT_EQ(file.size(), qsizetype(row.fileSize));
        EXPECT_EQ(file.left(32), "DDS " + Le(124, 4) + Le(row.flags, 4) + Le(picture.height(), 4) +
                                     Le(picture.width(), 4) + Le(row.pitchOrLinearSize, 4) +
                                     Le(0, 4) + Le(row.levels, 4));
        const QByteArray masks = row.bits ? Le(0xFF0000, 4) + Le(0xFF00, 4) + Le(0xFF, 4) +
                                                Le(row.bits == 32 ? 0xFF000000 : 0, 4)
                                          : QByteArray(16, '\0');
        EXPECT_EQ(file.mid(76, 36), Le(32, 4) + Le(row.pixelFlags, 4) + QByteArray(row.fourCc, 4) +
                                        Le(row.bits, 4) + masks + Le(row.caps, 4));
    }
}

// The KTX2 header, the level index (level 0 first in the index, the smallest level first in
// the file, each on a multiple of its block size), the key/value data and the data format
// descriptor: its model, transfer, block size and one sample per channel. ASTC: the sRGB
// formats for colours (172; 158 and 166 in the convert test), the UNORM ones (157, 165, 171) for
// normal maps, the model ASTC (162) and one 128-bit sample.
TEST_F(GpuTextureTest, Ktx2HeaderIndexAndDescriptorFollowTheFormat) {
    const QImage crop = image_.copy(0, 0, 61, 37);
    struct Sample {
        quint16 offset;
        quint8 bitsLessOne, channel;
        quint32 upper;
    };
    // The opaque crop (61 x 37: 6 levels) or the sprite with alpha (64 x 64: 7 levels), as a
    // normal map, with premultiplied colours.
    enum { Crop = 0, Alpha = 1, Normals = 2, Premultiplied = 4 };
    struct Row {
        GpuBlockFormat format;
        int kind;
        quint32 vkFormat;
        quint8 model, transfer, flags, blockSideLessOne, bytesPlane0;
        std::vector<Sample> samples;
    };
    const quint32 all = 0xFFFFFFFF;
    const std::vector<Sample> rgba = {
        {0, 7, 0, 255}, {8, 7, 1, 255}, {16, 7, 2, 255}, {24, 7, 0x1F, 255}};
    const std::vector<Sample> astc = {{0, 127, 0, all}};
    const std::vector<Sample> bc3 = {{0, 63, 0x1F, all}, {64, 63, 0, all}};
    using F = GpuBlockFormat;
    const Row rows[] = {
        {F::Bc1, Crop, 132, 128, 2, 0, 3, 8, {{0, 63, 0, all}}},
        {F::Bc3, Crop, 138, 130, 2, 0, 3, 16, bc3},
        {F::Bc5, Crop, 141, 132, 1, 0, 3, 16, {{0, 63, 0, all}, {64, 63, 1, all}}},
        {F::Rgb, Crop, 43, 1, 2, 0, 0, 4, rgba},
        {F::Astc8x8, Crop, 172, 162, 2, 0, 7, 16, astc},
        {F::Astc4x4, Normals, 157, 162, 1, 0, 3, 16, astc},
        {F::Astc6x6, Normals, 165, 162, 1, 0, 5, 16, astc},
        {F::Astc8x8, Normals, 171, 162, 1, 0, 7, 16, astc},
        // Linear texels for normal maps; alpha in BC1's own model (channel 1: alpha present);
        // premultiplied colours said so in the flags, only where there is alpha.
        {F::Rgb, Normals, 37, 1, 1, 0, 0, 4, {rgba[0], rgba[1], rgba[2], {24, 7, 0x0F, 255}}},
        {F::Bc1, Alpha, 134, 128, 2, 0, 3, 8, {{0, 63, 1, all}}},
        {F::Bc3, Alpha, 138, 130, 2, 0, 3, 16, bc3},
        {F::Bc3, Alpha | Premultiplied, 138, 130, 2, 1, 3, 16, bc3},
        {F::Rgb, Alpha | Premultiplied, 43, 1, 2, 1, 0, 4, rgba},
        {F::Rgb, Premultiplied, 43, 1, 2, 0, 0, 4, rgba},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.vkFormat << " kind " << row.kind);
        const QImage& picture = row.kind & Alpha ? spriteImage_ : crop;
        const int width = picture.width(), height = picture.height();
        const int levels = row.kind & Alpha ? 7 : 6;
        const QByteArray file =
            Ktx2FileBytes(RowsOf(picture), {.format = row.format,
                                            .normalMap = bool(row.kind & Normals),
                                            .premultiplied = bool(row.kind & Premultiplied)});
        EXPECT_EQ(file.left(12), QByteArray("\xABKTX 20\xBB\r\n\x1A\n", 12));
        // vkFormat, typeSize 1, the sides, no depth, no layers, one face, the levels, no
        // supercompression.
        EXPECT_EQ(file.mid(12, 36), Le(row.vkFormat, 4) + Le(1, 4) + Le(width, 4) + Le(height, 4) +
                                        Le(0, 8) + Le(1, 4) + Le(levels, 4) + Le(0, 4));
        const quint32 dfdOffset = U32(file, 48), dfdLength = U32(file, 52);
        const quint32 kvdOffset = U32(file, 56), kvdLength = U32(file, 60);
        EXPECT_EQ(dfdOffset, 80u + 24 * levels);
        EXPECT_EQ(dfdLength, 4 + 24 + 16 * row.samples.size());
        EXPECT_EQ(kvdOffset, dfdOffset + dfdLength);
        EXPECT_EQ(kvdLength % 4, 0u);
        EXPECT_EQ(file.mid(64, 16), QByteArray(16, '\0'));  // no supercompression data
        EXPECT_TRUE(file.mid(kvdOffset + 4, kvdLength - 4).startsWith("KTXwriter\0"));
        // Khronos's basic block: model, BT.709 primaries, transfer, straight alpha, the block's
        // sides less one, its bytes; then each sample's offset, bits less one, channel, no
        // position, lower 0 and its upper value.
        QByteArray descriptor = Le(dfdLength, 4) + Le(0, 4) + Le(2 | (dfdLength - 4) << 16, 4) +
                                Bytes({row.model, 1, row.transfer, row.flags}) +
                                Le(row.blockSideLessOne * 0x101, 4) + Le(row.bytesPlane0, 8);
        for (const Sample& sample : row.samples)
            descriptor += Le(sample.offset, 2) + Bytes({sample.bitsLessOne, sample.channel}) +
                          Le(0, 8) + Le(sample.upper, 4);
        EXPECT_EQ(file.mid(dfdOffset, dfdLength), descriptor);

        quint64 previousOffset = file.size();
        for (int n = 0; n < levels; ++n) {
            const quint64 offset = U64(file, 80 + 24 * n), length = U64(file, 88 + 24 * n);
            const int w = Side(width, n), h = Side(height, n), side = row.blockSideLessOne + 1;
            EXPECT_EQ(length,
                      quint64((w + side - 1) / side * ((h + side - 1) / side) * row.bytesPlane0))
                << n;
            EXPECT_EQ(U64(file, 96 + 24 * n), length) << n;
            EXPECT_EQ(offset % row.bytesPlane0, 0u) << n;
            EXPECT_LE(offset + length, previousOffset) << "level " << n << " after level " << n + 1;
            EXPECT_GE(offset, quint64(kvdOffset + kvdLength));
            if (n == 0) {
                EXPECT_EQ(offset + length, quint64(file.size()));
            }
            previousOffset = offset;
        }
    }
}

// Every level read back by ImageMagick stays within 30 dB of ImageMagick's own linear-light
// reduction of the source (the 2 x 2 and 1 x 1 levels too: a box of one block); 24 and 32-bit
// levels within rounding of it.
TEST_F(GpuTextureTest, LevelsReadBackCloseToALinearLightChain) {
    struct Row {
        bool ktx2;
        GpuBlockFormat format;
        const char* fourCc;
        double leastPsnr;
    };
    const Row rows[] = {
        {false, GpuBlockFormat::Bc1, "DXT1", 30},
        {false, GpuBlockFormat::Bc3, "DXT5", 30},
        {false, GpuBlockFormat::Rgb, nullptr, 45},
        {true, GpuBlockFormat::Bc1, "DXT1", 30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(row.ktx2).arg(int(row.format)).toStdString());
        const GpuTextureOptions options{.format = row.format};
        const QByteArray file = row.ktx2 ? Ktx2FileBytes(RowsOf(image_), options)
                                         : DdsFileBytes(RowsOf(image_), options);
        const auto levels =
            row.ktx2
                ? Ktx2Levels(file)
                : DdsLevels(file, row.fourCc ? (row.format == GpuBlockFormat::Bc1 ? 8 : 16) : 0, 3);
        ASSERT_EQ(levels.size(), 7u);
        for (std::size_t n = 0; n < levels.size(); ++n) {
            EXPECT_EQ(levels[n].width, 64 >> n);
            const QByteArray decoded = Decoded(levels[n], row.fourCc);
            const QByteArray reference = Reference(levels[n].width, levels[n].height);
            EXPECT_GE(Psnr(decoded, reference), row.leastPsnr) << "level " << n;
        }
    }
}

// convert takes its texture options anywhere before "--", only for .dds and .ktx2; with no
// block format, BC3 for a picture with alpha and BC1 for an opaque one; --alpha-coverage takes
// 0.05 to 0.95 only.
TEST_F(GpuTextureTest, ConvertWritesTexturesWithItsOptions) {
    const QString dds = dir_.filePath("mur.dds"), ktx2 = dir_.filePath("mur.ktx2");
    const QString png = dir_.filePath("back.png");
    const struct {
        QStringList args;
        QString file;
        qsizetype at;
        QByteArray expected;
    } rows[] = {
        {{source_, dds}, dds, 84, "DXT1"},
        {{source_, dds}, dds, 28, Le(7, 4)},
        {{"--bc3", source_, dds}, dds, 84, "DXT5"},
        {{source_, dds, "--bc5"}, dds, 84, "ATI2"},
        {{source_, dds, "--no-mipmaps"}, dds, 28, Le(1, 4)},
        {{source_, ktx2, "--rgb", "--no-mipmaps"}, ktx2, 12, Le(43, 4) + Le(1, 4)},
        {{sprite_, dds}, dds, 84, "DXT5"},
        {{sprite_, dds, "--bc1"}, dds, 84, "DXT1"},
        {{sprite_, dds, "--alpha-coverage", "0,5"}, dds, 84, "DXT5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        QFile::remove(row.file);
        const CliResult run = Cli(QStringList{"convert"} + row.args);
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_EQ(ReadFile(row.file).mid(row.at, row.expected.size()), row.expected);
    }
    const QStringList refused[] = {{source_, png, "--bc1"},
                                   {"--bc1", "--bc5", source_, dds},
                                   {sprite_, dds, "--alpha-coverage=0.96"},
                                   {sprite_, dds, "--alpha-coverage", "half"}};
    for (const QStringList& args : refused)
        EXPECT_EQ(Cli(QStringList{"convert"} + args).code, 2) << args.join(' ').toStdString();
    ASSERT_EQ(Cli({"convert", source_, dds}).code, 0);
    const CliResult back = Cli({"convert", dds, png});
    EXPECT_EQ(back.code, 0) << back.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(64, 64));
}

namespace {

// The opaque picture whose files were captured from the program before alpha reached the GPU
// files (tessella-cli convert of this picture saved as a PNG, --threads 1, ASTC --quality
// fast): 19 x 13, channels that vary from texel to texel.
QImage CapturedPicture() {
    QImage picture(19, 13, QImage::Format_RGB888);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 19; ++x)
            picture.setPixel(x, y,
                             qRgb((x * x * 7 + y * 31 + x * y * 5) % 256,
                                  (x * 23 + y * y * 3) % 256, ((x ^ y) * 17) % 256));
    return picture;
}

QByteArray AlphaBytes(const QImage& image) {
    QByteArray out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) out.append(char(qAlpha(image.pixel(x, y))));
    return out;
}

GpuTextureOptions Options(GpuBlockFormat format) {
    GpuTextureOptions options;
    options.format = format;
    options.threads = 1;
    options.quality = GpuQuality::Fast;
    options.normalMap = format == GpuBlockFormat::Bc5;
    return options;
}

// The texels BC1 got wrong: below alpha 128 in the sprite and not (0, 0, 0, 0), or 128 and
// above and not opaque.
int PunchThroughMistakes(const QImage& sprite, const QImage& decoded) {
    int wrong = 0;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            wrong += qAlpha(sprite.pixel(x, y)) >= 128 ? qAlpha(decoded.pixel(x, y)) != 255
                                                       : decoded.pixel(x, y) != 0;
    return wrong;
}

int Differing(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

}  // namespace

// An opaque picture gives the same files, byte for byte, as before alpha reached them (BC1 and
// BC3 as their own colour fit writes them).
TEST(GpuTextureOpaqueTest, OpaqueFilesAreTheBytesOfBefore) {
    const QImage picture = CapturedPicture();
    const BgrRows rows = RowsOf(picture);  // points into picture
    ASSERT_FALSE(rows.alpha);
    enum Kind { Dds, Ktx2, Astc };
    using F = GpuBlockFormat;
    const struct {
        Kind kind;
        GpuBlockFormat format;
        const char* sha256;
    } cases[] = {
        {Dds, F::Bc1, "9d5d48e2904596cff863c170bf9c21b66b742352bbb2ff24d6f9ca739775de2b"},
        {Dds, F::Bc3, "041d55016a6c5179712c627b5efd595e5e9add4e42f6e72ea4e26334bfd2dd74"},
        {Dds, F::Bc5, "1099a739f08519f50c8a154d17f8529e5132804819511dae4c7f1bcf4fd424da"},
        {Dds, F::Rgb, "365dc84698ec180775847c7d91874c0de6a9dc6fffd6a8630f508122a4b5b26f"},
        {Ktx2, F::Bc1, "279a0b8847f44b9a150b5694d41e3b1a73f946dd89f8d92bbd8665b4db96e809"},
        {Ktx2, F::Rgb, "d915dc7b34d73698d6988bc71a2b708357ffd52caae61a85a6a80ea6e8cf90b7"},
        {Ktx2, F::Astc4x4, "2f8bf3a599e22bec44f2738ed10f3dc0ae90580986adcdd4b5a46b4267866daa"},
        {Astc, F::Astc6x6, "b3835b861bdf8152bc7513ee5e0cd7927f9b100ddafe9efb310579642bb8c2ae"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(::testing::Message() << row.kind << " " << int(row.format));
        const GpuTextureOptions options = Options(row.format);
        const QByteArray file = row.kind == Dds    ? DdsFileBytes(rows, options)
                                : row.kind == Ktx2 ? Ktx2FileBytes(rows, options)
                                                   : AstcFileBytes(rows, options);
        EXPECT_EQ(QCryptographicHash::hash(file, QCryptographicHash::Sha256).toHex(),
                  QByteArray(row.sha256));
    }
}

// ImageMagick reads level 0 of each DDS: BC1 keeps texels of alpha 128 and above opaque and
// turns the others to (0, 0, 0, 0); BC3's alpha block keeps the soft edge to 40 dB or more;
// 32-bit texels come back exactly, colours under alpha 0 included.
TEST_F(GpuTextureTest, ImageMagickReadsTheAlphaBack) {
    std::vector<QByteArray> keep;
    auto decoded = [&](GpuBlockFormat format) {
        const QString path = FileIn(dir_, "sprite.dds", DdsFileBytes(spriteRows_, Options(format)));
        keep.push_back(RunConvert({path, "-depth", "8", "rgba:-"}));
        EXPECT_EQ(keep.back().size(), 64 * 64 * 4);
        keep.back().resize(64 * 64 * 4);
        return QImage(reinterpret_cast<const uchar*>(keep.back().constData()), 64, 64,
                      QImage::Format_RGBA8888);
    };
    EXPECT_EQ(PunchThroughMistakes(spriteImage_, decoded(GpuBlockFormat::Bc1)), 0);
    EXPECT_GE(Psnr(AlphaBytes(spriteImage_), AlphaBytes(decoded(GpuBlockFormat::Bc3))), 40.0);
    EXPECT_EQ(Differing(spriteImage_, decoded(GpuBlockFormat::Rgb)), 0);
}

// Every level of the sprite's chain (read from the KTX2's plain texels) keeps the sprite's
// green within 4 wherever alpha is 1 or more, and bleeds it under alpha 0: no magenta nor black
// reaches a GPU's filter.
TEST_F(GpuTextureTest, LevelsKeepTheSpritesColourAtTheEdges) {
    const std::vector<Level> levels =
        Ktx2Levels(Ktx2FileBytes(spriteRows_, Options(GpuBlockFormat::Rgb)));
    ASSERT_EQ(levels.size(), 7u);
    for (std::size_t n = 1; n < levels.size(); ++n) {
        int far = 0;
        for (qsizetype i = 0; i < levels[n].bytes.size(); i += 4) {
            const int r = uchar(levels[n].bytes[i]), g = uchar(levels[n].bytes[i + 1]),
                      b = uchar(levels[n].bytes[i + 2]);
            if (std::abs(r - 40) > 4 || std::abs(g - 180) > 4 || std::abs(b - 60) > 4) ++far;
        }
        EXPECT_EQ(far, 0) << "level " << n;
    }
}

namespace {

// A fence: 1-texel white bars every 5 texels both ways on transparent black (36.5% opaque).
QImage FencePicture(int side) {
    QImage fence(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            fence.setPixel(x, y, x % 5 == 0 || y % 5 == 0 ? qRgba(255, 255, 255, 255) : 0);
    return fence;
}

// The share of a level's texels whose alpha, as a GPU decodes it, is 128 or more: plain RGBA
// texels, or BC3's alpha half (the first 8 bytes of each 16).
double CoveredShare(const Level& level, bool bc3) {
    int covered = 0;
    const auto* bytes = reinterpret_cast<const uchar*>(level.bytes.constData());
    const int across = (level.width + 3) / 4;
    for (int y = 0; y < level.height; ++y)
        for (int x = 0; x < level.width; ++x) {
            int alpha = 0;
            if (bc3) {
                uchar texels[16];
                DecodeBc4(bytes + 16 * (y / 4 * across + x / 4), texels);
                alpha = texels[y % 4 * 4 + x % 4];
            } else {
                alpha = bytes[4 * (y * level.width + x) + 3];
            }
            covered += alpha >= 128;
        }
    return double(covered) / (level.width * level.height);
}

}  // namespace

// A fence with --alpha-coverage 0.5, decoded from the KTX2 files (plain RGBA and BC3): the
// share of texels at 128 or more stays within 3 points of level 0's at every level down to
// 4 x 4; without it the bars dissolve.
TEST(GpuTextureCoverageTest, AlphaCoverageSurvivesTheFiles) {
    const QImage fence = FencePicture(64);
    const BgrRows rows = RowsOf(fence);
    for (const GpuBlockFormat format : {GpuBlockFormat::Rgb, GpuBlockFormat::Bc3}) {
        const bool bc3 = format == GpuBlockFormat::Bc3;
        GpuTextureOptions options = Options(format);
        options.maxLevel = 5;
        const std::vector<Level> plain = Ktx2Levels(Ktx2FileBytes(rows, options));
        options.alphaCoverage = 0.5;
        const std::vector<Level> kept = Ktx2Levels(Ktx2FileBytes(rows, options));
        ASSERT_EQ(kept.size(), 6u);
        const double top = CoveredShare(kept[0], bc3);
        EXPECT_NEAR(top, 0.365, 0.001);
        double lowest = 1;
        for (std::size_t n = 1; n < kept.size(); ++n) {
            const double with = CoveredShare(kept[n], bc3), without = CoveredShare(plain[n], bc3);
            if (kept[n].width < 4) continue;
            EXPECT_NEAR(with, top, 0.03) << "level " << n;
            lowest = std::min(lowest, without);
        }
        EXPECT_LT(lowest, top - 0.15);
    }
}

// The program opens what it writes with alpha: plain texels come back exactly from DDS and
// KTX2 (colours under alpha 0 included), and BC1's punch-through in KTX2 (vkFormat 134) reads
// as the same transparent texels ImageMagick finds in the DDS.
TEST_F(GpuTextureTest, OurReaderOpensTheFilesWithAlpha) {
    const GpuTextureOptions plain = Options(GpuBlockFormat::Rgb);
    for (const QImage& back :
         {ReadDds(DdsFileBytes(spriteRows_, plain)), ReadKtx2(Ktx2FileBytes(spriteRows_, plain))}) {
        ASSERT_EQ(back.size(), spriteImage_.size());
        EXPECT_EQ(Differing(back, spriteImage_), 0) << back.format();
    }
    const QImage bc1 = ReadKtx2(Ktx2FileBytes(spriteRows_, Options(GpuBlockFormat::Bc1)));
    ASSERT_EQ(bc1.format(), QImage::Format_ARGB32);
    EXPECT_EQ(PunchThroughMistakes(spriteImage_, bc1), 0);
}

// convert hands --alpha-coverage to the whole picture: the fence's level 2 keeps level 0's
// share of texels at 128 or more (0% without the option).
TEST(GpuTextureCoverageTest, ConvertScalesTheWholePictureToCoverage) {
    QTemporaryDir dir;
    const QString fence = dir.filePath("fence.png");
    ASSERT_TRUE(FencePicture(64).save(fence));
    const QString ktx2 = dir.filePath("fence.ktx2");
    for (const bool coverage : {false, true}) {
        QStringList args{"convert", fence, ktx2, "--rgb"};
        if (coverage)
            args << "--alpha-coverage"
                 << "0.5";
        const CliResult run = Cli(args);
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        const std::vector<Level> levels = Ktx2Levels(ReadFile(ktx2));
        ASSERT_GE(levels.size(), 3u);
        EXPECT_NEAR(CoveredShare(levels[2], false), coverage ? 0.365 : 0.0, 0.03);
    }
}
