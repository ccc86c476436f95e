// DDS, KTX2 and .astc files read back: files our writer makes, hand-made blocks whose texels
// are worked out from the formats' rules, ASTC files made and decoded by ARM's own astcenc
// program, and damaged files.

#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "ImageSamples.h"
#include "imagefile/FileRoutes.h"
#include "imagefile/GpuTexture.h"
#include "imagefile/GpuTextureReader.h"
#include "imagefile/ImageLoader.h"
#include "platform/ImageLimits.h"

using namespace imagetest;
using namespace tessella::imagefile;

namespace {

// A smooth picture whose sides are not multiples of 4, so the last blocks are partly outside.
QImage Gradient(int width = 61, int height = 37) {
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 + 3 * x, 200 - 4 * y, 90 + x + y));
    return image;
}

// PSNR of the channels chosen (red, green, blue) between two pictures of the same size.
double Psnr(const QImage& a, const QImage& b, bool blue = true) {
    EXPECT_EQ(a.size(), b.size());
    double sum = 0;
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d[3] = {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)};
            for (int c = 0; c < (blue ? 3 : 2); ++c) sum += d[c] * d[c], ++count;
        }
    return sum == 0 ? 99 : 10 * std::log10(255.0 * 255.0 * count / sum);
}

// A legacy DDS header (no mipmaps) before data. pixelFlags 0x4 with fourCc, else masks.
QByteArray Dds(int width, int height, quint32 pixelFlags, const char* fourCc, int bits,
               const quint32 masks[4], const QByteArray& data) {
    QByteArray file("DDS ");
    file += Le(124, 4) + Le(0x1007, 4) + Le(height, 4) + Le(width, 4) + Le(0, 4) + Le(0, 4) +
            Le(1, 4) + QByteArray(44, '\0') + Le(32, 4) + Le(pixelFlags, 4);
    file += fourCc ? QByteArray(fourCc, 4) : Le(0, 4);
    file += Le(bits, 4);
    for (int i = 0; i < 4; ++i) file += Le(masks ? masks[i] : 0, 4);
    file += Le(0x1000, 4) + QByteArray(16, '\0');
    return file + data;
}

// A KTX2 file of one level: header, level index, a small descriptor, the data.
QByteArray Ktx2(quint32 vkFormat, int width, int height, const QByteArray& data) {
    QByteArray file("\xABKTX 20\xBB\r\n\x1A\n", 12);
    const QByteArray dfd = Le(28, 4) + QByteArray(24, '\0');
    const int dfdOffset = 80 + 24, dataOffset = dfdOffset + int(dfd.size());
    file += Le(vkFormat, 4) + Le(1, 4) + Le(width, 4) + Le(height, 4) + Le(0, 4) + Le(0, 4) +
            Le(1, 4) + Le(1, 4) + Le(0, 4) + Le(dfdOffset, 4) + Le(dfd.size(), 4) + Le(0, 4) +
            Le(0, 4) + Le(0, 8) + Le(0, 8);
    file += Le(dataOffset, 8) + Le(data.size(), 8) + Le(data.size(), 8);
    return file + dfd + data;
}

// One BC1 block: blue (0x001F) first, red (0xF800) second, so the first is not the larger and
// index 3 is the transparent code; row 0 takes index 3, row 1 index 0, row 2 index 1, row 3
// index 0.
QByteArray TransparentCodeBlock() {
    return Le(0x001F, 2) + Le(0xF800, 2) + Bytes({0xFF, 0x00, 0x55, 0x00});
}

const quint32 kBgrMasks[4] = {0xFF0000, 0xFF00, 0xFF, 0};
const quint32 kBgraMasks[4] = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
const quint32 kRgbaMasks[4] = {0xFF, 0xFF00, 0xFF0000, 0xFF000000};

