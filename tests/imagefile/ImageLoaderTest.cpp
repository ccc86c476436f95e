#include <QTemporaryDir>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/MagickBridge.h"

using namespace imagetest;
using tessella::imagefile::IsKnownImageExtension;
using tessella::imagefile::LoadImageByExtension;

TEST(ImageLoader, AcceptedExtensionsWhateverTheCase) {
    const char* const accepted[] = {"photo.JPG", "pic.rgb", "scan.TiFf",
                                    "a.b.tga",   "d.JPE",   "f.WebP"};
    const char* const refused[] = {"photo.jfif", "pic.rgba", "noextension", "a.pngx"};
    for (const char* path : accepted) EXPECT_TRUE(IsKnownImageExtension(path)) << path;
    for (const char* path : refused) EXPECT_FALSE(IsKnownImageExtension(path)) << path;
}

TEST(ImageLoader, LibraryFormatsKeepAlphaApart) {
    QTemporaryDir dir;
    // A transparent GIF with one red pixel: the rest transparent, never over white; the
    // colours as ImageMagick reads them.
    const QString gif = dir.filePath("t.gif");
    RunConvert({"-size", "3x2", "xc:none", "-fill", "red", "-draw", "point 0,0", gif});
    QImage image;
    ASSERT_TRUE(LoadImageByExtension(gif, image));
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(image.pixel(2, 1)), 0);
    const QByteArray theirs = RunConvert({gif, "-depth", "8", "bgra:-"});
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.constBits()), 3 * 2 * 4), theirs);
}

// .rle is a run-length BMP (the start-up logos of old systems): it loads as a BMP, by the full
// loader and straight into rows alike.
TEST(ImageLoader, AnRleFileLoadsAsTheBmpItHolds) {
    QTemporaryDir dir;
    const QString rle = dir.filePath("logo.rle");
    RunConvert({"-size", "6x3", "gradient:red-blue", "-type", "Palette", "-compress", "RLE",
                "BMP3:" + rle});
    ASSERT_EQ(ReadFile(rle).mid(30, 4), Le(1, 4));  // RLE8
    const QByteArray theirs = RunConvert({"BMP:" + rle, "bgr:-"});
    QImage image;
    EXPECT_EQ(ErrorOf([&] { LoadImageByExtension(rle, image); }), kNoError);
    EXPECT_EQ(PackedBgr(image), theirs);
    // The straight way takes raw 24-bit files only: a 24-bit .rle lands in the rows.
    const QString raw = dir.filePath("raw.rle");
    RunConvert({"-size", "6x3", "gradient:red-blue", "-type", "TrueColor", "BMP3:" + raw});
    tessella::pixels::PixelGrid grid;
    int dpmX = 0, dpmY = 0;
    ASSERT_TRUE(tessella::imagefile::LoadIntoGrid(raw, grid, dpmX, dpmY));
    EXPECT_EQ(grid.width(), 6);
}

// Too large only past our limits: a side past 2^20, 128 megapixels, or the decode memory
// (11585^2 pixels at 8 bytes); wider than ImageMagick's usual 16000 is no reason.
TEST(ImageLoader, TooLargeOnlyPastTheProgramsLimits) {
    QTemporaryDir dir;
    const auto psd = [](int width, int height) {
        return QByteArray("8BPS") + Be(1, 2) + QByteArray(6, '\0') + Be(3, 2) + Be(height, 4) +
               Be(width, 4) + Be(8, 2) + Be(3, 2) + QByteArray(12, '\0') + Be(0, 2) +
               QByteArray(1000, '\x80');
    };
    const struct {
        const char* name;
        QByteArray bytes;
        QSize loaded;  // empty: too large
    } rows[] = {
        {"wide.pgm", QByteArray("P5\n20000 1\n255\n") + QByteArray(20000, '\x80'), {20000, 1}},
        {"side.pbm", QByteArray("P4\n1048577 1\n") + QByteArray(1048577 / 8 + 1, 0x55), {}},
        {"area.psd", psd(16385, 8193), {}},
        {"memory.psd", psd(11585, 11585), {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = FileIn(dir, QString::fromLatin1(row.name), row.bytes);
        QImage image;
        const QString error = ErrorOf([&] { LoadImageByExtension(path, image); });
        if (row.loaded.isEmpty()) {
            EXPECT_EQ(
                error,
                QStringLiteral("Impossible de décoder l'image %1 : image trop grande").arg(path));
        } else {
            EXPECT_EQ(error, kNoError);
            EXPECT_EQ(image.size(), row.loaded);
        }
    }
}

// Every kind of TIFF gives ImageMagick's pixels, whichever reader takes it (1 apart at most
// where the decoder program rounds 16-bit colours).
TEST(ImageLoader, TiffVariantsGiveImageMagicksPixels) {
    QTemporaryDir dir;
    const QString source = dir.filePath("source.png");
    RunConvert({"-seed", "3", "-size", "37x23", "plasma:", "-depth", "8", source});
    const struct {
        const char* name;
        QStringList options;
        int tolerance = 0;
    } variants[] = {
        {"lzw", {"-compress", "LZW"}},
        {"palette", {"-type", "Palette"}, 1},
        {"tiled", {"-define", "tiff:tile-geometry=16x16"}},
        {"bottom-up", {"-orient", "BottomLeft"}},
        {"16-bit", {"-depth", "16"}},
        {"alpha", {"-alpha", "set", "-channel", "A", "-evaluate", "set", "60%", "+channel"}, 1},
        {"cmyk", {"-colorspace", "CMYK"}},
    };
    for (const auto& v : variants) {
        SCOPED_TRACE(v.name);
        const QString tif = dir.filePath(QString::fromLatin1(v.name) + ".tif");
        RunConvert(QStringList{source} + v.options + QStringList{tif});
        QImage image;
        ASSERT_TRUE(LoadImageByExtension(tif, image));
        // Colours as stored: alpha is kept apart, never blended.
        const QByteArray theirs =
            RunConvert({tif + "[0]", "-alpha", "off", "-depth", "8", "bgr:-"});
        EXPECT_EQ(image.size(), QSize(37, 23));
        EXPECT_LE(MaxDifference(PackedBgr(image), theirs), v.tolerance);
        EXPECT_EQ(PackedBgr(image),
                  PackedBgr(tessella::imagefile::DecodeWithMagick(ReadFile(tif), "TIFF", tif)));
    }
}
