// PNG, JPEG under .jpeg/.jpe and WebP sources, checked against ImageMagick's and Qt's own
// decoding; PNG written by us read back pixel for pixel.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <thread>
#include <vector>

#include "ImageSamples.h"
#include "imagefile/BgrRows.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/PngWriter.h"
#include "imagefile/QtFormatReader.h"
#include "platform/Error.h"
#include "platform/SafeFile.h"

using namespace tessella::imagefile;
using namespace imagetest;

namespace {

QImage Load(const QString& path) {
    QImage image;
    EXPECT_TRUE(LoadImageByExtension(path, image)) << path.toStdString();
    return image;
}

// The colour channels as stored, alpha left out (what `convert FILE bgr:-` gives).
QByteArray StoredBgr(const QImage& image) {
    QByteArray out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.format() == QImage::Format_ARGB32
                               ? reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]
                               : image.pixel(x, y);
            out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        }
    return out;
}

}  // namespace

TEST(QtFormats, SixteenBitSamplesRoundToNearest) {
    // v16 / 257 worked by hand: 128/257 = 0.498, 129/257 = 0.502, 385/257 = 1.498,
    // 386/257 = 1.502, 65278/257 = 254, 65407/257 = 254.502.
    const struct {
        uint16_t v16;
        uint8_t v8;
    } rows[] = {{0, 0},   {128, 0},     {129, 1},     {257, 1},    {385, 1},
                {386, 2}, {65278, 254}, {65407, 255}, {65535, 255}};
    for (const auto& row : rows) EXPECT_EQ(EightBitSample(row.v16), row.v8) << row.v16;
}

TEST(QtFormats, PicturesMatchImageMagick) {
    QTemporaryDir dir;
    const QString source = dir.filePath("source.miff");
    // A plasma with a half-transparent alpha ramp, so colours under alpha differ from white.
    RunConvert({"-seed", "3", "-size", "37x23", "plasma:", "-depth", "16", source});
    const QStringList alpha = {"-alpha", "set", "-channel", "A", "-fx", "i/w", "+channel"};
    const struct {
        const char* name;
        QStringList options;
        const char* file;  // the output, with convert's format prefix
        int tolerance;     // JPEG decoders may differ by their rounding
        bool sameAsQt;     // Qt's own 8-bit decoding gives the same pixels
    } rows[] = {
        {"rgb 8", {}, "PNG24:rgb8.png", 0, true},
        {"rgb 16", {}, "PNG48:rgb16.png", 0, false},
        {"rgba 8", alpha, "PNG32:rgba8.png", 0, true},
        {"rgba 16", alpha, "PNG64:rgba16.png", 0, false},
        {"palette", {}, "PNG8:palette.png", 0, true},
        {"grey 8", {"-colorspace", "Gray", "-depth", "8"}, "grey8.png", 0, true},
        {"grey 16", {"-colorspace", "Gray", "-depth", "16"}, "grey16.png", 0, false},
        {"jpeg", {}, "JPEG:photo.jpeg", 1, false},
        {"jpe", {}, "JPEG:photo.JPE", 1, false},
        {"webp lossless", {"-define", "webp:lossless=true"}, "lossless.webp", 0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString target = QString::fromLatin1(row.file);
        const QString path = dir.filePath(target.section(QLatin1Char(':'), -1));
        RunConvert(
            QStringList{source} + row.options +
            QStringList{target.contains(':') ? target.section(':', 0, 0) + ':' + path : path});
        const QImage ours = Load(path);
        ASSERT_EQ(ours.size(), QSize(37, 23));
        const QByteArray mine = StoredBgr(ours);
        QByteArray theirs = RunConvert({path, "-depth", "16", "bgr:-"});
        // ImageMagick's 16-bit samples (little-endian), by the rule worked by hand:
        // (v * 255 + 32767) / 65535.
        QByteArray rounded;
        for (qsizetype i = 0; i + 1 < theirs.size(); i += 2) {
            const unsigned v = uchar(theirs[i]) | uchar(theirs[i + 1]) << 8;
            rounded.append(char((v * 255 + 32767) / 65535));
        }
        theirs = rounded;
        ASSERT_EQ(mine.size(), theirs.size());
        int worst = 0;
        for (qsizetype i = 0; i < mine.size(); ++i)
            worst = std::max(worst, std::abs(uchar(mine[i]) - uchar(theirs[i])));
        EXPECT_LE(worst, row.tolerance);
        if (row.sameAsQt) {
            QImage qt(path);
            ASSERT_FALSE(qt.isNull());
            if (qt.hasAlphaChannel()) qt = qt.convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(mine, StoredBgr(qt));
        }
    }
}

TEST(QtFormats, DamagedFilesGiveOneFrenchMessage) {
    QTemporaryDir dir;
    const QString png = dir.filePath("whole.png");
    RunConvert({"-size", "40x30", "plasma:", png});
    QFile file(png);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    QByteArray flipped = whole;
    flipped[whole.size() / 2] = char(flipped[whole.size() / 2] ^ 0x10);
    const struct {
        const char* name;
        QByteArray bytes;
        QString message;
    } rows[] = {
        {"cut.png", whole.left(whole.size() / 2), kPngInvalidMessage},
        {"flipped.png", flipped, kPngInvalidMessage},
        {"header.png", whole.left(20), kPngInvalidMessage},
        {"empty.png", QByteArray(), kPngInvalidMessage},
        {"text.webp", QByteArray("RIFF\x10\0\0\0WEBPVP8L garbage", 25), kWebpInvalidMessage},
        {"bmp-named.webp", whole, kWebpInvalidMessage},
    };
    for (const auto& row : rows) {
        const QString path = dir.filePath(QString::fromLatin1(row.name));
        WriteFile(path, row.bytes);
        QImage image;
        // The decoders' own English text ("libpng error: ...") stays off the standard error.
        ::testing::internal::CaptureStderr();
        try {
            LoadImageByExtension(path, image);
            ADD_FAILURE() << row.name << " loaded";
        } catch (const tessella::platform::TessellaError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("%1 (%2)").arg(row.message, path)) << row.name;
        }
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << row.name;
    }
    // Threads reading at once still hand the stream back when the last one is done.
    ::testing::internal::CaptureStderr();
    std::vector<std::thread> readers;
    for (int t = 0; t < 8; ++t)
        readers.emplace_back([&dir] {
            for (int i = 0; i < 20; ++i) try {
                    QImage image;
                    LoadImageByExtension(dir.filePath("cut.png"), image);
                } catch (const tessella::platform::TessellaError&) {
                }
        });
    for (std::thread& reader : readers) reader.join();
    std::fputs("after", stderr);
    std::fflush(stderr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "after");
}

