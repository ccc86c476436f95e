// The element list (unique names, JSON, safe file names) and the engine atlas (shelves, the
// ring of repeated border pixels, the files written).

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/Error.h"
#include "tests/texture/Sprites.h"
#include "texture/AtlasData.h"
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

TEST(AtlasData, RepeatedNamesTakeTheFirstFreeNumber) {
    std::vector<AtlasFrame> frames;
    for (const char* source : {"/a/brique.png", "/b/brique.png", "/x/brique-2.png"})
        RecordPlacedFrame(frames, QRect(8 * int(frames.size()), 0, 8, 8), source);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[1].name, "brique-2.png");
    EXPECT_EQ(frames[2].name, "brique-2-2.png");  // not the taken brique-2.png
}

TEST(AtlasData, ReplaceRenamesTheFrameAtTheSameRectangle) {
    std::vector<AtlasFrame> frames = {
        {QRect(0, 0, 8, 8), "a.png"}, {QRect(8, 0, 8, 8), "b.png"}, {QRect(16, 0, 4, 4), "c.png"}};
    RecordReplacedFrame(frames, QRect(8, 0, 8, 8), "/x/a.png");
    EXPECT_EQ(frames[1], (AtlasFrame{QRect(8, 0, 8, 8), "a-2.png"}));
    // No frame there: the frames it covers whole go, the new one is added.
    RecordReplacedFrame(frames, QRect(16, 0, 8, 8), "/z/d.png");
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[2], (AtlasFrame{QRect(16, 0, 8, 8), "d.png"}));
}

TEST(AtlasData, JsonRoundTripAndLayout) {
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 64, 64), "brique.png"},
                                            {QRect(64, 0, 32, 16), "sol.png"}};
    const QByteArray json = AtlasJson(frames, "mur.png", QSize(256, 128));
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(
        root["frames"]["sol.png"].toObject(),
        QJsonObject({{"frame", QJsonObject({{"x", 64}, {"y", 0}, {"w", 32}, {"h", 16}})},
                     {"rotated", false},
                     {"trimmed", false},
                     {"spriteSourceSize", QJsonObject({{"x", 0}, {"y", 0}, {"w", 32}, {"h", 16}})},
                     {"sourceSize", QJsonObject({{"w", 32}, {"h", 16}})}}));
    EXPECT_EQ(root["meta"]["image"].toString(), "mur.png");
    EXPECT_EQ(ParseAtlasJson(json, QSize(256, 128)), frames);
    // One pixel narrower, sol.png (64 + 32 = 96) still fits; at 95 it does not.
    EXPECT_TRUE(ParseAtlasJson(json, QSize(96, 64)));
    EXPECT_FALSE(ParseAtlasJson(json, QSize(95, 64)));
    EXPECT_FALSE(ParseAtlasJson(R"({"frames": []})", QSize(256, 128)));
    EXPECT_FALSE(ParseAtlasJson(R"({"frames": {"a": {"frame": {"x":-1,"y":0,"w":8,"h":8}}}})",
                                QSize(256, 128)));
}

TEST(AtlasData, FrameListsBeyondTheBoundAreRefused) {
    // Each frame covers 64 M pixels: two fit the 128 M bound, three do not.
    const auto list = [](int count) {
        QJsonObject frames;
        for (int i = 0; i < count; ++i)
            frames.insert(
                QString::number(i),
                QJsonObject(
                    {{"frame", QJsonObject({{"x", 0}, {"y", 0}, {"w", 8192}, {"h", 8192}})}}));
        return QJsonDocument(QJsonObject({{"frames", frames}})).toJson();
    };
    EXPECT_TRUE(ParseAtlasJson(list(2), QSize(8192, 8192)));
    EXPECT_FALSE(ParseAtlasJson(list(3), QSize(8192, 8192)));
}

TEST(AtlasData, ElementFilesStayInTheFolder) {
    const struct {
        const char* name;
        const char* file;  // "" when refused
    } rows[] = {{"brique.png", "/d/brique.png"},
                {"mur", "/d/mur.png"},
                {"../x", ""},
                {"/etc/x", ""},
                {"a\\b.png", ""},
                {"..", ""},
                {"a\nb", ""}};
    for (const auto& row : rows) {
        const auto file = ElementPathForName("/d", QString::fromUtf8(row.name));
        EXPECT_EQ(file.value_or(QString()), QString::fromUtf8(row.file)) << row.name;
    }
}

