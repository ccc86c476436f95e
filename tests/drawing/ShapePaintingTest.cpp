// Shapes, their outlines and the paint pot on a picture, against pixels worked out by hand.

#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <vector>

#include "drawing/FloodFill.h"
#include "drawing/ShapeGeometry.h"
#include "drawing/ShapePainting.h"
#include "ui/widgets/ShapeOverlay.h"

using namespace tessella::drawing;
using tessella::widgets::ShapeOverlay;

namespace {

using Pixels = std::set<std::pair<int, int>>;

QImage White(int w, int h) {
    QImage picture(w, h, QImage::Format_BGR888);
    picture.fill(Qt::white);
    return picture;
}

// The pixels of picture that are not white.
Pixels Marked(const QImage& picture) {
    Pixels marked;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) != QColor(Qt::white)) marked.insert({x, y});
    return marked;
}

// The outline of the box from (l, t) to (r, b), both included.
Pixels Outline(int l, int t, int r, int b) {
    Pixels p;
    for (int x = l; x <= r; ++x) p.insert({x, t}), p.insert({x, b});
    for (int y = t; y <= b; ++y) p.insert({l, y}), p.insert({r, y});
    return p;
}

const QPen kBlackPen(Qt::black, 1);

}  // namespace

TEST(ShapePainting, ALineCoversBothEndsAndNotXorTwicePutsThePixelsBack) {
    for (int width : {0, 1}) {
        QImage picture = White(16, 8);
        const QPen pen(Qt::black, width);
        DrawShape(picture, DrawingTool::Line, {2, 3}, {10, 3}, pen, Qt::NoBrush, PenMode::NotXor);
        Pixels line;
        for (int x = 2; x <= 10; ++x) line.insert({x, 3});
        EXPECT_EQ(Marked(picture), line) << "pen width " << width;
        DrawShape(picture, DrawingTool::Line, {2, 3}, {10, 3}, pen, Qt::NoBrush, PenMode::NotXor);
        EXPECT_EQ(picture, White(16, 8));
    }
}

TEST(ShapePainting, AReleaseAwayFromTheLastMoveLeavesTheLastOutlineUnderTheShape) {
    QImage picture = White(16, 12);
    // The rubber band last drawn to (8, 6), the release at (12, 9).
    DrawShape(picture, DrawingTool::Rectangle, {2, 2}, {8, 6}, kBlackPen, Qt::NoBrush,
              PenMode::NotXor);
    DrawShape(picture, DrawingTool::Rectangle, {2, 2}, {12, 9}, kBlackPen, Qt::NoBrush,
              PenMode::Copy);
    Pixels expected = Outline(2, 2, 7, 5);
    expected.merge(Outline(2, 2, 11, 8));
    EXPECT_EQ(Marked(picture), expected);
}

TEST(ShapePainting, RoundedCornersAreHalfTheBoxWhicheverWayItIsDragged) {
    EXPECT_EQ(RoundedCorner({40, 30}, {10, 10}), QSize(15, 10));
    QImage up = White(50, 40), down = White(50, 40);
    DrawShape(up, DrawingTool::RoundedRectangle, {40, 30}, {10, 10}, kBlackPen, Qt::NoBrush,
              PenMode::Copy);
    DrawShape(down, DrawingTool::RoundedRectangle, {10, 10}, {40, 30}, kBlackPen, Qt::NoBrush,
              PenMode::Copy);
    EXPECT_EQ(up, down);
    // Straight edges in the middle of each side, none at the corners.
    for (QPoint edge : {QPoint(25, 10), QPoint(25, 29), QPoint(10, 20), QPoint(39, 20)})
        EXPECT_EQ(up.pixelColor(edge), QColor(Qt::black)) << edge.x() << "," << edge.y();
    for (QPoint corner :
         {QPoint(10, 10), QPoint(39, 10), QPoint(10, 29), QPoint(39, 29), QPoint(11, 11)})
        EXPECT_EQ(up.pixelColor(corner), QColor(Qt::white)) << corner.x() << "," << corner.y();
}

TEST(ShapePainting, ShapesWithoutWidthOrHeightDrawNothing) {
    const struct {
        DrawingTool tool;
        QPoint a, b;
    } rows[] = {
        {DrawingTool::Rectangle, {5, 5}, {5, 12}},
        {DrawingTool::Ellipse, {3, 4}, {9, 4}},
        {DrawingTool::Line, {6, 6}, {6, 6}},
    };
    for (const auto& r : rows) {
        QImage picture = White(16, 16);
        DrawShape(picture, r.tool, r.a, r.b, kBlackPen, QBrush(Qt::red), PenMode::Copy);
        EXPECT_EQ(picture, White(16, 16)) << int(r.tool);
    }
}

TEST(ShapePainting, ARectangleIsOutlinedWithThePenAndFilledWithTheBrush) {
    QImage picture = White(12, 12);
    DrawShape(picture, DrawingTool::Rectangle, {8, 7}, {2, 1}, kBlackPen, QBrush(Qt::red),
              PenMode::Copy);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool edge = Outline(2, 1, 7, 6).count({x, y}) != 0;
            const bool inside = x > 2 && x < 7 && y > 1 && y < 6;
            const QColor expected = edge ? Qt::black : inside ? Qt::red : Qt::white;
            EXPECT_EQ(picture.pixelColor(x, y), expected) << x << "," << y;
        }
}

