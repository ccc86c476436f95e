#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "drawing/ShapeGeometry.h"
#include "ui/widgets/ShapeOverlay.h"

using namespace tessella::drawing;
using tessella::widgets::ShapeOverlay;

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
