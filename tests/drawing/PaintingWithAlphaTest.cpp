// The drawing tools on an element with alpha: what they paint is opaque, the rest keeps its
// alpha and its hidden colours.

#include <gtest/gtest.h>

#include <QImage>

#include "drawing/FloodFill.h"
#include "drawing/ShapePainting.h"

using namespace tessella::drawing;

namespace {

// w x h, transparent, hiding (10, 20, 30); the last column half transparent (200, 30, 30, 100).
QImage Sprite(int w, int h) {
    QImage picture(w, h, QImage::Format_ARGB32);
    picture.fill(qRgba(10, 20, 30, 0));
    for (int y = 0; y < h; ++y) picture.setPixel(w - 1, y, qRgba(200, 30, 30, 100));
    return picture;
}

TEST(PaintingWithAlpha, TheSolidPaintPotPaintsOpaque) {
    QImage picture = Sprite(4, 3);
    FloodFill(picture, QPoint(0, 0), QBrush(QColor(0, 200, 0)));
    EXPECT_EQ(picture.format(), QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) EXPECT_EQ(picture.pixel(x, y), qRgba(0, 200, 0, 255)) << x;
        // Another colour: not of the area, kept with its alpha.
        EXPECT_EQ(picture.pixel(3, y), qRgba(200, 30, 30, 100));
    }
}

// One row in eight painted, across the whole area: 8 of its 64 texels.
TEST(PaintingWithAlpha, TheHatchedPaintPotPaintsItsLinesOpaque) {
    QImage picture = Sprite(9, 8);
    FloodFill(picture, QPoint(0, 0), QBrush(QColor(0, 0, 255), Qt::HorPattern));
    int painted = 0, between = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const QRgb p = picture.pixel(x, y);
            if (p == qRgba(0, 0, 255, 255))
                ++painted;
            else if (p == qRgba(10, 20, 30, 0))  // between the lines: as it was
                ++between;
        }
    EXPECT_EQ(painted, 8);
    EXPECT_EQ(between, 56);
}

// Copied, a shape is opaque. Following the pointer it is drawn twice in NOT-XOR: the second
// time puts every texel back, its alpha and hidden colour included.
TEST(PaintingWithAlpha, ShapesPaintOpaqueAndARubberBandDrawnTwiceLeavesNoTrace) {
    const QImage before = Sprite(7, 6);
    QImage picture = before;
    const auto draw = [&] {
        DrawShape(picture, DrawingTool::Rectangle, QPoint(1, 1), QPoint(6, 5),
                  QPen(QColor(0, 0, 255)), QBrush(QColor(0, 255, 0)), PenMode::NotXor);
    };
    draw();
    // Shown over the transparent texels: their alpha turned over to 255.
    EXPECT_EQ(qAlpha(picture.pixel(1, 1)), 255);
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    draw();
    EXPECT_EQ(picture, before);
    DrawShape(picture, DrawingTool::Line, QPoint(0, 1), QPoint(4, 1), QPen(QColor(0, 0, 255)),
              Qt::NoBrush, PenMode::Copy);
    EXPECT_EQ(picture.pixel(2, 1), qRgba(0, 0, 255, 255));
    EXPECT_EQ(qAlpha(picture.pixel(2, 0)), 0);
    EXPECT_EQ(picture.pixel(6, 0), qRgba(200, 30, 30, 100));
}

}  // namespace
