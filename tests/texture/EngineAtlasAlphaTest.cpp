// The engine atlas with transparency: trimming and what the data says of it, the colours bled
// under transparent texels, premultiplied colours, no halo at any mip level, and blocks that
// never mix a frame with the free space.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "imagefile/BgrRows.h"
#include "imagefile/GpuTexture.h"
#include "imagefile/GpuTextureReader.h"
#include "pixels/MipChain.h"
#include "tests/support/Pictures.h"
#include "tests/texture/Sprites.h"
#include "texture/EngineAtlas.h"

namespace tessella::texture {
namespace {

using testing::BoxHalved;
using testing::ForRingedTexels;
using testing::Solid;

// A w x h picture, every texel transparent over the hidden colour.
QImage Clear(int w, int h, QRgb hidden = qRgba(0, 0, 0, 0)) {
    QImage picture(w, h, QImage::Format_ARGB32);
    picture.fill(qRgba(qRed(hidden), qGreen(hidden), qBlue(hidden), 0));
    return picture;
}

void Fill(QImage& picture, const QRect& r, QRgb colour) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) picture.setPixel(x, y, colour);
}

QRect RectOf(const QJsonObject& o) {
    return QRect(o["x"].toInt(), o["y"].toInt(), o["w"].toInt(), o["h"].toInt());
}

QJsonObject JsonRect(const QRect& r) {
    return {{"x", r.x()}, {"y", r.y()}, {"w", r.width()}, {"h", r.height()}};
}

