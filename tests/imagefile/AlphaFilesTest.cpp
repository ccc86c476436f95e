// Transparency in the files: every reader keeps alpha apart from the colours (colours under a
// transparent texel stay as stored), the writers give RGBA PNG and 32-bit TGA only for a
// picture with alpha, and opaque pictures keep their 24-bit files.

#include <libdeflate.h>

#include <QTemporaryDir>
#include <QtEndian>
#include <array>
#include <vector>

#include "ImageSamples.h"
#include "imagefile/BmpReader.h"
#include "imagefile/BmpWriter.h"
#include "imagefile/IconReader.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/PngWriter.h"
#include "imagefile/QtFormatReader.h"
#include "imagefile/TgaReader.h"
#include "imagefile/TgaWriter.h"
#include "pixels/WorkingPicture.h"

using namespace imagetest;
using namespace tessella::imagefile;
using tessella::pixels::PixelGrid;
using tessella::pixels::WorkingPicture;

namespace {

// Red, green, blue, alpha.
using Texel = std::array<int, 4>;
using Texels = std::vector<Texel>;

// A picture one row high of the texels given; a plane only when one is below 255.
PixelGrid Row(const Texels& texels) {
    PixelGrid grid(int(texels.size()), 1);
    grid.addAlpha();
    for (int x = 0; x < grid.width(); ++x) {
        const Texel& t = texels[std::size_t(x)];
        grid.at(x, 0) = {uint8_t(t[2]), uint8_t(t[1]), uint8_t(t[0])};
        grid.alphaRow(0)[x] = uint8_t(t[3]);
    }
    grid.settleAlpha();
    return grid;
}

Texels TexelsOf(const PixelGrid& grid) {
    Texels out;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const auto c = grid.at(x, y);
            out.push_back({c.r, c.g, c.b, grid.alphaAt(x, y)});
        }
    return out;
}

// The picture as the working array loads it: the plane where a texel is below 255.
PixelGrid Loaded(QImage image) {
    WorkingPicture work;
    work.load(image);
    return work.image();
}

PixelGrid LoadedFile(const QString& path) {
    QImage image;
    EXPECT_TRUE(LoadImageByExtension(path, image)) << path.toStdString();
    return image.isNull() ? PixelGrid() : Loaded(image);
}

// The texels of bytes saved in dir under name and loaded as a file.
Texels TexelsOfFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = FileIn(dir, name, bytes);
    return TexelsOf(LoadedFile(path));
}

QByteArray Written(const BgrRows& rows,
                   void (*write)(const BgrRows&, tessella::platform::ByteSink&)) {
    QByteArray out;
    AppendingSink sink(out);
    write(rows, sink);
    return out;
}

// A PNG of one row (filter byte 0, then the samples), with chunks before the pixels.
QByteArray Png(int colourType, int bits, int width, const QByteArray& samples,
               const QByteArray& chunks = {}) {
    const QByteArray raw = Bytes({0}) + samples;
    libdeflate_compressor* c = libdeflate_alloc_compressor(6);
    QByteArray packed(qsizetype(libdeflate_zlib_compress_bound(c, std::size_t(raw.size()))), '\0');
    packed.resize(qsizetype(libdeflate_zlib_compress(c, raw.constData(), std::size_t(raw.size()),
                                                     packed.data(), std::size_t(packed.size()))));
    libdeflate_free_compressor(c);
    const QByteArray header = Be(width, 4) + Be(1, 4) + Bytes({bits, colourType, 0, 0, 0});
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", header) + chunks +
           PngChunk("IDAT", packed) + PngChunk("IEND", {});
}

// The filtered rows a PNG file holds (its IDAT chunks inflated), and its IHDR's colour type.
QByteArray PngRows(const QByteArray& file, int& colourType) {
    QByteArray packed;
    colourType = uchar(file[25]);
    for (qsizetype at = 8; at + 12 <= file.size();) {
        const qsizetype length = qFromBigEndian<quint32>(file.constData() + at);
        if (file.mid(at + 4, 4) == "IDAT") packed += file.mid(at + 8, length);
        at += 12 + length;
    }
    QByteArray raw(1 << 16, '\0');
    std::size_t got = 0;
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    EXPECT_EQ(libdeflate_zlib_decompress(d, packed.constData(), std::size_t(packed.size()),
                                         raw.data(), std::size_t(raw.size()), &got),
              LIBDEFLATE_SUCCESS);
    libdeflate_free_decompressor(d);
    return raw.left(qsizetype(got));
}