TEST(QtFormats, PngWrittenReadsBackPixelForPixel) {
    QImage picture(53, 17, QImage::Format_BGR888);
    QRandomGenerator random(11);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width() * 3; ++x)
            picture.scanLine(y)[x] = uchar(random.bounded(256));
    QTemporaryDir dir;
    const QString path = dir.filePath("out.png");
    tessella::platform::WriteFileAtomically(
        path, [&](tessella::platform::ByteSink& sink) { WritePng24(RowsOf(picture), sink); });
    const QImage back = Load(path);
    EXPECT_EQ(back.format(), QImage::Format_BGR888);  // 24 bits, no alpha written
    EXPECT_EQ(PackedBgr(back), PackedBgr(picture));
    // ImageMagick reads the same file as 8-bit RGB.
    EXPECT_EQ(RunConvert({path, "-format", "%[channels] %z", "info:"}), QByteArray("srgb 8"));
}

// 8-bit RGB PNG files go straight into the working array: files that libvips writes with each
// row filter, and ImageMagick's (filters mixed, a resolution), decode to ImageMagick's own
// pixels. Any other kind of PNG, or a damaged one, is left to the general loader.
TEST(QtFormats, RgbPngGoesStraightToTheGridWithEveryFilter) {
    const QString vips = QStandardPaths::findExecutable("vips");
    if (vips.isEmpty()) GTEST_SKIP() << "vips is not installed";
    QTemporaryDir dir;
    const QString source = dir.filePath("source.ppm");
    RunConvert({"-seed", "3", "-size", "61x23", "plasma:", "-depth", "8", source});
    const QByteArray expected = RunConvert({source, "bgr:-"});
    const QString path = dir.filePath("in.png");
    tessella::pixels::PixelGrid grid;
    int dpmX = 0, dpmY = 0;
    auto gridBytes = [&] {
        QByteArray out;
        for (int y = 0; y < grid.height(); ++y)
            out.append(reinterpret_cast<const char*>(grid.row(y)), grid.width() * 3);
        return out;
    };
    for (const char* filter : {"none", "sub", "up", "avg", "paeth", "all"}) {
        SCOPED_TRACE(filter);
        QFile::remove(path);
        EXPECT_EQ(QProcess::execute(vips, {"pngsave", source, path, "--filter",
                                           QString::fromLatin1(filter), "--strip"}),
                  0);
        ASSERT_TRUE(LoadIntoGrid(path, grid, dpmX, dpmY));
        EXPECT_EQ(QSize(grid.width(), grid.height()), QSize(61, 23));
        EXPECT_EQ(gridBytes(), expected);
    }
    QFile::remove(path);
    RunConvert({source, "-units", "PixelsPerCentimeter", "-density", "30", "PNG24:" + path});
    ASSERT_TRUE(LoadIntoGrid(path, grid, dpmX, dpmY));
    EXPECT_EQ(gridBytes(), expected);
    EXPECT_EQ(dpmX, 3000);  // 30 dots a centimetre
    const QByteArray good = ReadFile(path);
    QByteArray badCrc = good;
    badCrc[good.indexOf("IDAT") + 10] = char(badCrc[good.indexOf("IDAT") + 10] ^ 1);
    const std::pair<const char*, QByteArray> refused[] = {
        {"cut", good.left(good.size() - 20)},
        {"crc", badCrc},
        {"alpha", RunConvert({source, "PNG32:-"})},
        {"grey", RunConvert({source, "-colorspace", "Gray", "PNG8:-"})},
    };
    for (const auto& [what, bytes] : refused) {
        SCOPED_TRACE(what);
        WriteFile(path, bytes);
        EXPECT_FALSE(LoadIntoGrid(path, grid, dpmX, dpmY));
    }
}