class GpuTextureReaderTest : public ::testing::Test {
  protected:
    QImage load(const QString& path) {
        QImage image;
        EXPECT_TRUE(LoadImageByExtension(path, image)) << path.toStdString();
        return image;
    }
    // png encoded by astcenc into astc, and astcenc's own decoding of it.
    QImage armRoundTrip(const QString& png, const QString& astc, const char* blocks,
                        QImage::Format format) {
        const QString decoded = dir_.filePath("decoded.png");
        EXPECT_EQ(QProcess::execute("astcenc", {"-cs", png, astc, blocks, "-fast", "-silent"}), 0);
        EXPECT_EQ(QProcess::execute("astcenc", {"-ds", astc, decoded, "-silent"}), 0);
        return QImage(decoded).convertToFormat(format);
    }
    QTemporaryDir dir_;
};

}  // namespace

// What our writer makes reads back within each format's loss; plain pixels exactly. BC5 keeps
// red and green (blue is the normal's rebuilt Z); every file is opaque.
TEST_F(GpuTextureReaderTest, OurFilesReadBack) {
    const QImage source = Gradient();
    const struct {
        const char* name;
        GpuBlockFormat format;
        double leastPsnr;
        bool blue;
    } rows[] = {
        {"bc1.dds", GpuBlockFormat::Bc1, 36, true},   {"bc3.dds", GpuBlockFormat::Bc3, 36, true},
        {"bc5.dds", GpuBlockFormat::Bc5, 42, false},  {"rgb.dds", GpuBlockFormat::Rgb, 99, true},
        {"bc1.ktx2", GpuBlockFormat::Bc1, 36, true},  {"bc3.ktx2", GpuBlockFormat::Bc3, 36, true},
        {"bc5.ktx2", GpuBlockFormat::Bc5, 42, false}, {"rgba.ktx2", GpuBlockFormat::Rgb, 99, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString name = QString::fromLatin1(row.name);
        const GpuTextureOptions options{.format = row.format};
        const QByteArray bytes = name.endsWith(QLatin1String(".dds"))
                                     ? DdsFileBytes(RowsOf(source), options)
                                     : Ktx2FileBytes(RowsOf(source), options);
        const QString path = FileIn(dir_, name, bytes);
        const QImage back = load(path);
        ASSERT_EQ(back.size(), source.size());
        EXPECT_EQ(back.format(), QImage::Format_BGR888);
        EXPECT_GE(Psnr(back, source, row.blue), row.leastPsnr);
        PictureHeader header;
        ASSERT_TRUE(ReadPictureHeader(path, header));
        EXPECT_EQ(header.width, 61);
        EXPECT_EQ(header.height, 37);
        EXPECT_EQ(header.depth, 24);
    }
}

// A flat normal (128, 128) in BC5 shows its Z, 1, as blue 255.
TEST_F(GpuTextureReaderTest, Bc5ShowsTheRebuiltZ) {
    const QByteArray flat = Bytes({128, 128, 0, 0, 0, 0, 0, 0, 128, 128, 0, 0, 0, 0, 0, 0});
    const QImage back = ReadDds(Dds(4, 4, 0x4, "ATI2", 0, nullptr, flat));
    EXPECT_EQ(back.pixel(2, 3), qRgb(128, 128, 255));
    // X = 1 (red 255), Y = 0: Z is 0, shown as 128 (127.5 rounded up).
    const QByteArray side = Bytes({255, 255, 0, 0, 0, 0, 0, 0, 128, 128, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadKtx2(Ktx2(141, 4, 4, side)).pixel(0, 0), qRgb(255, 128, 128));
}

// BC1's transparent code reads as (0, 0, 0, 0) whether the header flags alpha or not; Vulkan's
// BC1 RGB formats read it as opaque black; the code is only transparent when the first colour
// is not the larger.
TEST_F(GpuTextureReaderTest, Bc1TransparentCode) {
    const QByteArray block = TransparentCodeBlock();
    const QByteArray fourColours = Le(0xF800, 2) + Le(0x001F, 2) + Bytes({0xFF, 0, 0x55, 0});
    const QRgb blue = qRgba(0, 0, 255, 255), red = qRgba(255, 0, 0, 255);
    const struct {
        const char* name;
        QByteArray file;
        QRgb row0, row1, row2;
        int depth;
    } rows[] = {
        {"flagged.dds", Dds(4, 4, 0x5, "DXT1", 0, nullptr, block), 0, blue, red, 32},
        {"unflagged.dds", Dds(4, 4, 0x4, "DXT1", 0, nullptr, block), 0, blue, red, 32},
        {"rgba.ktx2", Ktx2(134, 4, 4, block), 0, blue, red, 32},
        {"rgb.ktx2", Ktx2(132, 4, 4, block), qRgba(0, 0, 0, 255), blue, red, 24},
        // Red first: four colours, index 3 is two thirds of the way to blue, opaque.
        {"four.dds", Dds(4, 4, 0x4, "DXT1", 0, nullptr, fourColours), qRgba(85, 0, 170, 255), red,
         blue, 24},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = FileIn(dir_, QString::fromLatin1(row.name), row.file);
        const QImage back = load(path);
        EXPECT_EQ(back.hasAlphaChannel(), row.depth == 32);
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(back.pixel(x, 0), row.row0) << x;
            EXPECT_EQ(back.pixel(x, 1), row.row1) << x;
            EXPECT_EQ(back.pixel(x, 2), row.row2) << x;
        }
        PictureHeader header;
        ASSERT_TRUE(ReadPictureHeader(path, header));
        EXPECT_EQ(header.depth, row.depth);
    }
}

// BC2 and BC3 carry alpha; a transparent texel outside the picture (a 2 x 2 picture in a 4 x 4
// block) leaves it opaque. Colours under transparent texels stay.
TEST_F(GpuTextureReaderTest, Bc2AndBc3Alpha) {
    const QByteArray white = Le(0xFFFF, 2) + Le(0xFFFF, 2) + Le(0, 4);
    // BC3 alpha: 255 and 0; texel 0 takes index 1 (0), texel 3 index 1, the rest index 0.
    const QByteArray bc3 = Bytes({255, 0, 0x01, 0x02, 0, 0, 0, 0}) + white;
    // BC2: 4 bits a texel; texel 0 is 0, texel 1 is 8 (136), the rest 15.
    const QByteArray bc2 = Bytes({0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + white;
    const QByteArray bc3Outside = Bytes({255, 0, 0x00, 0x02, 0, 0, 0, 0}) + white;  // texel 3
    const struct {
        const char* name;
        QByteArray file;
        QRgb texel0, texel1;
        bool alpha;
    } rows[] = {
        {"bc3", Dds(4, 4, 0x4, "DXT5", 0, nullptr, bc3), qRgba(255, 255, 255, 0),
         qRgba(255, 255, 255, 255), true},
        {"bc2", Dds(4, 4, 0x4, "DXT3", 0, nullptr, bc2), qRgba(255, 255, 255, 0),
         qRgba(255, 255, 255, 136), true},
        {"bc3 ktx2", Ktx2(138, 4, 4, bc3), qRgba(255, 255, 255, 0), qRgba(255, 255, 255, 255),
         true},
        {"outside", Dds(2, 2, 0x4, "DXT5", 0, nullptr, bc3Outside), qRgb(255, 255, 255),
         qRgb(255, 255, 255), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage back =
            QByteArray(row.name).contains("ktx2") ? ReadKtx2(row.file) : ReadDds(row.file);
        EXPECT_EQ(back.hasAlphaChannel(), row.alpha);
        EXPECT_EQ(back.pixel(0, 0), row.texel0);
        EXPECT_EQ(back.pixel(1, 0), row.texel1);
    }
}

// Plain 24 and 32-bit pixels by their masks; alpha only with the alpha-pixels flag.
TEST_F(GpuTextureReaderTest, PixelsByTheirMasks) {
    // Two pixels: (10, 20, 30, 0) and (40, 50, 60, 255) as red, green, blue, alpha.
    const QByteArray bgra = Bytes({30, 20, 10, 0, 60, 50, 40, 255});
    const QByteArray rgba = Bytes({10, 20, 30, 0, 40, 50, 60, 255});
    const struct {
        const char* name;
        QByteArray file;
        QRgb first;
        bool alpha;
    } rows[] = {
        {"bgra", Dds(2, 1, 0x41, nullptr, 32, kBgraMasks, bgra), qRgba(10, 20, 30, 0), true},
        {"bgra, no flag", Dds(2, 1, 0x40, nullptr, 32, kBgraMasks, bgra), qRgb(10, 20, 30), false},
        {"rgba", Dds(2, 1, 0x41, nullptr, 32, kRgbaMasks, rgba), qRgba(10, 20, 30, 0), true},
        {"bgr", Dds(2, 1, 0x40, nullptr, 24, kBgrMasks, Bytes({30, 20, 10, 60, 50, 40})),
         qRgb(10, 20, 30), false},
        {"dx10 bgrx",
         Dds(2, 1, 0x4, "DX10", 0, nullptr,
             Le(88, 4) + Le(3, 4) + Le(0, 4) + Le(1, 4) + Le(0, 4) + bgra),
         qRgb(10, 20, 30), false},
        {"ktx2 rgba", Ktx2(43, 2, 1, rgba), qRgba(10, 20, 30, 0), true},
        {"ktx2 rgb", Ktx2(23, 2, 1, Bytes({10, 20, 30, 40, 50, 60})), qRgb(10, 20, 30), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage back =
            QByteArray(row.name).startsWith("ktx2") ? ReadKtx2(row.file) : ReadDds(row.file);
        EXPECT_EQ(back.hasAlphaChannel(), row.alpha);
        EXPECT_EQ(back.pixel(0, 0), row.first);
        EXPECT_EQ(back.pixel(1, 0), qRgb(40, 50, 60));
    }
}

// ASTC blocks made by ARM's astcenc program read as astcenc itself decodes them, from a .astc
// file and from the same blocks in a KTX2 file; and within the block size's loss of the source.
TEST_F(GpuTextureReaderTest, AstcReadsAsArmDecodesIt) {
    const QString png = dir_.filePath("source.png");
    ASSERT_TRUE(Gradient().save(png));
    const struct {
        const char* blocks;
        quint32 vkFormat;
        double leastPsnr;
    } rows[] = {{"4x4", 158, 40}, {"6x6", 166, 36}, {"8x8", 172, 32}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.blocks);
        const QString astc = dir_.filePath("out.astc");
        const QImage reference = armRoundTrip(png, astc, row.blocks, QImage::Format_BGR888);
        const QImage back = load(astc);
        EXPECT_EQ(back.format(), QImage::Format_BGR888);
        EXPECT_EQ(Psnr(back, reference), 99);
        EXPECT_GE(Psnr(back, Gradient()), row.leastPsnr);
        const QImage fromKtx2 = ReadKtx2(Ktx2(row.vkFormat, 61, 37, ReadFile(astc).mid(16)));
        EXPECT_EQ(Psnr(fromKtx2, reference), 99);
    }
    // A sprite on a transparent background keeps its alpha, texel for texel as astcenc decodes
    // it, colours under transparent texels included.
    const QString leaf = dir_.filePath("leaf.png"), astc = dir_.filePath("leaf.astc");
    RunConvert({"-size", "40x30", "xc:none", "-fill", "rgba(30,170,60,0.6)", "-draw",
                "ellipse 20,15 14,9 0,360", "PNG32:" + leaf});
    const QImage reference = armRoundTrip(leaf, astc, "4x4", QImage::Format_ARGB32);
    const QImage back = load(astc);
    ASSERT_EQ(back.format(), QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), reference.size());
    int transparent = 0;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x) {
            EXPECT_EQ(back.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
            transparent += qAlpha(back.pixel(x, y)) < 128;
        }
    EXPECT_GT(transparent, 100);  // the corners at least
}

// Every file we write up to the pixel limit reads back: a 16384 x 8192 BC1 file (64 MB) is
// taken, one pixel row more is too large; the largest 32-bit file with its chain is accepted
// unread.
TEST_F(GpuTextureReaderTest, LargestFilesAreAccepted) {
    const QString big =
        FileIn(dir_, "big.dds",
               Dds(16384, 8192, 0x4, "DXT1", 0, nullptr, QByteArray(4096 * 2048 * 8, '\0')));
    PictureHeader header;
    ASSERT_TRUE(ReadPictureHeader(big, header));
    EXPECT_EQ(header.width, 16384);
    EXPECT_EQ(header.height, 8192);
    EXPECT_EQ(header.depth, 24);
    // 128 Mi pixels of 4 bytes, with levels of a quarter, an eighth ... : under 4/3 of that.
    const qint64 largest = qint64(128) * 1024 * 1024 * 4 * 4 / 3 + 148;
    EXPECT_GE(MaxFileBytes(Decoder::Dds), largest);
    EXPECT_GE(MaxFileBytes(Decoder::Ktx2), largest);
    EXPECT_EQ(ErrorOf([&] { ReadDds(Dds(16384, 8193, 0x4, "DXT1", 0, nullptr, {})); }),
              QStringLiteral("image trop grande"));
}

// Cut, oversized, mislabelled and foreign files get one message each, and info no size.
TEST_F(GpuTextureReaderTest, DamagedFilesAreRefused) {
    const QImage source = Gradient(16, 16);
    const QByteArray dds = DdsFileBytes(RowsOf(source), {});  // BC1, 5 levels
    const QByteArray ktx2 = Ktx2FileBytes(RowsOf(source), {});
    auto changed = [](QByteArray file, qsizetype at, const QByteArray& bytes) {
        return file.replace(at, bytes.size(), bytes);
    };
    const QString damaged = QStringLiteral("fichier endommagé ou format invalide");
    const struct {
        const char* name;
        QByteArray bytes;
        QString reason;
    } rows[] = {
        {"cut.dds", dds.left(dds.size() - 1), damaged},
        {"header.dds", dds.left(100), damaged},
        {"no-width.dds", changed(dds, 16, Le(0, 4)), damaged},
        {"no-height.dds", changed(dds, 12, Le(0, 4)), damaged},
        {"dx10.dds", changed(dds, 84, "DX10"), damaged},    // no DX10 header after it
        {"mips.dds", changed(dds, 28, Le(6, 4)), damaged},  // 16 x 16 has 5 levels
        {"dxt5.dds", changed(dds, 84, "DXT5"), damaged},    // twice the bytes needed
        {"ktx2.dds", ktx2, damaged},
        {"huge.dds", changed(dds, 16, Le(1 << 30, 4)), QStringLiteral("image trop grande")},
        {"dxt2.dds", changed(dds, 84, "DXT2"),
         QStringLiteral("format de texture non pris en charge (DXT2)")},
        {"cube.dds", changed(dds, 112, Le(0xFE00, 4)),
         QStringLiteral("texture en volume, en cube ou en tableau, non prise en charge")},
        {"cut.ktx2", ktx2.left(ktx2.size() - 1), damaged},
        {"index.ktx2", changed(ktx2, 80, Le(ktx2.size() - 4, 8)), damaged},
        {"length.ktx2", changed(ktx2, 88, Le(1 << 20, 8)), damaged},
        {"huge-offset.ktx2", changed(ktx2, 80, Le(-8, 8)), damaged},
        {"bc3.ktx2", changed(ktx2, 12, Le(138, 4)), damaged},  // blocks of 16 bytes
        {"dds.ktx2", dds, damaged},
        {"levels.ktx2", changed(ktx2, 40, Le(6, 4)), damaged},
        {"huge.ktx2", changed(ktx2, 20, Le(1 << 30, 4)), QStringLiteral("image trop grande")},
        {"zstd.ktx2", changed(ktx2, 44, Le(2, 4)),
         QStringLiteral("texture supercompressée, non prise en charge")},
        {"basis.ktx2", changed(ktx2, 12, Le(0, 4)),
         QStringLiteral("format de texture non pris en charge (vkFormat 0)")},
        {"cut.astc",
         Le(0x5CA1AB13, 4) + Bytes({4, 4, 1}) + Le(8, 3) + Le(8, 3) + Le(1, 3) +
             QByteArray(16 * 3, '\0'),
         damaged},
        {"footprint.astc",
         Le(0x5CA1AB13, 4) + Bytes({7, 4, 1}) + Le(7, 3) + Le(4, 3) + Le(1, 3) +
             QByteArray(16, '\0'),
         damaged},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = FileIn(dir_, QString::fromLatin1(row.name), row.bytes);
        PictureHeader header;
        EXPECT_FALSE(ReadPictureHeader(path, header));
        EXPECT_EQ(LoadError(path),
                  QStringLiteral("Impossible de décoder l'image %1 : %2").arg(path, row.reason));
    }
}