// A sprite's edge: a soft texel, a transparent one whose colours are data, an opaque one.
const Texels kEdge = {{200, 30, 30, 100}, {12, 34, 56, 0}, {7, 8, 9, 255}};
// Its first two texels, and as a file stores them: blue, green, red, alpha.
const Texels kSoftAndClear = {kEdge[0], kEdge[1]};
const QByteArray kSoftAndClearBgra = Bytes({30, 30, 200, 100, 56, 34, 12, 0});

// A BMP of one row of 2 texels whose bit fields have an alpha mask: the masks of red, green,
// blue and alpha in a header of headerSize bytes (108: version 4, 124: version 5).
QByteArray MaskedBmp(int bits, int headerSize, std::array<int64_t, 4> masks,
                     const QByteArray& pixels) {
    QByteArray fields;
    for (int64_t v : masks) fields += Le(v, 4);
    return Bmp({.bits = bits,
                .height = 1,
                .compression = 3,
                .headerSize = headerSize,
                .masks = fields + QByteArray(headerSize - 56, '\0'),
                .pixels = pixels});
}
const std::array<int64_t, 4> kUsualMasks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};

}  // namespace

// The page writer: 32 bits with attribute bits 8 only for a picture with alpha, blue, green,
// red, alpha from the top row; an opaque picture keeps the 24-bit page, byte for byte.
TEST(AlphaFiles, TgaPageIs32BitsOnlyWithAlpha) {
    const QByteArray withAlpha = Written(RowsOf(Row(kEdge)), WritePageTga);
    EXPECT_EQ(withAlpha,
              Bytes({0,  0,  2,   0,   0,  0,  1,  24, 0, 0, 0, 0,  3, 0, 1, 0, 32, 0x28,  //
                     30, 30, 200, 100, 56, 34, 12, 0,  9, 8, 7, 255}));
    const QByteArray opaque = Written(RowsOf(Row({{1, 2, 3, 255}, {4, 5, 6, 255}})), WritePageTga);
    EXPECT_EQ(opaque, Bytes({0, 0, 2, 0, 0, 0, 1, 24, 0, 0, 0, 0, 2, 0, 1, 0, 24, 0x20,  //
                             3, 2, 1, 6, 5, 4}));
    // From a bitmap: ARGB32 with a texel below 255 gives the same 32-bit file; one whose alpha
    // is 255 everywhere is an opaque page.
    QImage image(3, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 3; ++x) {
        const Texel& t = kEdge[std::size_t(x)];
        image.setPixel(x, 0, qRgba(t[0], t[1], t[2], t[3]));
    }
    EXPECT_EQ(WritePageTga(image), withAlpha);
    // 1 x 2, top row first.
    image = image.copy(0, 0, 1, 2);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(0, 1, qRgb(4, 5, 6));
    EXPECT_EQ(WritePageTga(image),
              Bytes({0, 0, 2, 0, 0, 0, 1, 24, 0, 0, 0, 0, 1, 0, 2, 0, 24, 0x20, 3, 2, 1, 6, 5, 4}));
}