// Padding 1, ring 1: each element's cell is its size + 2 + 1 (trailing padding), after one
// column and row of padding. A 4 x 2 and a 2 x 3 element (cells 7 x 5 and 5 x 6) sit best side
// by side: 1 + 7 + 5 = 13 wide, 1 + 6 = 7 high.
TEST(EngineAtlas, CellsKeepThePaddingBetweenRingsAndAlongTheEdges) {
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 4, 2), "brique.png"},
                                            {QRect(4, 0, 2, 3), "dalle.png"}};
    const EngineLayout layout = LayOutEngineAtlas(frames, {.padding = 1, .extrude = 1});
    ASSERT_EQ(layout.sheets.size(), 1u);
    const EngineSheet& sheet = layout.sheets[0];
    EXPECT_EQ(sheet.size, QSize(13, 7));
    ASSERT_EQ(sheet.cells.size(), 2u);
    // The padding along the edges is NeverPassesTheMaximum's.
    for (const EngineCell& cell : sheet.cells) EXPECT_EQ(cell.ring, QMargins(1, 1, 1, 1));
    const QRect a =
        sheet.cells[0].frame.rect.marginsAdded(sheet.cells[0].ring + QMargins(0, 0, 1, 1));
    const QRect b =
        sheet.cells[1].frame.rect.marginsAdded(sheet.cells[1].ring + QMargins(0, 0, 1, 1));
    EXPECT_FALSE(a.intersects(b));
    EXPECT_EQ(sheet.cells[0].source, QRect(0, 0, 4, 2));  // brique: name order
}

// The engine atlas is never wider, nor taller, than the maximum asked for, ring and padding
// included, and a full row's right padding counts.
TEST(EngineAtlas, NeverPassesTheMaximum) {
    std::vector<AtlasFrame> frames;
    for (int i = 0; i < 40; ++i)
        frames.push_back({QRect(0, 0, 8 + 8 * (i % 5), 8 + 4 * (i % 3)),
                          QStringLiteral("e%1").arg(i, 2, 10, QLatin1Char('0'))});
    for (const int most : {64, 100, 128}) {
        const EngineLayout layout = LayOutEngineAtlas(
            frames, {.padding = 3, .extrude = 2, .maxWidth = most, .maxHeight = most});
        size_t cells = 0;
        for (const EngineSheet& sheet : layout.sheets) {
            EXPECT_LE(sheet.size.width(), most);
            EXPECT_LE(sheet.size.height(), most);
            for (const EngineCell& c : sheet.cells) {
                const QRect ringed = c.frame.rect.marginsAdded(c.ring);
                EXPECT_GE(ringed.left(), 3);
                EXPECT_LE(ringed.right() + 1 + 3, sheet.size.width()) << c.frame.name.toStdString();
                EXPECT_LE(ringed.bottom() + 1 + 3, sheet.size.height());
            }
            cells += sheet.cells.size();
        }
        EXPECT_EQ(cells, frames.size());
        EXPECT_GT(layout.sheets.size(), 1u);
    }
}

TEST(EngineAtlas, RefusesWhatCannotFit) {
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 10, 2), "large.png"}};
    // 2 + 2 + 10 + 2 + 2 = 18 needed.
    EXPECT_TRUE(ErrorOf([&] { LayOutEngineAtlas(frames, {2, 2, 17}); }).contains("large.png"));
    EXPECT_NO_THROW(LayOutEngineAtlas(frames, {2, 2, 18}));
    // A power of two below 18 leaves 16: refused even with 31.
    EXPECT_TRUE(ErrorOf([&] {
                    LayOutEngineAtlas(frames, {.maxWidth = 31, .powerOfTwo = true});
                }).contains("large.png"));
    EXPECT_FALSE(ErrorOf([&] { LayOutEngineAtlas(frames, {.mipLevels = 11}); }).isEmpty());
}

