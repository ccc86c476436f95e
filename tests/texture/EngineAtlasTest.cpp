// The engine atlas: shelf packing, the ring of repeated border pixels, the files written.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/Error.h"
#include "texture/EngineAtlas.h"

namespace tessella::texture {
namespace {

QString ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const platform::TessellaError& e) {
        return e.message();
    }
    return {};
}

// Padding 1, ring 1, 13 wide. Tallest first: dalle (cell 4 x 5) at (1, 1), brique (cell 6 x 4)
// after one clear column at x = 6, ending at 11 with one clear column before the edge at 13;
// pave (cell 4 x 4) no longer fits (6 + 6 + 1 + 4 + 1 > 13): a new shelf at 1 + 5 + 1 = 7.
TEST(EngineAtlas, ShelvesKeepThePaddingBetweenRingsAndAlongTheEdges) {
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 4, 2), "brique.png"},
                                            {QRect(4, 0, 2, 3), "dalle.png"},
                                            {QRect(6, 0, 2, 2), "pave.png"}};
    const EngineLayout layout =
        LayOutEngineAtlas(frames, {.padding = 1, .extrude = 1, .maxWidth = 13});
    EXPECT_EQ(layout.size, QSize(13, 12));  // 7 + 4 + 1 high
    ASSERT_EQ(layout.cells.size(), 3u);
    const struct {
        QString name;
        QRect inner, source;
    } expected[] = {{"dalle.png", QRect(2, 2, 2, 3), QRect(4, 0, 2, 3)},
                    {"brique.png", QRect(7, 2, 4, 2), QRect(0, 0, 4, 2)},
                    {"pave.png", QRect(2, 8, 2, 2), QRect(6, 0, 2, 2)}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(layout.cells[i].frame.name, expected[i].name);
        EXPECT_EQ(layout.cells[i].frame.rect, expected[i].inner) << i;
        EXPECT_EQ(layout.cells[i].source, expected[i].source) << i;
    }
}

TEST(EngineAtlas, RefusesWhatCannotFit) {
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 10, 2), "large.png"}};
    // 2 + 2 + 10 + 2 + 2 = 18 needed.
    EXPECT_TRUE(ErrorOf([&] { LayOutEngineAtlas(frames, {2, 2, 17}); }).contains("large.png"));
    EXPECT_NO_THROW(LayOutEngineAtlas(frames, {2, 2, 18}));
    // Two 10000-square elements, one per shelf: 10002 x 20003 is past the pixel limit.
    const std::vector<AtlasFrame> huge = {{QRect(0, 0, 10000, 10000), "a"},
                                          {QRect(0, 0, 10000, 10000), "b"}};
    EXPECT_TRUE(ErrorOf([&] { LayOutEngineAtlas(huge, {1, 0, 15000}); }).contains("10002 x 20003"));
}

// A 3 x 2 element (A B C over D E F) at (1, 1) of the page, ring 2, padding 1: its corners fill
// the ring's corners, its edges repeat outwards, magenta around.
TEST(EngineAtlas, TheRingRepeatsTheBorderPixels) {
    const QColor A(10, 0, 0), B(20, 0, 0), C(30, 0, 0), D(0, 40, 0), E(0, 50, 0), F(0, 60, 0),
        M(255, 0, 255);
    QImage source(5, 4, QImage::Format_BGR888);
    source.fill(Qt::white);
    const QColor element[2][3] = {{A, B, C}, {D, E, F}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) source.setPixelColor(1 + x, 1 + y, element[y][x]);
    const PageBitmap page = PageBitmap::fromPicture(source);
    const EngineLayout layout = LayOutEngineAtlas({{QRect(1, 1, 3, 2), "e"}}, {1, 2, 100});
    const QImage atlas = ComposeEngineAtlas(page, layout, 2);
    const QColor want[8][9] = {{M, M, M, M, M, M, M, M, M},  //
                               {M, A, A, A, B, C, C, C, M},  //
                               {M, A, A, A, B, C, C, C, M},  //
                               {M, A, A, A, B, C, C, C, M},  //
                               {M, D, D, D, E, F, F, F, M},  //
                               {M, D, D, D, E, F, F, F, M},  //
                               {M, D, D, D, E, F, F, F, M},  //
                               {M, M, M, M, M, M, M, M, M}};
    ASSERT_EQ(atlas.size(), QSize(9, 8));
    EXPECT_EQ(layout.cells[0].frame.rect, QRect(3, 3, 3, 2));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_EQ(atlas.pixelColor(x, y), want[y][x]) << x << "," << y;
}

TEST(EngineAtlas, WritesThePictureAndItsDataButNeverOverThePage) {
    QTemporaryDir dir;
    QImage source(8, 4, QImage::Format_BGR888);
    source.fill(Qt::red);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x) source.setPixelColor(x, y, Qt::blue);
    const PageBitmap page = PageBitmap::fromPicture(source);
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 4, 4), "rouge.bmp"},
                                            {QRect(4, 0, 4, 4), "bleu.bmp"}};
    const QString pagePath = dir.filePath("mur.png");
    const QString atlasPath = dir.filePath("atlas.png");
    WriteEngineAtlas(page, frames, {2, 1, 4096}, atlasPath, pagePath);
    // Same heights and widths: name order, bleu then rouge, 2 + 6 + 2 apart.
    const QImage atlas(atlasPath);
    EXPECT_EQ(atlas.size(), QSize(2 + 6 + 2 + 6 + 2, 2 + 6 + 2));
    EXPECT_EQ(atlas.pixelColor(10, 7), QColor(Qt::red));  // rouge's ring, bottom left
    QFile json(dir.filePath("atlas.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const auto read = ParseAtlasJson(json.readAll(), atlas.size());
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, (std::vector<AtlasFrame>{{QRect(3, 3, 4, 4), "bleu.bmp"},
                                              {QRect(11, 3, 4, 4), "rouge.bmp"}}));
    // The page's own files are refused, directly or through the atlas data beside them.
    for (const QString& target : {pagePath, dir.filePath("mur.json")})
        EXPECT_FALSE(
            ErrorOf([&] { WriteEngineAtlas(page, frames, {}, target, pagePath); }).isEmpty());
    EXPECT_FALSE(ErrorOf([&] {
                     WriteEngineAtlas(page, {{QRect(6, 0, 4, 4), "dehors"}}, {},
                                      dir.filePath("x.png"), pagePath);
                 }).isEmpty());
    EXPECT_FALSE(QFile::exists(pagePath));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}

}  // namespace
}  // namespace tessella::texture