// What a 32-bit TGA's fourth byte means: alpha with attribute bits 8; with 0, alpha too unless
// it is 0 everywhere (old writers left it empty), then the picture is opaque. Any origin.
TEST(AlphaFiles, TgaFourthByteFollowsTheAttributeBits) {
    const QByteArray& pixels = kSoftAndClearBgra;  // left, right
    QByteArray empty = pixels;
    empty[3] = 0;
    const struct {
        const char* name;
        int type, descriptor;
        QByteArray pixels;
        Texels expected;
    } rows[] = {
        {"attribute 0, alpha", 2, 0x20, pixels, kSoftAndClear},
        {"attribute 0, empty", 2, 0x20, empty, {{200, 30, 30, 255}, {12, 34, 56, 255}}},
        {"attribute 8, empty", 2, 0x28, empty, {{200, 30, 30, 0}, {12, 34, 56, 0}}},
        {"right to left", 2, 0x38, pixels, {{12, 34, 56, 0}, {200, 30, 30, 100}}},
        {"run length", 10, 0x28, Bytes({0x81, 1, 2, 3, 9}), {{3, 2, 1, 9}, {3, 2, 1, 9}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TgaSpec spec{.type = row.type, .bits = 32, .descriptor = row.descriptor, .height = 1};
        spec.pixels = row.pixels;
        const PixelGrid grid = Loaded(ReadTga(Tga(spec)));
        EXPECT_EQ(TexelsOf(grid), row.expected);
    }
    // Bottom-up rows: the file's first row is the picture's last.
    TgaSpec tall{.bits = 32, .descriptor = 0x08, .width = 1, .height = 2};
    tall.pixels = Bytes({1, 2, 3, 40, 4, 5, 6, 50});
    EXPECT_EQ(TexelsOf(Loaded(ReadTga(Tga(tall)))), (Texels{{6, 5, 4, 50}, {3, 2, 1, 40}}));
}

// Written and read back, every writer that keeps alpha keeps it texel for texel, with the
// colours under transparent texels; BMP keeps the colours and leaves the alpha out.
TEST(AlphaFiles, RoundTripsThroughEachFile) {
    QTemporaryDir dir;
    const PixelGrid picture = Row(kEdge);
    ASSERT_TRUE(picture.hasAlpha());
    const struct {
        const char* file;
        void (*write)(const BgrRows&, tessella::platform::ByteSink&);
        bool keepsAlpha;
    } rows[] = {
        {"a.tga", WritePageTga, true}, {"a.png", WritePng24, true}, {"a.bmp", WriteBmp24, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const QString path = FileIn(dir, row.file, Written(RowsOf(picture), row.write));
        const PixelGrid back = LoadedFile(path);
        Texels expected = kEdge;
        if (!row.keepsAlpha)
            for (Texel& t : expected) t[3] = 255;
        EXPECT_EQ(TexelsOf(back), expected);
        // A bitmap with alpha (the editor's stored picture) writes the same file.
        QImage stored;
        WorkingPicture work;
        work.image() = picture;
        work.store(stored);
        BgrRows storedRows = RowsOf(stored);
        storedRows.dotsPerMeterX = storedRows.dotsPerMeterY = 0;
        EXPECT_EQ(Written(storedRows, row.write), ReadFile(path));
    }
    // A BMP from a picture with alpha is the BMP of its colours alone.
    EXPECT_EQ(
        Written(RowsOf(picture), WriteBmp24),
        Written(RowsOf(Row({{200, 30, 30, 255}, {12, 34, 56, 255}, {7, 8, 9, 255}})), WriteBmp24));
}

// The PNG writer: colour type 6 and red, green, blue, alpha rows for a picture with alpha;
// colour type 2 and red, green, blue rows for an opaque one. Each row less the row above.
TEST(AlphaFiles, PngIsRgbaOnlyWithAlpha) {
    PixelGrid picture(2, 2);
    picture.at(0, 0) = {3, 2, 1};
    picture.at(1, 0) = {6, 5, 4};
    picture.at(0, 1) = {13, 12, 11};
    picture.at(1, 1) = {6, 5, 4};
    int colourType = 0;
    EXPECT_EQ(PngRows(Written(RowsOf(picture), WritePng24), colourType),
              Bytes({2, 1, 2, 3, 4, 5, 6, 2, 10, 10, 10, 0, 0, 0}));
    EXPECT_EQ(colourType, 2);
    picture.addAlpha();
    picture.alphaRow(0)[1] = 0;
    picture.alphaRow(1)[1] = 7;
    EXPECT_EQ(PngRows(Written(RowsOf(picture), WritePng24), colourType),
              Bytes({2, 1, 2, 3, 255, 4, 5, 6, 0, 2, 10, 10, 10, 0, 0, 0, 0, 7}));
    EXPECT_EQ(colourType, 6);
}

// Qt's PNG reader, as the loader uses it: every kind with alpha keeps it apart from the colours.
TEST(AlphaFiles, PngKindsWithAlphaKeepIt) {
    QTemporaryDir dir;
    const QByteArray palette = PngChunk("PLTE", Bytes({200, 30, 30, 12, 34, 56, 7, 8, 9}));
    const struct {
        const char* name;
        QByteArray file;
        Texels expected;
    } rows[] = {
        // 0xC8C8 is 200 x 257, 0x1E1E 30 x 257, 0x6464 100 x 257: 8 bits exactly.
        {"rgba 16",
         Png(6, 16, 2,
             Bytes({0xC8, 0xC8, 0x1E, 0x1E, 0x1E, 0x1E, 0x64, 0x64, 12, 12, 34, 34, 56, 56, 0, 0})),
         kSoftAndClear},
        {"grey and alpha",
         Png(4, 8, 2, Bytes({50, 0, 77, 128})),
         {{50, 50, 50, 0}, {77, 77, 77, 128}}},
        {"grey and alpha 16", Png(4, 16, 1, Bytes({0x32, 0x32, 0x80, 0x80})), {{50, 50, 50, 128}}},
        {"palette and tRNS",
         Png(3, 8, 3, Bytes({0, 1, 2}), palette + PngChunk("tRNS", Bytes({100, 0}))),
         {{200, 30, 30, 100}, {12, 34, 56, 0}, {7, 8, 9, 255}}},
        {"rgb and its transparent colour",
         Png(2, 8, 2, Bytes({12, 34, 56, 7, 8, 9}), PngChunk("tRNS", Bytes({0, 12, 0, 34, 0, 56}))),
         {{12, 34, 56, 0}, {7, 8, 9, 255}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(TexelsOfFile(dir, "a.png", row.file), row.expected);
    }
}

// A damaged transparency chunk gets PNG's one message, as any damaged PNG does.
TEST(AlphaFiles, DamagedPngTransparencyIsRefused) {
    QTemporaryDir dir;
    const QByteArray palette = PngChunk("PLTE", Bytes({200, 30, 30, 12, 34, 56}));
    QByteArray badCrc = PngChunk("tRNS", Bytes({100, 0}));
    badCrc[badCrc.size() - 1] = char(badCrc[badCrc.size() - 1] ^ 1);
    const struct {
        const char* name;
        QByteArray file;
    } rows[] = {
        {"longer than the palette",
         Png(3, 8, 2, Bytes({0, 1}), palette + PngChunk("tRNS", Bytes({100, 0, 50})))},
        {"before the palette",
         Png(3, 8, 2, Bytes({0, 1}), PngChunk("tRNS", Bytes({100})) + palette)},
        {"checksum wrong", Png(3, 8, 2, Bytes({0, 1}), palette + badCrc)},
        {"rgb key of 4 bytes",
         Png(2, 8, 1, Bytes({1, 2, 3}), PngChunk("tRNS", Bytes({0, 1, 0, 2})))},
        {"on rgba pixels", Png(6, 8, 1, Bytes({1, 2, 3, 4}), PngChunk("tRNS", Bytes({0, 1})))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = FileIn(dir, "damaged.png", row.file);
        EXPECT_EQ(LoadError(path), QStringLiteral("%1 (%2)").arg(kPngInvalidMessage, path));
        PictureHeader header;
        EXPECT_FALSE(ReadPictureHeader(path, header));  // the full load answers, with its message
    }
}

// BMP files with an alpha mask beside their bit fields (version 4 and 5 headers).
TEST(AlphaFiles, BmpAlphaMaskIsKept) {
    const struct {
        const char* name;
        QByteArray file;
        Texels expected;
    } rows[] = {
        {"v5, the usual masks", MaskedBmp(32, 124, kUsualMasks, kSoftAndClearBgra), kSoftAndClear},
        {"v4, alpha in the low byte",
         MaskedBmp(32, 108, {0xFF00, 0xFF0000, 0xFF000000, 0xFF},
                   Bytes({100, 200, 30, 30, 0, 12, 34, 56})),
         kSoftAndClear},
        // 4 bits a channel, times 17: 0x6321 is alpha 6, red 3, green 2, blue 1.
        {"v5, 4-4-4-4",
         MaskedBmp(16, 124, {0x0F00, 0x00F0, 0x000F, 0xF000}, Bytes({0x21, 0x63, 0x54, 0x0F})),
         {{51, 34, 17, 102}, {255, 85, 68, 0}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(TexelsOf(Loaded(ReadBmp(row.file))), row.expected);
        PictureHeader header;
        ASSERT_TRUE(ReadBmpHeader(row.file, row.file.size(), header));
        EXPECT_EQ(header.depth, 32);
    }
    // Without an alpha mask the fourth byte is not alpha, as before.
    BmpSpec plain{.bits = 32, .height = 1, .pixels = kSoftAndClearBgra};
    EXPECT_EQ(TexelsOf(Loaded(ReadBmp(Bmp(plain)))),
              (Texels{{200, 30, 30, 255}, {12, 34, 56, 255}}));
}

// The decoder process hands colours and alpha back apart: a soft edge stays (200, 30, 30) at
// alpha 100, not (234, 170, 170) over white; a transparent texel keeps its colours.
TEST(AlphaFiles, DecoderProcessKeepsColoursAndAlphaApart) {
    QTemporaryDir dir;
    // A hand-made TIFF of 2 x 1 RGBA pixels, unassociated alpha, one strip, little-endian.
    const QByteArray pixels = Bytes({200, 30, 30, 100, 12, 34, 56, 0});
    const int entries = 10;
    const int bitsAt = 8 + 2 + 12 * entries + 4, pixelsAt = bitsAt + 8;
    QByteArray tiff = QByteArray("II*\0", 4) + Le(8, 4) + Le(entries, 2);
    auto entry = [&](int tag, int type, int count, int64_t value) {
        tiff += Le(tag, 2) + Le(type, 2) + Le(count, 4) + Le(value, 4);
    };
    entry(256, 3, 1, 2);         // width
    entry(257, 3, 1, 1);         // height
    entry(258, 3, 4, bitsAt);    // 8 bits a sample
    entry(259, 3, 1, 1);         // not compressed
    entry(262, 3, 1, 2);         // RGB
    entry(273, 4, 1, pixelsAt);  // the strip
    entry(277, 3, 1, 4);         // samples a pixel
    entry(278, 3, 1, 1);         // rows a strip
    entry(279, 4, 1, 8);         // the strip's bytes
    entry(338, 3, 1, 2);         // the fourth sample: unassociated alpha
    tiff += Le(0, 4) + Le(8, 2) + Le(8, 2) + Le(8, 2) + Le(8, 2) + pixels;
    EXPECT_EQ(TexelsOfFile(dir, "edge.tif", tiff), kSoftAndClear);
    const QString tif = dir.filePath("edge.tif");
    // The same picture as PSD, written by ImageMagick: its first frame (the merged picture) as
    // ImageMagick reads it, alpha apart (1 apart at most where it rounds 16-bit colours).
    const QString psd = dir.filePath("edge.psd");
    RunConvert({tif, psd});
    const QByteArray theirs = RunConvert({psd + "[0]", "-depth", "8", "rgba:-"});
    ASSERT_EQ(theirs.size(), 8);
    const Texels ours = TexelsOf(LoadedFile(psd));
    ASSERT_EQ(ours.size(), 2u);
    for (int i = 0; i < 8; ++i)
        EXPECT_NEAR(ours[std::size_t(i / 4)][std::size_t(i % 4)], uchar(theirs[i]),
                    i % 4 == 3 ? 0 : 1);
    // info: 32 bits, and the header-only reading leaves it to the full load.
    PictureHeader header;
    EXPECT_FALSE(ReadPictureHeader(tif, header));
    QImage image;
    int depth = 0;
    ASSERT_TRUE(LoadImageByExtension(tif, image, depth));
    EXPECT_EQ(depth, 32);
}

// info says 32 for a picture with alpha, the header alone and the full load alike.
TEST(AlphaFiles, InfoSaysThirtyTwoForAlpha) {
    QTemporaryDir dir;
    TgaSpec tga{.bits = 32, .descriptor = 0x28, .height = 1};
    tga.pixels = kSoftAndClearBgra;
    const struct {
        const char* file;
        QByteArray bytes;
    } rows[] = {
        {"a.tga", Tga(tga)},
        {"a.png", Png(6, 8, 2, Bytes({200, 30, 30, 100, 12, 34, 56, 0}))},
        {"a.bmp", MaskedBmp(32, 124, kUsualMasks, kSoftAndClearBgra)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const QString path = FileIn(dir, row.file, row.bytes);
        PictureHeader header;
        ASSERT_TRUE(ReadPictureHeader(path, header));
        EXPECT_EQ(header.depth, 32);
        QImage image;
        int depth = 0;
        ASSERT_TRUE(LoadImageByExtension(path, image, depth));
        EXPECT_EQ(depth, 32);
        const CliResult info = Cli({"info", path});
        EXPECT_EQ(info.out.trimmed(), QStringLiteral("2x1 32"));
    }
    // A DDS of BC3 blocks with alpha, made by ImageMagick: the header reading looks at the
    // blocks and agrees with the full load.
    const QString dds = dir.filePath("a.dds");
    RunConvert({"-size", "4x4", "xc:rgba(200,30,30,0.5)", "-define", "dds:compression=dxt5",
                "-define", "dds:mipmaps=0", dds});
    PictureHeader header;
    ASSERT_TRUE(ReadPictureHeader(dds, header));
    EXPECT_EQ(header.depth, 32);
    EXPECT_EQ(Cli({"info", dds}).out.trimmed(), QStringLiteral("4x4 32"));
}

// convert keeps alpha to PNG and TGA; to BMP it keeps the colours and says the alpha was left
// out.
TEST(AlphaFiles, ConvertKeepsAlphaOrSaysItLeftItOut) {
    QTemporaryDir dir;
    const QString source = FileIn(dir, "edge.png", Written(RowsOf(Row(kEdge)), WritePng24));
    for (const char* name : {"out.tga", "out.png", "again.png"}) {
        SCOPED_TRACE(name);
        const QString from =
            QString::fromLatin1(name) == "again.png" ? dir.filePath("out.tga") : source;
        const QString out = dir.filePath(name);
        const CliResult run = Cli({"convert", from, out});
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, QString());
        EXPECT_EQ(TexelsOf(LoadedFile(out)), kEdge);
    }
    const QString bmp = dir.filePath("out.bmp");
    const CliResult run = Cli({"convert", source, bmp});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err.trimmed(), kBmpAlphaLeftOutMessage.arg(bmp));
    EXPECT_EQ(TexelsOf(LoadedFile(bmp)),
              (Texels{{200, 30, 30, 255}, {12, 34, 56, 255}, {7, 8, 9, 255}}));
}

namespace {

// A row target that keeps no alpha, as the texture page's was.
class ColoursOnly final : public RowTarget {
  public:
    void reshape(int width, int height) override { grid_.resize(width, height); }
    uchar* row(int y) override { return reinterpret_cast<uchar*>(grid_.row(y)); }
    std::size_t spareBytes() const override { return 0; }

  private:
    PixelGrid grid_;
};

}  // namespace

// The direct path into the working array takes raw 32-bit TGA files and 8-bit RGBA PNG files
// with their alpha, texel for texel as the full load; a target without alpha leaves them to it.
TEST(AlphaFiles, DirectRowsKeepAlphaAsTheFullLoadDoes) {
    QTemporaryDir dir;
    auto tga = [](int descriptor, const QByteArray& pixels) {
        TgaSpec spec{.bits = 32, .descriptor = descriptor, .height = 2};
        spec.pixels = pixels;
        return Tga(spec);
    };
    const QByteArray pixels = Bytes({30, 30, 200, 100, 56, 34, 12, 0, 1, 2, 3, 255, 4, 5, 6, 7});
    const QByteArray empty = Bytes({30, 30, 200, 0, 56, 34, 12, 0, 1, 2, 3, 0, 4, 5, 6, 0});
    PixelGrid opaque = Row(kEdge);
    opaque.dropAlpha();
    const struct {
        const char* name;
        const char* file;
        QByteArray bytes;
        bool alpha;
    } rows[] = {
        {"attribute 0", "a.tga", tga(0x20, pixels), true},
        {"attribute 0, empty", "a.tga", tga(0x20, empty), false},
        {"attribute 8, empty", "a.tga", tga(0x28, empty), true},
        {"bottom-up", "a.tga", tga(0x08, pixels), true},
        {"rgba png", "a.png", Written(RowsOf(Row(kEdge)), WritePng24), true},
        {"rgba png, every texel 255", "a.png",
         Png(6, 8, 2, Bytes({200, 30, 30, 255, 12, 34, 56, 255})), false},
        {"rgb png", "a.png", Written(RowsOf(opaque), WritePng24), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = FileIn(dir, row.file, row.bytes);
        PixelGrid grid;
        int dpmX = 0, dpmY = 0;
        ASSERT_TRUE(LoadIntoGrid(path, grid, dpmX, dpmY));
        EXPECT_EQ(grid.hasAlpha(), row.alpha);
        EXPECT_EQ(TexelsOf(grid), TexelsOf(LoadedFile(path)));
        ColoursOnly coloursOnly;
        GridHeader header;
        EXPECT_EQ(LoadRowsDirectly(path, coloursOnly, header),
                  QString::fromLatin1(row.name) == "rgb png");
    }
}

namespace {

// An icon (type 1) or cursor (type 2) file of one 2 x 1 picture of 32 bits: blue, green, red,
// alpha from the bottom row, then the 1-bit mask (clear: the alpha decides).
QByteArray IconFile(int type, const QByteArray& bgra) {
    const QByteArray bitmap = Le(40, 4) + Le(2, 4) + Le(2, 4) + Le(1, 2) + Le(32, 2) +
                              QByteArray(24, '\0') + bgra + QByteArray(4, '\0');
    // Planes and bits, or for a cursor its hot spot.
    const QByteArray fields = type == 1 ? Le(1, 2) + Le(32, 2) : Le(0, 2) + Le(0, 2);
    return Le(0, 2) + Le(type, 2) + Le(1, 2) + Bytes({2, 1, 0, 0}) + fields + Le(bitmap.size(), 4) +
           Le(22, 4) + bitmap;
}

}  // namespace

// Qt's readers of WebP, icons and cursors, as the loader uses them: alpha apart, colours kept.
TEST(AlphaFiles, WebpIconsAndCursorsKeepAlpha) {
    QTemporaryDir dir;
    EXPECT_EQ(TexelsOfFile(dir, "a.ico", IconFile(1, kSoftAndClearBgra)), kSoftAndClear);
    EXPECT_EQ(TexelsOfFile(dir, "a.cur", IconFile(2, kSoftAndClearBgra)), kSoftAndClear);
    // Lossless WebP made by ImageMagick from a PNG of ours (its writer clears the colours under
    // a transparent texel): the soft texel exact, never premultiplied or blended.
    const QString png = FileIn(dir, "edge.png", Written(RowsOf(Row(kEdge)), WritePng24));
    const QString webp = dir.filePath("edge.webp");
    RunConvert({png, "-define", "webp:lossless=true", webp});
    EXPECT_EQ(TexelsOf(LoadedFile(webp)), (Texels{kEdge[0], {0, 0, 0, 0}, kEdge[2]}));
    // An icon of 24 bits takes its alpha from the mask: a set bit is transparent, its colour
    // kept.
    QByteArray masked = IconFile(1, Bytes({30, 30, 200, 56, 34, 12, 0, 0}));
    masked[22 + 14] = 24;              // bits a pixel
    masked[22 + 40 + 8] = char(0x40);  // the mask's row: the second texel
    EXPECT_EQ(TexelsOfFile(dir, "masked.ico", masked),
              (Texels{{200, 30, 30, 255}, {12, 34, 56, 0}}));
    // A damaged icon gets its format's message.
    const QString damaged = FileIn(dir, "damaged.cur", IconFile(2, kSoftAndClearBgra).left(30));
    EXPECT_EQ(LoadError(damaged), QStringLiteral("%1 (%2)").arg(kCurInvalidMessage, damaged));
}
