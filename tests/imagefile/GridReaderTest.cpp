#include <sys/stat.h>

#include <QTemporaryDir>
#include <cstring>
#include <tuple>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/QtFormatReader.h"
#include "pixels/PixelGrid.h"

using namespace imagetest;
using tessella::imagefile::LoadImageByExtension;
using tessella::imagefile::LoadIntoGrid;
using tessella::pixels::Bgr;
using tessella::pixels::PixelGrid;

namespace {

// Rows of the grid, top first, as blue-green-red bytes.
QByteArray RowsOf(const PixelGrid& grid) {
    QByteArray out;
    for (int y = 0; y < grid.height(); ++y)
        out.append(reinterpret_cast<const char*>(grid.row(y)), grid.width() * 3);
    return out;
}

bool SpareCellsClear(const PixelGrid& grid) {
    for (int y = 0; y <= grid.height(); ++y)
        for (int x = y < grid.height() ? grid.width() : 0; x < grid.stride(); ++x)
            if (!(grid.at(x, y) == Bgr{})) return false;
    return true;
}

}  // namespace

// 24-bit files land in the rows top row first, padding and garbage gone from the spare cells,
// with the file's resolution. Every other file, and every doubtful one (no rows given), is left
// to the general readers.
TEST(GridReader, TwentyFourBitFilesLandInTheRowsOthersAreLeft) {
    QTemporaryDir dir;
    const QByteArray four = Counting(1, 12);  // 2 x 2: rows 1..6 and 7..12
    // 5 wide: 15 bytes and 1 of padding a row; the bottom row comes first in the file.
    const QByteArray bottom = Counting(0, 15), top = Counting(100, 15);
    const QString pipe = dir.filePath("pipe.tga");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        const char* name;
        QByteArray file;
        int width;
        QByteArray rows;
        int dotsPerMeter;
    } cases[] = {
        // clang-format off
        {"a.tga", Tga({.pixels = four}), 2, four, 0},
        {"bottom-up.tga", Tga({.descriptor = 0, .pixels = four}), 2, four.mid(6) + four.left(6), 0},
        // A run of 3 across the row end, then a literal of 1.
        {"runs.tga", Tga({.type = 10, .pixels = Bytes({0x82, 1, 2, 3, 0x00, 4, 5, 6})}), 2,
         Bytes({1, 2, 3, 1, 2, 3, 1, 2, 3, 4, 5, 6}), 0},
        {"b.bmp", Bmp({.width = 5, .pixels = bottom + '\0' + top + '\0'}), 5, top + bottom, 2835},
        {"top-down.bmp", Bmp({.width = 5, .height = -2, .pixels = top + '\0' + bottom}), 5, top + bottom, 2835},
        {"16.tga", Tga({.bits = 16, .pixels = four.left(8)}), 0, {}, 0},
        {"runs-out.tga", Tga({.type = 10, .pixels = Bytes({0x82, 1, 2, 3})}), 0, {}, 0},
        {"fields.bmp", Bmp({.width = 1, .height = 1, .compression = 3, .masks = QByteArray(12, 0),
                            .pixels = Bytes({1, 2, 3, 0})}), 0, {}, 0},
        {"short.bmp", Bmp({.width = 5, .height = 2, .pixels = Counting(0, 30)}), 0, {}, 0},
        {"a.png", Tga({.pixels = four}), 0, {}, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = FileIn(dir, QString::fromLatin1(c.name), c.file);
        PixelGrid grid(9, 9);  // garbage of a larger picture, as a kept working array holds
        std::memset(static_cast<void*>(grid.row(0)), 0xAB, size_t(grid.stride()) * 10 * 3);
        int dpmX = -1, dpmY = -1;
        ASSERT_EQ(LoadIntoGrid(path, grid, dpmX, dpmY), !c.rows.isEmpty());
        if (c.rows.isEmpty()) continue;
        EXPECT_EQ(grid.width(), c.width);
        EXPECT_EQ(grid.height(), 2);
        EXPECT_EQ(RowsOf(grid), c.rows);
        EXPECT_TRUE(SpareCellsClear(grid));
        EXPECT_EQ(dpmX, c.dotsPerMeter);
        EXPECT_EQ(dpmY, c.dotsPerMeter);
    }
    PixelGrid grid;
    int dpmX = 0, dpmY = 0;
    EXPECT_FALSE(LoadIntoGrid(pipe, grid, dpmX, dpmY));  // returns at once, never opened
    EXPECT_FALSE(LoadIntoGrid(dir.filePath("missing.bmp"), grid, dpmX, dpmY));
}

// A 5-bit channel times 8 (29 gives 232), a 6-bit green times 4, as the working array loads
// them; the depth printed is the file's.
TEST(ImageLoader, FifteenAndSixteenBitPicturesFollowOneRule) {
    QTemporaryDir dir;
    // red 29, green 31, blue 1 as 5-5-5: 0x77E1; red 31, green 63, blue 2 as 5-6-5: 0xFFE2.
    const std::tuple<const char*, QByteArray, QByteArray> cases[] = {
        {"555.tga", Tga({.bits = 16, .width = 1, .height = 1, .pixels = Bytes({0xE1, 0x77})}),
         Bytes({8, 248, 232})},
        {"565.bmp",
         Bmp({.bits = 16,
              .width = 1,
              .height = 1,
              .compression = 3,
              .masks = Le(0xF800, 4) + Le(0x07E0, 4) + Le(0x001F, 4),
              .pixels = Bytes({0xE2, 0xFF, 0, 0})}),
         Bytes({16, 252, 248})},
    };
    for (const auto& [name, file, firstPixel] : cases) {
        const QString path = FileIn(dir, QString::fromLatin1(name), file);
        QImage image;
        int depth = 0;
        ASSERT_TRUE(LoadImageByExtension(path, image, depth)) << name;
        EXPECT_EQ(depth, 16) << name;
        EXPECT_EQ(PackedBgr(image).left(3), firstPixel) << name;
    }
}

// A PNG with an unknown critical chunk is refused every way in: the reader that puts plain RGB
// PNG files straight into rows (the quick program's, a page's) leaves it, and the full loader
// refuses it with PNG's message.
TEST(GridReader, DamagedPngFilesAreRefusedEveryWay) {
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.png");
    RunConvert(
        {"-size", "3x2", "xc:#102030", "-define", "png:exclude-chunks=all", "PNG24:" + path});
    QByteArray file = ReadFile(path);
    WriteFile(path, file.insert(file.indexOf("IDAT") - 4, PngChunk("ZZZZ", "abcd")));
    PixelGrid grid;
    int dpmX = 0, dpmY = 0;
    EXPECT_FALSE(LoadIntoGrid(path, grid, dpmX, dpmY));
    EXPECT_EQ(LoadError(path),
              QStringLiteral("%1 (%2)").arg(tessella::imagefile::kPngInvalidMessage, path));
}
