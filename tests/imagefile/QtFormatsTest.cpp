// PNG, JPEG and WebP against ImageMagick's and Qt's decoding; our PNG read back.

#include <QTemporaryDir>
#include <cstdio>
#include <thread>
#include <vector>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/QtFormatReader.h"

using namespace tessella::imagefile;
using namespace imagetest;

namespace {

// The colour channels as stored, alpha left out.
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

TEST(QtFormats, PicturesMatchImageMagick) {
    QTemporaryDir dir;
    const QString source = dir.filePath("source.miff");
    RunConvert({"-seed", "3", "-size", "37x23", "plasma:", "-depth", "16", source});
    const QStringList alpha = {"-alpha", "set", "-channel", "A", "-fx", "i/w", "+channel"};
    const struct {
        const char* name;
        QStringList options;
        const char* file;  // the output, with convert's format prefix
        int tolerance;     // JPEG decoders may differ by their rounding
    } rows[] = {
        {"rgba 8", alpha, "PNG32:rgba8.png", 0},
        {"rgba 16", alpha, "PNG64:rgba16.png", 0},
        {"palette", {}, "PNG8:palette.png", 0},
        {"grey 16", {"-colorspace", "Gray", "-depth", "16"}, "grey16.png", 0},
        {"jpe", {}, "JPEG:photo.JPE", 1},
        {"webp lossless", {"-define", "webp:lossless=true"}, "lossless.webp", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString target = QString::fromLatin1(row.file);
        const QString path = dir.filePath(target.section(QLatin1Char(':'), -1));
        RunConvert(
            QStringList{source} + row.options +
            QStringList{target.contains(':') ? target.section(':', 0, 0) + ':' + path : path});
        QImage ours;
        ASSERT_TRUE(LoadImageByExtension(path, ours));
        ASSERT_EQ(ours.size(), QSize(37, 23));
        const QByteArray mine = StoredBgr(ours);
        const QByteArray theirs = RunConvert({path, "-depth", "16", "bgr:-"});
        // ImageMagick's 16-bit samples rounded: (v * 255 + 32767) / 65535.
        QByteArray rounded;
        for (qsizetype i = 0; i + 1 < theirs.size(); i += 2) {
            const unsigned v = uchar(theirs[i]) | uchar(theirs[i + 1]) << 8;
            rounded.append(char((v * 255 + 32767) / 65535));
        }
        EXPECT_LE(MaxDifference(mine, rounded), row.tolerance);
    }
}

TEST(QtFormats, DamagedFilesGiveOneFrenchMessage) {
    QTemporaryDir dir;
    const QString png = dir.filePath("whole.png");
    RunConvert({"-size", "40x30", "plasma:", png});
    const QByteArray whole = ReadFile(png);
    const struct {
        const char* name;
        QByteArray bytes;
        QString message;
    } rows[] = {
        {"cut.png", whole.left(whole.size() / 2), kPngInvalidMessage},
        {"text.webp", QByteArray("RIFF\x10\0\0\0WEBPVP8L garbage", 25), kWebpInvalidMessage},
        {"bmp-named.webp", whole, kWebpInvalidMessage},
    };
    for (const auto& row : rows) {
        const QString path = FileIn(dir, QString::fromLatin1(row.name), row.bytes);
        QImage image;
        // The decoders' own English text stays off the standard error.
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

// 8-bit RGB and RGBA PNG files go straight into the working array, whatever their row filters
// (which work on 3 or 4 bytes a pixel); other kinds and damaged ones are left to the general
// loader.
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
    // The same colours with a ramp of alpha, as ImageMagick reads them: blue, green, red, alpha.
    const QString withAlpha = dir.filePath("alpha.png");
    RunConvert(
        {source, "-alpha", "set", "-channel", "A", "-fx", "i/w", "+channel", "PNG32:" + withAlpha});
    const QByteArray expectedRgba = RunConvert({withAlpha, "bgra:-"});
    auto gridRgba = [&] {
        QByteArray out;
        for (int y = 0; y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x)
                out.append(reinterpret_cast<const char*>(&grid.at(x, y)), 3)
                    .append(char(grid.alphaAt(x, y)));
        return out;
    };
    for (const char* filter : {"sub", "up", "avg", "paeth"}) {
        SCOPED_TRACE(filter);
        for (const bool alpha : {false, true}) {
            QFile::remove(path);
            EXPECT_EQ(QProcess::execute(vips, {"pngsave", alpha ? withAlpha : source, path,
                                               "--filter", QString::fromLatin1(filter), "--strip"}),
                      0);
            ASSERT_TRUE(LoadIntoGrid(path, grid, dpmX, dpmY));
            EXPECT_EQ(QSize(grid.width(), grid.height()), QSize(61, 23));
            EXPECT_EQ(grid.hasAlpha(), alpha);
            EXPECT_EQ(alpha ? gridRgba() : gridBytes(), alpha ? expectedRgba : expected);
        }
    }
    const QByteArray good = ReadFile(path);
    QByteArray badCrc = good;
    badCrc[good.indexOf("IDAT") + 10] ^= 1;
    const std::pair<const char*, QByteArray> refused[] = {
        {"cut", good.left(good.size() - 20)},
        {"crc", badCrc},
        {"16 bits", RunConvert({source, "PNG48:-"})},
    };
    for (const auto& [what, bytes] : refused) {
        SCOPED_TRACE(what);
        WriteFile(path, bytes);
        EXPECT_FALSE(LoadIntoGrid(path, grid, dpmX, dpmY));
    }
}