TEST(FloodFill, FillsTheFourConnectedAreaOnly) {
    // A black diagonal from (0, 5) to (5, 0): a 4-connected fill from the corner stops there,
    // though the white pixels on both sides touch corner to corner.
    QImage picture = White(6, 6);
    for (int x = 0; x < 6; ++x) picture.setPixelColor(x, 5 - x, Qt::black);
    FloodFill(picture, {0, 0}, QBrush(Qt::red));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const QColor expected = x + y < 5 ? Qt::red : x + y == 5 ? Qt::black : Qt::white;
            EXPECT_EQ(picture.pixelColor(x, y), expected) << x << "," << y;
        }
}

// Random walls, seeds anywhere: the span fill paints exactly what a plain walk over the four
// neighbours reaches (a span fill that skips the rows beyond its span fails here).
TEST(FloodFill, PaintsWhatAFourNeighbourWalkReachesOnRandomWalls) {
    uint32_t state = 99;
    auto next = [&state](uint32_t n) {
        return ((state = state * 1664525u + 1013904223u) >> 8) % n;
    };
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + int(next(23)), h = 1 + int(next(23));
        const uint32_t density = next(70);
        QImage picture = White(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (next(100) < density) picture.setPixelColor(x, y, Qt::black);
        const QPoint seed{int(next(uint32_t(w))), int(next(uint32_t(h)))};
        QImage expected = picture;
        std::vector<QPoint> walk{seed};
        const QColor area = picture.pixelColor(seed);
        expected.setPixelColor(seed, Qt::red);
        while (!walk.empty()) {
            const QPoint p = walk.back();
            walk.pop_back();
            for (QPoint n :
                 {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                if (picture.rect().contains(n) && expected.pixelColor(n) == area) {
                    expected.setPixelColor(n, Qt::red);
                    walk.push_back(n);
                }
        }
        FloodFill(picture, seed, QBrush(Qt::red));
        ASSERT_EQ(picture, expected) << "round " << round;
    }
}

TEST(FloodFill, TheAreasOwnColourOrASeedOutsideChangesNothing) {
    QImage picture = White(8, 8);
    picture.setPixelColor(3, 3, Qt::blue);
    const QImage before = picture;
    FloodFill(picture, {0, 0}, QBrush(Qt::white));
    FloodFill(picture, {8, 0}, QBrush(Qt::red));
    FloodFill(picture, {2, 2}, QBrush(Qt::red, Qt::NoBrush));
    EXPECT_EQ(picture, before);
}

TEST(ShapeGeometry, OutlinesOfTheExamples) {
    struct Row {
        ShapeKind kind;
        int w, h, pen, border;
        ShapeBox outer, inner;
    } rows[] = {
        // Drawn twice in the same box without a border.
        {ShapeKind::Rectangle, 65, 65, 1, 0, {0, 0, 65, 65}, {0, 0, 65, 65}},
        // W = 98, H = 38, S = 38: centred square from x 1 + 30.
        {ShapeKind::Circle, 100, 40, 3, 0, {31, 1, 69, 39}, {31, 1, 69, 39}},
        {ShapeKind::Ellipse, 100, 40, 3, 4, {1, 1, 99, 39}, {5, 5, 95, 35}},
    };
    for (const Row& r : rows) {
        const ShapeOutlines o = OutlinesOf(r.kind, r.w, r.h, r.pen, r.border);
        EXPECT_EQ(o.outer.box, r.outer) << static_cast<int>(r.kind);
        EXPECT_EQ(o.inner.box, r.inner) << static_cast<int>(r.kind);
    }
    EXPECT_EQ(OutlinesOf(ShapeKind::RoundedRectangle, 100, 40, 1, 0).outer.corner, 10);
    const auto inner = OutlinesOf(ShapeKind::Diamond, 65, 65, 1, 5).inner.diamond;
    EXPECT_EQ(inner[0], QPoint(32, 5));
    EXPECT_EQ(inner[1], QPoint(60, 32));
}

TEST(ShapeGeometry, BorderIsClampedToTheRangeAndTheSize) {
    struct Row {
        int border, w, h, expected;
    } rows[] = {{25, 30, 60, 15}, {-3, 30, 60, 0}, {12, 30, 60, 12}, {30, 100, 100, 20}};
    for (const Row& r : rows) EXPECT_EQ(ClampBorder(r.border, r.w, r.h), r.expected) << r.border;
}

namespace {
QImage Painted(ShapeOverlay& shape) {
    QImage out(shape.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    shape.render(&out);
    return out;
}
}  // namespace

TEST(ShapeOverlay, TheFrameIsPaintedOnItsOwnSurface) {
    ShapeOverlay shape;
    shape.resize(40, 40);
    shape.setPen(QPen(Qt::black));
    shape.setBrush(QColor(Qt::yellow));
    shape.setBorder(5);
    // The outer outline takes the brush colour until the frame is visible.
    QImage out = Painted(shape);
    EXPECT_EQ(out.pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(out.pixelColor(5, 5), QColor(Qt::black));
    shape.setFrameVisible(true);
    EXPECT_EQ(Painted(shape).pixelColor(0, 0), QColor(Qt::black));
}