TEST(EngineAtlas, PowerOfTwoAndSquareShapes) {
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 40, 20), "a"}, {QRect(0, 0, 30, 10), "b"}};
    const auto size = [&](bool pot, bool square) {
        const EngineLayout l = LayOutEngineAtlas(
            frames, {.padding = 0, .extrude = 0, .powerOfTwo = pot, .square = square});
        return l.sheets.at(0).size;
    };
    // 1200 pixels: 40 x 30 stacked at best.
    EXPECT_EQ(size(false, false), QSize(40, 30));
    EXPECT_EQ(size(true, false), QSize(64, 32));
    EXPECT_EQ(size(false, true), QSize(40, 40));
    EXPECT_EQ(size(true, true), QSize(64, 64));
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
    const QImage atlas = testing::GridImage(ComposeEngineSheet(page, layout.sheets.at(0)));
    // Rows 1-3 are M A A A B C C C M, rows 4-6 M D D D E F F F M, rows 0 and 7 all M.
    const QColor top[9] = {M, A, A, A, B, C, C, C, M}, bottom[9] = {M, D, D, D, E, F, F, F, M};
    ASSERT_EQ(atlas.size(), QSize(9, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(atlas.pixelColor(x, y), y == 0 || y == 7 ? M
                                              : y < 4          ? top[x]
                                                               : bottom[x])
                << x << "," << y;
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
    // Two 6 x 6 rings with 2 clear pixels around and between: 2 + 6 + 2 + 6 + 2 by 2 + 6 + 2
    // (or its transpose).
    const QImage atlas(atlasPath);
    EXPECT_EQ(atlas.width() * atlas.height(), 18 * 10);
    QFile json(dir.filePath("atlas.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QByteArray text = json.readAll();
    const auto read = ParseAtlasJson(text, atlas.size());
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2u);
    for (const AtlasFrame& f : *read) {
        EXPECT_EQ(f.rect.size(), QSize(4, 4));
        const QColor inside = f.name == "rouge.bmp" ? QColor(Qt::red) : QColor(Qt::blue);
        EXPECT_EQ(atlas.pixelColor(f.rect.topLeft()), inside);
        EXPECT_EQ(atlas.pixelColor(f.rect.topLeft() - QPoint(1, 1)), inside);  // the ring
        EXPECT_EQ(atlas.pixelColor(f.rect.topLeft() - QPoint(2, 2)), QColor(255, 0, 255));
    }
    const QJsonObject meta = QJsonDocument::fromJson(text).object()["meta"].toObject();
    EXPECT_FALSE(meta.contains("related_multi_packs"));
    EXPECT_FALSE(meta.contains("mipLevels"));
    // The page's own files are refused, directly or through the atlas data beside them.
    for (const QString& target : {pagePath, dir.filePath("mur.json")})
        EXPECT_FALSE(
            ErrorOf([&] { WriteEngineAtlas(page, frames, {}, target, pagePath); }).isEmpty());
    EXPECT_FALSE(QFile::exists(pagePath));
    // Nor through the normal map beside the atlas: a page named atlas_n.png stays.
    const QString normalNamedPage = dir.filePath("atlas_n.png");
    ASSERT_TRUE(source.save(normalNamedPage, "PNG"));
    EXPECT_FALSE(ErrorOf([&] {
                     WriteEngineAtlas(page, frames, {.normalMap = true}, atlasPath,
                                      normalNamedPage);
                 }).isEmpty());
    EXPECT_EQ(QImage(normalNamedPage).pixelColor(0, 0), QColor(Qt::red));
}

// A 4 x 2 ramp (greys 0, 10, 20, 30 across) beside a flat grey 4 x 2 on the page. Each map is
// made from its own pixels, wrapping within the frame: the ramp's slope is 10/255 a pixel
// (Sobel / 8), so with strength 2 its inside is (-0.0784, 0, 1) normalised, stored 118. Its
// border columns meet across the wrap (30 beside 0) and lean the other way: 137. Were the
// flat frame the right column's neighbour, that column would lean hard. The flat frame and its ring
// stay (128, 128, 255), and so does the room between.
TEST(EngineAtlas, NormalMapsFollowTheLayoutWithoutBleeding) {
    QImage source(8, 2, QImage::Format_BGR888);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x)
            source.setPixelColor(x, y,
                                 x < 4 ? QColor(10 * x, 10 * x, 10 * x) : QColor(200, 200, 200));
    const PageBitmap page = PageBitmap::fromPicture(source);
    const EngineLayout layout = LayOutEngineAtlas(
        {{QRect(0, 0, 4, 2), "rampe"}, {QRect(4, 0, 4, 2), "plat"}}, {.padding = 1, .extrude = 1});
    const EngineSheet& sheet = layout.sheets.at(0);
    const QImage normals = testing::GridImage(ComposeNormalSheet(page, sheet, {}));
    const QColor flat(128, 128, 255);
    for (const EngineCell& cell : sheet.cells) {
        const QRect f = cell.frame.rect;
        const bool ramp = cell.frame.name == "rampe";
        for (int y = f.top() - 1; y <= f.bottom() + 1; ++y) {
            // The ring's columns repeat the frame's border columns.
            const auto expected = [&](int x) {
                const int inside = std::clamp(x - f.left(), 0, 3);
                return !ramp                        ? flat
                       : inside == 0 || inside == 3 ? QColor(137, 128, 255)
                                                    : QColor(118, 128, 255);
            };
            for (int x = f.left() - 1; x <= f.right() + 1; ++x)
                EXPECT_EQ(normals.pixelColor(x, y), expected(x))
                    << cell.frame.name.toStdString() << " " << x - f.left() << "," << y - f.top();
        }
    }
    EXPECT_EQ(normals.pixelColor(0, 0), flat);  // the padding
}

}  // namespace
}  // namespace tessella::texture
