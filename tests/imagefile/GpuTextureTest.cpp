// DDS and KTX2 files checked field by field against the two formats, and read back by
// ImageMagick level by level against its own linear-light reduction of the picture.

#include <QTemporaryDir>
#include <cmath>

#include "ImageSamples.h"
#include "imagefile/GpuTexture.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;
using namespace tessella::imagefile;

namespace {

// Little-endian fields, byte by byte: a field past the end of a short file reads as zeros.
quint64 Field(const QByteArray& file, qsizetype at, int bytes) {
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | quint8(at + i < file.size() ? file[at + i] : 0);
    return value;
}
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
        source_ = dir_.filePath(QStringLiteral("surface.png"));
        RunConvert({QStringLiteral("-size"), QStringLiteral("64x64"), QStringLiteral("-seed"),
                    QStringLiteral("5"), QStringLiteral("plasma:fractal"), QStringLiteral("-blur"),
                    QStringLiteral("0x2"), QStringLiteral("-modulate"), QStringLiteral("100,40"),
                    QStringLiteral("+level"), QStringLiteral("25%,70%"), QStringLiteral("-depth"),
                    QStringLiteral("8"), QStringLiteral("PNG24:") + source_});
        ASSERT_TRUE(image_.load(source_));
        image_ = image_.convertToFormat(QImage::Format_BGR888);
    }

    // ImageMagick's box reduction of the source to w x h in linear light, as RGB bytes.
    QByteArray Reference(int w, int h) {
        return RunConvert({source_, QStringLiteral("-colorspace"), QStringLiteral("RGB"),
                           QStringLiteral("-scale"), QStringLiteral("%1x%2!").arg(w).arg(h),
                           QStringLiteral("-colorspace"), QStringLiteral("sRGB"),
                           QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgb:-")});
    }

    // ImageMagick's reading of one level, as RGB bytes.
    QByteArray Decoded(const Level& level, const char* fourCc) {
        const QString path = dir_.filePath(QStringLiteral("level.dds"));
        WriteFile(path, DdsOfOneLevel(level, fourCc));
        return RunConvert(
            {path, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgb:-")});
    }

    QTemporaryDir dir_;
    QString source_;
    QImage image_;
};

}  // namespace

// The legacy header: magic, size 124, flags with DDSD_MIPMAPCOUNT and the linear size of the
// top level (blocks) or its row pitch (24-bit), the pixel format's FourCC or masks, the caps.
// 61 x 37 has 6 levels: 61x37, 30x18, 15x9, 7x4, 3x2, 1x1.
TEST_F(GpuTextureTest, DdsHeaderFollowsTheFormat) {
    const QImage picture = image_.copy(0, 0, 61, 37);
    struct Row {
        GpuBlockFormat format;
        bool mipmaps;
        quint32 flags, pitchOrLinearSize, levels, pixelFlags;
        const char* fourCc;
        quint32 bits, caps, fileSize;
    };
    const Row rows[] = {
        {GpuBlockFormat::Bc1, true, 0xA1007, 16 * 10 * 8, 6, 0x4, "DXT1", 0, 0x401008, 128 + 1728},
        {GpuBlockFormat::Bc3, true, 0xA1007, 16 * 10 * 16, 6, 0x4, "DXT5", 0, 0x401008, 128 + 3456},
        {GpuBlockFormat::Bc5, true, 0xA1007, 16 * 10 * 16, 6, 0x4, "ATI2", 0, 0x401008, 128 + 3456},
        {GpuBlockFormat::Rgb, true, 0x2100F, 61 * 3, 6, 0x40, "\0\0\0\0", 24, 0x401008, 128 + 8901},
        {GpuBlockFormat::Bc1, false, 0xA1007, 16 * 10 * 8, 1, 0x4, "DXT1", 0, 0x1000, 128 + 1280},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.format));
        const QByteArray file =
            DdsFileBytes(RowsOf(picture), {.format = row.format, .mipmaps = row.mipmaps});
        ASSERT_EQ(file.size(), qsizetype(row.fileSize));
        EXPECT_EQ(file.left(4), "DDS ");
        EXPECT_EQ(U32(file, 4), 124u);
        EXPECT_EQ(U32(file, 8), row.flags);
        EXPECT_EQ(U32(file, 12), 37u);
        EXPECT_EQ(U32(file, 16), 61u);
        EXPECT_EQ(U32(file, 20), row.pitchOrLinearSize);
        EXPECT_EQ(U32(file, 28), row.levels);
        EXPECT_EQ(U32(file, 76), 32u);
        EXPECT_EQ(U32(file, 80), row.pixelFlags);
        EXPECT_EQ(file.mid(84, 4), QByteArray(row.fourCc, 4));
        EXPECT_EQ(U32(file, 88), row.bits);
        if (row.bits) {
            EXPECT_EQ(U32(file, 92), 0xFF0000u);
            EXPECT_EQ(U32(file, 100), 0xFFu);
        }
        EXPECT_EQ(U32(file, 108), row.caps);
    }
}