int MostChannelGap(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// An atlas written to a folder of its own and read back: its data, the PNG's colour type (the
// byte at 25) and its texels.
struct Written {
    QJsonObject data, frames;
    int colourType = 0;
    QImage atlas;
    QRect frame(const QString& name) const { return RectOf(frames[name]["frame"].toObject()); }
};

Written Write(const PageBitmap& page, const std::vector<AtlasFrame>& frames,
              const EngineAtlasSettings& settings) {
    QTemporaryDir dir;
    WriteEngineAtlas(page, frames, settings, dir.filePath("atlas.png"), dir.filePath("page.png"));
    QFile data(dir.filePath("atlas.json")), png(dir.filePath("atlas.png"));
    EXPECT_TRUE(data.open(QIODevice::ReadOnly) && png.open(QIODevice::ReadOnly));
    Written out;
    out.data = QJsonDocument::fromJson(data.readAll()).object();
    out.frames = out.data["frames"].toObject();
    out.colourType = png.readAll().at(25);
    out.atlas = QImage(dir.filePath("atlas.png")).convertToFormat(QImage::Format_ARGB32);
    return out;
}

// A 6 x 5 sprite at (3, 2) of a 12 x 8 page: an opaque rectangle, a faint texel, a threshold,
// and the rectangle kept (in the sprite).
TEST(EngineTrim, KeepsTheSmallestRectangleAboveTheThreshold) {
    const struct {
        const char* what;
        QRect opaque;  // empty: none
        QPoint faint;  // (-1, -1): none; alpha 10
        int threshold;
        QRect kept;
    } rows[] = {
        {"nothing to cut", QRect(0, 0, 6, 5), {-1, -1}, 0, QRect(0, 0, 6, 5)},
        {"four sides", QRect(1, 1, 3, 2), {-1, -1}, 0, QRect(1, 1, 3, 2)},
        {"fully transparent", QRect(), {-1, -1}, 0, QRect(0, 0, 1, 1)},
        {"faint texel above 9", QRect(1, 1, 2, 2), {5, 4}, 9, QRect(1, 1, 5, 4)},
        {"faint texel at the threshold", QRect(1, 1, 2, 2), {5, 4}, 10, QRect(1, 1, 2, 2)},
        {"faint texel alone", QRect(), {5, 4}, 0, QRect(5, 4, 1, 1)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QImage picture = Clear(12, 8);
        Fill(picture, QRect(0, 0, 12, 8), qRgba(0, 0, 255, 255));  // another element around
        Fill(picture, QRect(3, 2, 6, 5), qRgba(9, 9, 9, 0));
        if (!row.opaque.isEmpty())
            Fill(picture, row.opaque.translated(3, 2), qRgba(0, 200, 0, 255));
        if (row.faint.x() >= 0) picture.setPixel(row.faint + QPoint(3, 2), qRgba(0, 200, 0, 10));
        const PageBitmap page = PageBitmap::fromPicture(picture);
        EXPECT_EQ(TrimmedRect(page, QRect(3, 2, 6, 5), row.threshold), row.kept.translated(3, 2));
    }
    // A page without alpha is opaque everywhere: nothing is cut below 255.
    const PageBitmap page = PageBitmap::fromPicture(Solid(6, 5, Qt::red));
    EXPECT_EQ(TrimmedRect(page, QRect(1, 1, 4, 3), 254), QRect(1, 1, 4, 3));
    EXPECT_EQ(TrimmedRect(page, QRect(1, 1, 4, 3), 255), QRect(1, 1, 1, 1));
}

// Three elements: a.png (6 x 5, opaque 3 x 2 at (2, 1)), b.png (4 x 4, opaque), c.png
// (3 x 3, fully transparent). The data says how each was cut, as PixiJS and Phaser read it.
TEST(EngineTrim, TheDataTellsWhereEachKeptRectangleSat) {
    QImage picture = Clear(13, 5);
    Fill(picture, QRect(2, 1, 3, 2), qRgba(0, 200, 0, 255));
    Fill(picture, QRect(6, 0, 4, 4), qRgba(200, 0, 0, 255));
    const Written w = Write(
        PageBitmap::fromPicture(picture),
        {{QRect(0, 0, 6, 5), "a.png"}, {QRect(6, 0, 4, 4), "b.png"}, {QRect(10, 0, 3, 3), "c.png"}},
        {.padding = 1, .extrude = 1});
    const struct {
        const char* name;
        QSize frame;
        bool trimmed;
        QRect kept;
        QSize source;
    } rows[] = {
        {"a.png", {3, 2}, true, {2, 1, 3, 2}, {6, 5}},
        {"b.png", {4, 4}, false, {0, 0, 4, 4}, {4, 4}},
        {"c.png", {1, 1}, true, {0, 0, 1, 1}, {3, 3}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QJsonObject source{{"w", row.source.width()}, {"h", row.source.height()}};
        EXPECT_EQ(w.frames[row.name].toObject(),
                  QJsonObject({{"frame", JsonRect(QRect(w.frame(row.name).topLeft(), row.frame))},
                               {"rotated", false},
                               {"trimmed", row.trimmed},
                               {"spriteSourceSize", JsonRect(row.kept)},
                               {"sourceSize", source}}));
    }
    EXPECT_EQ(w.data["meta"]["format"].toString(), "RGBA8888");
    EXPECT_FALSE(w.data["meta"].toObject().contains("premultipliedAlpha"));
    // The RGBA PNG and its free space are OnlyElementsWithAlphaMakeAnRgbaAtlas's.
    EXPECT_EQ(w.atlas.pixel(w.frame("a.png").topLeft()), qRgba(0, 200, 0, 255));
    EXPECT_EQ(w.atlas.pixel(w.frame("b.png").bottomRight()), qRgba(200, 0, 0, 255));
}

// Elements that came with alpha make an RGBA atlas (colour type 6) with transparent free space,
// even trimmed down to opaque texels (an opaque 4 x 4 in transparent margins); opaque ones keep
// the RGB atlas (colour type 2) with magenta free space, and the data as it always was.
TEST(EngineTrim, OnlyElementsWithAlphaMakeAnRgbaAtlas) {
    const Written opaque = Write(PageBitmap::fromPicture(Solid(10, 4, Qt::red)),
                                 {{QRect(0, 0, 6, 4), "a.png"}, {QRect(6, 0, 4, 4), "b.png"}},
                                 {.padding = 1, .extrude = 1});
    EXPECT_EQ(opaque.colourType, 2);
    EXPECT_EQ(opaque.atlas.pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(opaque.data["meta"]["format"].toString(), "RGB888");
    EXPECT_EQ(opaque.frames["a.png"]["trimmed"], QJsonValue(false));
    EXPECT_EQ(opaque.frames["a.png"]["spriteSourceSize"].toObject(), JsonRect(QRect(0, 0, 6, 4)));
    QImage margins = Clear(8, 8);
    Fill(margins, QRect(2, 2, 4, 4), qRgba(0, 200, 0, 255));
    const Written trimmed = Write(PageBitmap::fromPicture(margins), {{QRect(0, 0, 8, 8), "e.png"}},
                                  {.padding = 1, .extrude = 1});
    EXPECT_EQ(trimmed.colourType, 6);
    EXPECT_EQ(trimmed.atlas.size(), QSize(1 + 6 + 1, 1 + 6 + 1));
    EXPECT_EQ(trimmed.atlas.pixel(0, 0), qRgba(0, 0, 0, 0));
    EXPECT_EQ(trimmed.atlas.pixel(1, 1), qRgba(0, 200, 0, 255));  // the ring
}

// Soft sprites in transparent margins of every width: drawing each frame's pixels at
// spriteSourceSize in a canvas of sourceSize, the rest transparent, as PixiJS does, gives the
// source back: the same alpha everywhere, the same colour wherever alpha is above 0 (and
// everywhere inside the kept rectangle without bleeding).
TEST(EngineTrim, PixiJsRebuildsTheSourceTexelForTexel) {
    const QMargins margins[] = {{0, 0, 0, 0}, {3, 0, 0, 0}, {0, 2, 5, 0}, {4, 3, 2, 6}};
    QImage picture = Clear(4 * 24, 24, qRgba(90, 10, 10, 0));
    std::vector<AtlasFrame> frames;
    for (int i = 0; i < 4; ++i) {
        const QImage sprite = testing::Sprite(9 + 2 * i, 8 + i);
        const QMargins& m = margins[i];
        const QRect whole(24 * i, 0, m.left() + sprite.width() + m.right(),
                          m.top() + sprite.height() + m.bottom());
        for (int y = 0; y < sprite.height(); ++y)
            for (int x = 0; x < sprite.width(); ++x)
                picture.setPixel(whole.x() + m.left() + x, m.top() + y, sprite.pixel(x, y));
        frames.push_back({whole, QStringLiteral("s%1.png").arg(i)});
    }
    const PageBitmap page = PageBitmap::fromPicture(picture);
    for (const bool bleed : {true, false}) {
        SCOPED_TRACE(bleed ? "bled" : "not bled");
        const Written w = Write(page, frames, {.padding = 2, .extrude = 1, .bleed = bleed});
        for (const AtlasFrame& f : frames) {
            const QJsonObject entry = w.frames[f.name].toObject();
            const QRect frame = RectOf(entry["frame"].toObject());
            const QRect kept = RectOf(entry["spriteSourceSize"].toObject());
            const QJsonObject size = entry["sourceSize"].toObject();
            ASSERT_EQ(QSize(size["w"].toInt(), size["h"].toInt()), f.rect.size());
            EXPECT_EQ(entry["trimmed"].toBool(), kept != QRect(QPoint(0, 0), f.rect.size()));
            QImage canvas = Clear(f.rect.width(), f.rect.height());
            for (int y = 0; y < kept.height(); ++y)
                for (int x = 0; x < kept.width(); ++x)
                    canvas.setPixel(kept.x() + x, kept.y() + y,
                                    w.atlas.pixel(frame.x() + x, frame.y() + y));
            int wrong = 0;
            for (int y = 0; y < f.rect.height(); ++y)
                for (int x = 0; x < f.rect.width(); ++x) {
                    const QRgb got = canvas.pixel(x, y);
                    const QRgb source = picture.pixel(f.rect.x() + x, f.rect.y() + y);
                    const bool colourCounts = qAlpha(source) > 0 || (!bleed && kept.contains(x, y));
                    if (qAlpha(got) != qAlpha(source) || (colourCounts && got != source)) ++wrong;
                }
            EXPECT_EQ(wrong, 0) << f.name.toStdString();
        }
    }
}

// A 5 x 3 area, transparent white but for red (255) at (0, 1) and blue (alpha 128) at (4, 1).
// Each transparent texel takes the colour of the nearest coloured one in rings of 8
// neighbours: column 1 red, column 3 blue; column 2 is 2 from both and takes its left
// neighbour's. An area holding no coloured texel is left alone, and nothing outside it moves.
TEST(EngineBleed, TransparentTexelsTakeTheNearestColour) {
    const pixels::Bgr W{255, 255, 255}, R{0, 0, 255}, B{255, 0, 0};
    const struct {
        QRect area;
        pixels::Bgr columns[5];
    } rows[] = {
        {QRect(0, 0, 5, 3), {R, R, R, B, B}},
        {QRect(3, 0, 2, 3), {R, W, W, B, B}},  // only columns 3 and 4
        {QRect(1, 0, 3, 3), {R, W, W, W, B}},  // no coloured texel inside
    };
    for (const auto& row : rows) {
        pixels::PixelGrid grid(5, 3);
        for (int y = 0; y < 3; ++y) std::fill_n(grid.row(y), 5, W);
        grid.addAlpha(0);
        grid.at(0, 1) = R;
        grid.alphaRow(1)[0] = 255;
        grid.at(4, 1) = B;
        grid.alphaRow(1)[4] = 128;
        BleedTransparentColours(grid, row.area);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const pixels::Bgr before = y == 1 && x == 0 ? R : y == 1 && x == 4 ? B : W;
                EXPECT_EQ(grid.at(x, y), row.area.contains(x, y) ? row.columns[x] : before)
                    << x << "," << y;
                EXPECT_EQ(grid.alphaAt(x, y), y == 1 && x == 0 ? 255 : y == 1 && x == 4 ? 128 : 0);
            }
    }
}

// One element of three texels, black (alpha 0), green, white (alpha 0), untrimmed, ring 1,
// padding 1: the ring repeats the border texels, alpha 0 included, and is bled with them;
// without bleeding the colours stay; premultiplied, every transparent colour is black.
TEST(EngineBleed, TheRingIsBledWithTheFrame) {
    const QRgb G = qRgb(30, 180, 40), K = qRgb(0, 0, 0), Wh = qRgb(255, 255, 255);
    QImage picture = Clear(3, 1);
    picture.setPixel(1, 0, qRgba(30, 180, 40, 255));
    picture.setPixel(2, 0, qRgba(255, 255, 255, 0));
    const PageBitmap page = PageBitmap::fromPicture(picture);
    const struct {
        const char* what;
        bool bleed, premultiply;
        QRgb colours[5];  // the 5 columns of frame and ring
    } rows[] = {
        {"bled", true, false, {G, G, G, G, G}},
        {"not bled", false, false, {K, K, G, Wh, Wh}},
        {"premultiplied", true, true, {K, K, G, K, K}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const EngineAtlasSettings settings{.padding = 1,
                                           .extrude = 1,
                                           .trim = false,
                                           .bleed = row.bleed,
                                           .premultiply = row.premultiply};
        const EngineLayout layout = LayOutEngineAtlas(page, {{QRect(0, 0, 3, 1), "e"}}, settings);
        const QImage atlas =
            testing::GridImage(ComposeEngineSheet(page, layout.sheets.at(0), settings));
        ASSERT_EQ(atlas.size(), QSize(7, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const bool inside = x >= 1 && x <= 5 && y >= 1 && y <= 3;
                const QRgb want = !inside
                                      ? qRgba(0, 0, 0, 0)
                                      : qRgba(qRed(row.colours[x - 1]), qGreen(row.colours[x - 1]),
                                              qBlue(row.colours[x - 1]), x == 3 ? 255 : 0);
                EXPECT_EQ(atlas.pixel(x, y), want) << x << "," << y;
            }
    }
}

// c x a / 255 rounded: 200 x 128 / 255 = 100.4, 100 x 128 / 255 = 50.2, 50 x 128 / 255 = 25.1;
// 200 x 192 / 255 = 150.6 rounds up.
TEST(EngineBleed, PremultipliedColoursAreRounded) {
    const struct {
        pixels::Bgr colour;
        uint8_t alpha;
        pixels::Bgr premultiplied;
    } rows[] = {
        {{50, 100, 200}, 128, {25, 50, 100}},
        {{255, 255, 255}, 1, {1, 1, 1}},
        {{30, 20, 10}, 0, {0, 0, 0}},
        {{9, 8, 7}, 255, {9, 8, 7}},
        {{255, 3, 1}, 127, {127, 1, 0}},  // 3 x 127 / 255 = 1.49, 1 x 127 / 255 = 0.498
        {{200, 200, 200}, 192, {151, 151, 151}},
    };
    const int count = int(std::size(rows));
    pixels::PixelGrid grid(count, 1);
    grid.addAlpha();
    for (int i = 0; i < count; ++i) {
        grid.at(i, 0) = rows[i].colour;
        grid.alphaRow(0)[i] = rows[i].alpha;
    }
    PremultiplyAlpha(grid);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(grid.at(i, 0), rows[i].premultiplied) << i;
        EXPECT_EQ(grid.alphaAt(i, 0), rows[i].alpha);
    }
}

// Green sprites, hard and soft edged, over black, white and magenta hidden colours, exported
// with the defaults and 4 mip levels, then mipmapped as a GPU does: at every level, no texel
// with alpha of at least 1 that a frame or its 1-texel ring touches is more than 4 from the
// green in any channel. Without bleeding the hidden colours leak in.
TEST(EngineBleed, NoHaloAtAnyMipLevel) {
    const QRgb green = qRgb(40, 200, 60);
    const QRgb hidden[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 255)};
    QImage picture = Clear(6 * 28, 24);
    std::vector<AtlasFrame> frames;
    for (int i = 0; i < 6; ++i) {
        const bool soft = i % 2 == 1;
        const int w = 11 + 2 * i, h = 9 + i;
        const QRect whole(28 * i, 0, w + 4, h + 3);
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x) {
                const double dx = (x - 2 + 0.5 - w / 2.0) / (w / 2.0);
                const double dy = (y - 1 + 0.5 - h / 2.0) / (h / 2.0);
                const double d = dx * dx + dy * dy;
                const int a = d >= 1 ? 0 : soft && d > 0.5 ? int(255 * (1 - d) / 0.5) : 255;
                const QRgb under = a == 0 ? hidden[i / 2] : green;
                picture.setPixel(whole.x() + x, y,
                                 qRgba(qRed(under), qGreen(under), qBlue(under), a));
            }
        frames.push_back({whole, QStringLiteral("f%1.png").arg(i)});
    }
    const PageBitmap page = PageBitmap::fromPicture(picture);
    for (const bool bleed : {true, false}) {
        SCOPED_TRACE(bleed ? "bled" : "not bled");
        const Written w = Write(page, frames, {.mipLevels = 4, .bleed = bleed});
        QImage level = w.atlas;
        int far = 0, seen = 0;
        for (int k = 0; k <= 4; ++k) {
            if (k > 0) level = BoxHalved(level);
            for (const AtlasFrame& f : frames)
                ForRingedTexels(w.frame(f.name), k, [&](int x, int y) {
                    const QRgb p = level.pixel(x, y);
                    if (qAlpha(p) < 1) return;
                    ++seen;
                    far += MostChannelGap(p, green) > 4;
                });
        }
        EXPECT_GT(seen, 500);
        if (bleed)
            EXPECT_EQ(far, 0);
        else
            EXPECT_GT(far, 50);
    }
}

// Opaque frames of flat colours, BC1 with 2 mip levels: every cell covers whole 16-pixel
// blocks (4 x 2^2), so at levels 0 to 2 each decoded 4 x 4 block holds one frame and its ring:
// the frame's texels and its 1-texel ring decode within BC1's rounding of its colour (5 and
// 6-bit endpoints: 4 at most). Laid out on 4-pixel steps only, as before, blocks of the last
// levels mix frames with the magenta around them.
TEST(EngineBlocks, NoBlockMixesAFrameWithAnythingElse) {
    const QSize sizes[] = {{7, 5}, {13, 9}, {3, 3}, {17, 6}, {9, 12}, {5, 14}};
    const QRgb colours[] = {qRgb(200, 40, 40),  qRgb(40, 160, 200), qRgb(90, 90, 90),
                            qRgb(230, 200, 30), qRgb(20, 120, 60),  qRgb(120, 60, 160)};
    QImage picture(6 * 20, 20, QImage::Format_BGR888);
    std::vector<AtlasFrame> frames;
    for (int i = 0; i < 6; ++i) {
        const QRect r(20 * i, 0, sizes[i].width(), sizes[i].height());
        Fill(picture, r, colours[i]);
        frames.push_back({r, QStringLiteral("f%1").arg(i)});
    }
    const PageBitmap page = PageBitmap::fromPicture(picture);
    const int levels = 2;
    for (const int blockSide : {4, 1}) {
        SCOPED_TRACE(blockSide);
        const EngineAtlasSettings settings{.mipLevels = levels, .blockSide = blockSide};
        const EngineLayout layout = LayOutEngineAtlas(page, frames, settings);
        const EngineSheet& sheet = layout.sheets.at(0);
        const std::vector<pixels::PixelGrid> chain =
            pixels::BuildMipChain(ComposeEngineSheet(page, sheet, settings), {.maxLevel = levels});
        int far = 0;
        for (int k = 0; k <= levels; ++k) {
            const QImage decoded = imagefile::ReadDds(imagefile::DdsFileBytes(
                imagefile::RowsOf(chain[k]),
                {.format = imagefile::GpuBlockFormat::Bc1, .mipmaps = false}));
            for (const EngineCell& cell : sheet.cells) {
                const QRect r = cell.frame.rect;
                if (blockSide == 4) {
                    EXPECT_EQ(r.marginsAdded(cell.ring).x() % 16, 0);
                    EXPECT_EQ(r.marginsAdded(cell.ring).right() % 16, 15);
                }
                const QRgb own = picture.pixel(cell.source.topLeft());
                ForRingedTexels(r, k, [&](int x, int y) {
                    far += MostChannelGap(decoded.pixel(x, y), own) > 4;
                });
            }
        }
        if (blockSide == 4)
            EXPECT_EQ(far, 0);
        else
            EXPECT_GT(far, 0);
    }
}

// ASTC 6 x 6 with 1 mip level: cells on 12-pixel steps, and with --pot the atlas still has
// power-of-two sides (grown after packing), each cell still on 12-pixel steps.
TEST(EngineBlocks, SixPixelBlocksKeepPowerOfTwoSides) {
    const PageBitmap page = PageBitmap::fromPicture(Solid(60, 20, Qt::red));
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 30, 20), "a"}, {QRect(30, 0, 7, 9), "b"}};
    for (const bool pot : {false, true}) {
        const EngineLayout layout =
            LayOutEngineAtlas(page, frames, {.powerOfTwo = pot, .mipLevels = 1, .blockSide = 6});
        const QSize size = layout.sheets.at(0).size;
        if (pot) {
            EXPECT_EQ(size.width() & (size.width() - 1), 0) << size.width();
            EXPECT_EQ(size.height() & (size.height() - 1), 0) << size.height();
        } else {
            EXPECT_EQ(size.width() % 12, 0);
            EXPECT_EQ(size.height() % 12, 0);
        }
        for (const EngineCell& cell : layout.sheets.at(0).cells) {
            const QRect ringed = cell.frame.rect.marginsAdded(cell.ring);
            EXPECT_EQ(ringed.x() % 12, 0);
            EXPECT_EQ((ringed.right() + 1) % 12, 0);
        }
    }
}

// A 4 x 2 element whose left column is transparent, and its texel (1, 0) too: the normal map
// is cut as the colours are (3 x 2), and the transparent texel inside lies flat.
TEST(EngineBlocks, NormalMapsAreTrimmedAndFlatUnderTransparency) {
    QImage picture = Clear(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 1; x < 4; ++x) picture.setPixel(x, y, qRgba(60 * x, 60 * x, 60 * x, 255));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const PageBitmap page = PageBitmap::fromPicture(picture);
    const EngineLayout layout =
        LayOutEngineAtlas(page, {{QRect(0, 0, 4, 2), "e"}}, {.padding = 1, .extrude = 1});
    const EngineCell& cell = layout.sheets.at(0).cells.at(0);
    EXPECT_EQ(cell.source, QRect(1, 0, 3, 2));
    const QImage normals = testing::GridImage(ComposeNormalSheet(page, layout.sheets.at(0), {}));
    EXPECT_EQ(normals.pixelColor(cell.frame.rect.topLeft()), QColor(128, 128, 255));
    EXPECT_NE(normals.pixelColor(cell.frame.rect.topLeft() + QPoint(1, 1)), QColor(128, 128, 255));
}

}  // namespace
}  // namespace tessella::texture
