// Shapes and the paint pot on a picture, against pixels worked out by hand.

#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <vector>

#include "drawing/FloodFill.h"
#include "drawing/ShapePainting.h"

using namespace tessella::drawing;

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
    EXPECT_EQ(RoundedCorner({10, 10}, {40, 30}), QSize(15, 10));
    EXPECT_EQ(RoundedCorner({10, 10}, {13, 10}), QSize(1, 0));
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
        {DrawingTool::Rectangle, {5, 5}, {5, 12}},       {DrawingTool::Ellipse, {3, 4}, {9, 4}},
        {DrawingTool::RoundedRectangle, {6, 6}, {6, 6}}, {DrawingTool::Line, {6, 6}, {6, 6}},
        {DrawingTool::Pencil, {1, 1}, {9, 9}},
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

// Random walls of every density, seeds anywhere: the fill paints exactly the pixels a plain
// breadth-first walk over the four neighbours reaches from the seed.
TEST(FloodFill, PaintsWhatAFourNeighbourWalkReachesOnRandomWalls) {
    uint32_t state = 99;
    auto next = [&state](uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const int w = 1 + int(next(23)), h = 1 + int(next(23));
        const uint32_t density = next(70);  // percent of wall pixels
        QImage picture = White(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (next(100) < density) picture.setPixelColor(x, y, Qt::black);
        const QPoint seed{int(next(uint32_t(w))), int(next(uint32_t(h)))};
        const QColor area = picture.pixelColor(seed);
        std::vector<bool> reached(size_t(w * h));
        std::vector<QPoint> walk{seed};
        reached[size_t(seed.y() * w + seed.x())] = true;
        while (!walk.empty()) {
            const QPoint p = walk.back();
            walk.pop_back();
            for (QPoint n :
                 {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                if (picture.rect().contains(n) && !reached[size_t(n.y() * w + n.x())] &&
                    picture.pixelColor(n) == area) {
                    reached[size_t(n.y() * w + n.x())] = true;
                    walk.push_back(n);
                }
        }
        QImage filled = picture;
        FloodFill(filled, seed, QBrush(Qt::red));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(filled.pixelColor(x, y),
                          reached[size_t(y * w + x)] ? QColor(Qt::red) : picture.pixelColor(x, y))
                    << x << "," << y;
    }
}

TEST(FloodFill, AHatchedBrushGivesAHatchedFill) {
    const struct {
        Qt::BrushStyle style;
        bool rows;  // horizontal lines, else vertical
    } cases[] = {{Qt::HorPattern, true}, {Qt::VerPattern, false}};
    for (const auto& c : cases) {
        QImage picture = White(16, 16);
        FloodFill(picture, {5, 5}, QBrush(Qt::red, c.style));
        // One line in eight is painted across the whole picture; the rest stays white.
        std::set<int> painted;
        for (auto [x, y] : Marked(picture)) painted.insert(c.rows ? y : x);
        ASSERT_EQ(painted.size(), 2u);
        EXPECT_EQ(*painted.rbegin() - *painted.begin(), 8);
        EXPECT_EQ(Marked(picture).size(), 32u);
        for (auto [x, y] : Marked(picture)) EXPECT_EQ(picture.pixelColor(x, y), QColor(Qt::red));
    }
}

TEST(FloodFill, TheAreasOwnColourOrASeedOutsideChangesNothing) {
    QImage picture = White(8, 8);
    picture.setPixelColor(3, 3, Qt::blue);
    const QImage before = picture;
    FloodFill(picture, {0, 0}, QBrush(Qt::white));
    FloodFill(picture, {0, 0}, QBrush(Qt::white, Qt::CrossPattern));
    FloodFill(picture, {8, 0}, QBrush(Qt::red));
    FloodFill(picture, {-1, 2}, QBrush(Qt::red));
    FloodFill(picture, {2, 2}, QBrush(Qt::red, Qt::NoBrush));
    EXPECT_EQ(picture, before);
}