// The KTX2 header, the level index (level 0 first in the index, the smallest level first in
// the file, each on a multiple of its block size), the key/value data and the data format
// descriptor: its model, transfer, block size and one sample per channel.
TEST_F(GpuTextureTest, Ktx2HeaderIndexAndDescriptorFollowTheFormat) {
    const QImage picture = image_.copy(0, 0, 61, 37);
    struct Sample {
        quint16 offset;
        quint8 bitsLessOne, channel;
        quint32 upper;
    };
    struct Row {
        GpuBlockFormat format;
        quint32 vkFormat;
        quint8 model, transfer, blockSideLessOne, bytesPlane0;
        std::vector<Sample> samples;
    };
    const Row rows[] = {
        {GpuBlockFormat::Bc1, 132, 128, 2, 3, 8, {{0, 63, 0, 0xFFFFFFFF}}},
        {GpuBlockFormat::Bc3,
         138,
         130,
         2,
         3,
         16,
         {{0, 63, 0x1F, 0xFFFFFFFF}, {64, 63, 0, 0xFFFFFFFF}}},
        {GpuBlockFormat::Bc5,
         141,
         132,
         1,
         3,
         16,
         {{0, 63, 0, 0xFFFFFFFF}, {64, 63, 1, 0xFFFFFFFF}}},
        {GpuBlockFormat::Rgb,
         43,
         1,
         2,
         0,
         4,
         {{0, 7, 0, 255}, {8, 7, 1, 255}, {16, 7, 2, 255}, {24, 7, 0x1F, 255}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.vkFormat);
        const QByteArray file = Ktx2FileBytes(RowsOf(picture), {.format = row.format});
        EXPECT_EQ(file.left(12), QByteArray("\xABKTX 20\xBB\r\n\x1A\n", 12));
        EXPECT_EQ(U32(file, 12), row.vkFormat);
        EXPECT_EQ(U32(file, 16), 1u);  // typeSize
        EXPECT_EQ(U32(file, 20), 61u);
        EXPECT_EQ(U32(file, 24), 37u);
        EXPECT_EQ(U32(file, 28), 0u);  // depth
        EXPECT_EQ(U32(file, 32), 0u);  // layers
        EXPECT_EQ(U32(file, 36), 1u);  // faces
        ASSERT_EQ(U32(file, 40), 6u);
        EXPECT_EQ(U32(file, 44), 0u);  // supercompression
        const quint32 dfdOffset = U32(file, 48), dfdLength = U32(file, 52);
        const quint32 kvdOffset = U32(file, 56), kvdLength = U32(file, 60);
        EXPECT_EQ(dfdOffset, 80u + 24 * 6);
        EXPECT_EQ(dfdLength, 4 + 24 + 16 * row.samples.size());
        EXPECT_EQ(kvdOffset, dfdOffset + dfdLength);
        EXPECT_EQ(kvdLength % 4, 0u);
        EXPECT_EQ(U64(file, 64), 0u);
        EXPECT_EQ(U64(file, 72), 0u);
        EXPECT_TRUE(file.mid(kvdOffset + 4, kvdLength - 4).startsWith("KTXwriter\0"));

        const qsizetype dfd = dfdOffset;
        EXPECT_EQ(U32(file, dfd), dfdLength);
        EXPECT_EQ(U32(file, dfd + 4), 0u);  // Khronos, basic block
        EXPECT_EQ(U32(file, dfd + 8), 2u | (dfdLength - 4) << 16);
        EXPECT_EQ(uchar(file[dfd + 12]), row.model);
        EXPECT_EQ(uchar(file[dfd + 13]), 1);  // BT.709 primaries
        EXPECT_EQ(uchar(file[dfd + 14]), row.transfer);
        EXPECT_EQ(uchar(file[dfd + 15]), 0);
        EXPECT_EQ(U32(file, dfd + 16), quint32(row.blockSideLessOne * 0x101));
        EXPECT_EQ(uchar(file[dfd + 20]), row.bytesPlane0);
        for (std::size_t s = 0; s < row.samples.size(); ++s) {
            const qsizetype at = dfd + 28 + 16 * qsizetype(s);
            EXPECT_EQ(Field(file, at, 2), row.samples[s].offset);
            EXPECT_EQ(uchar(file[at + 2]), row.samples[s].bitsLessOne);
            EXPECT_EQ(uchar(file[at + 3]), row.samples[s].channel);
            EXPECT_EQ(U32(file, at + 4), 0u);
            EXPECT_EQ(U32(file, at + 8), 0u);
            EXPECT_EQ(U32(file, at + 12), row.samples[s].upper);
        }

        const quint64 alignment = row.bytesPlane0 == 4 ? 4 : row.bytesPlane0;
        quint64 previousOffset = file.size();
        for (int n = 0; n < 6; ++n) {
            const quint64 offset = U64(file, 80 + 24 * n), length = U64(file, 88 + 24 * n);
            const int w = Side(61, n), h = Side(37, n);
            EXPECT_EQ(length,
                      quint64(row.blockSideLessOne ? LevelBytes(w, h, row.bytesPlane0) : w * h * 4))
                << n;
            EXPECT_EQ(U64(file, 96 + 24 * n), length) << n;
            EXPECT_EQ(offset % alignment, 0u) << n;
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
        {false, GpuBlockFormat::Bc1, "DXT1", 30},  {false, GpuBlockFormat::Bc3, "DXT5", 30},
        {false, GpuBlockFormat::Rgb, nullptr, 45}, {true, GpuBlockFormat::Bc1, "DXT1", 30},
        {true, GpuBlockFormat::Bc3, "DXT5", 30},
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

// BC5 keeps red in the first half of each block and green in the second (ImageMagick 6 reads
// no BC5: the blocks are decoded here).
TEST_F(GpuTextureTest, Bc5KeepsRedThenGreen) {
    const QByteArray file = DdsFileBytes(RowsOf(image_), {.format = GpuBlockFormat::Bc5});
    const auto levels = DdsLevels(file, 16, 0);
    ASSERT_EQ(levels.size(), 7u);
    QByteArray red(64 * 64, '\0'), green(64 * 64, '\0'), sourceRed, sourceGreen;
    for (int block = 0; block < 16 * 16; ++block) {
        const auto* bytes =
            reinterpret_cast<const uchar*>(levels[0].bytes.constData()) + 16 * block;
        uchar r[16], g[16];
        DecodeBc4(bytes, r);
        DecodeBc4(bytes + 8, g);
        for (int t = 0; t < 16; ++t) {
            const int at = (block / 16 * 4 + t / 4) * 64 + block % 16 * 4 + t % 4;
            red[at] = char(r[t]), green[at] = char(g[t]);
        }
    }
    for (int i = 0; i < 64 * 64; ++i) {
        const uchar* p = image_.constScanLine(i / 64) + 3 * (i % 64);  // blue, green, red
        sourceRed += char(p[2]), sourceGreen += char(p[1]);
    }
    EXPECT_GE(Psnr(red, sourceRed), 40);
    EXPECT_GE(Psnr(green, sourceGreen), 40);
}

// A cut, oversized or foreign DDS gets the decoder's one message, and info no size.
TEST_F(GpuTextureTest, DamagedDdsGetsItsMessage) {
    const QByteArray good = DdsFileBytes(RowsOf(image_), {});
    auto changed = [&good](qsizetype at, const QByteArray& bytes) {
        QByteArray file = good;
        file.replace(at, bytes.size(), bytes);
        return file;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } rows[] = {
        {"header.dds", good.left(100), "fichier endommagé ou format invalide"},
        {"cut.dds", good.left(600), "fichier endommagé ou format invalide"},
        {"no-height.dds", changed(12, Le(0, 4)), "fichier endommagé ou format invalide"},
        {"dx10.dds", changed(84, "DX10"), "fichier endommagé ou format invalide"},
        {"huge.dds", changed(16, Le(1 << 30, 4)), "image trop grande"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir_.filePath(QString::fromLatin1(row.name));
        WriteFile(path, row.bytes);
        tessella::imagefile::PictureHeader header;
        EXPECT_FALSE(ReadPictureHeader(path, header));
        QImage image;
        EXPECT_EQ(ErrorOf([&] { LoadImageByExtension(path, image); }),
                  QStringLiteral("Impossible de décoder l'image %1 : %2")
                      .arg(path, QString::fromUtf8(row.reason)));
    }
    const QString path = dir_.filePath(QStringLiteral("good.dds"));
    WriteFile(path, good);
    tessella::imagefile::PictureHeader header;
    ASSERT_TRUE(ReadPictureHeader(path, header));
    EXPECT_EQ(header.width, 64);
    EXPECT_EQ(header.depth, 24);
}

// convert takes its texture options anywhere before "--", only for .dds and .ktx2.
TEST_F(GpuTextureTest, ConvertWritesTexturesWithItsOptions) {
    const QString dds = dir_.filePath(QStringLiteral("mur.dds"));
    const QString ktx2 = dir_.filePath(QStringLiteral("mur.ktx2"));
    const QString png = dir_.filePath(QStringLiteral("back.png"));
    const struct {
        QStringList args;
        int code;
        QString file;
        qsizetype at;
        QByteArray expected;
    } rows[] = {
        {{source_, dds}, 0, dds, 84, "DXT1"},
        {{source_, dds}, 0, dds, 28, Le(7, 4)},
        {{QStringLiteral("--bc3"), source_, dds}, 0, dds, 84, "DXT5"},
        {{source_, dds, QStringLiteral("--bc5")}, 0, dds, 84, "ATI2"},
        {{source_, dds, QStringLiteral("--no-mipmaps")}, 0, dds, 28, Le(1, 4)},
        {{source_, ktx2, QStringLiteral("--rgb"), QStringLiteral("--no-mipmaps")},
         0,
         ktx2,
         12,
         Le(43, 4) + Le(1, 4)},
        {{source_, png, QStringLiteral("--bc1")}, 2, {}, 0, {}},
        {{QStringLiteral("--bc1"), QStringLiteral("--bc5"), source_, dds}, 2, {}, 0, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliResult run = Cli(QStringList{QStringLiteral("convert")} + row.args);
        EXPECT_EQ(run.code, row.code) << run.err.toStdString();
        if (!row.file.isEmpty()) {
            EXPECT_EQ(ReadFile(row.file).mid(row.at, row.expected.size()), row.expected);
        }
    }
    ASSERT_EQ(Cli({QStringLiteral("convert"), source_, dds}).code, 0);
    const CliResult back = Cli({QStringLiteral("convert"), dds, png});
    EXPECT_EQ(back.code, 0) << back.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(64, 64));
}
