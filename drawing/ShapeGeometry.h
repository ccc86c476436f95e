#pragma once
// Where a framed shape's outlines go inside a control of a given size: the outer shape, the
// inner one a border width further in, and the border clamped to what the size allows.

#include <QPoint>
#include <array>

namespace tessella::drawing {

// The odd kinds are the regular variants, drawn in the largest centred square.
enum class ShapeKind {
    Rectangle,
    Square,
    RoundedRectangle,
    RoundedSquare,
    Ellipse,
    Circle,
    Diamond,
    RegularDiamond,
};

inline constexpr int kMaxBorder = 20;

// A box from (left, top) to (right, bottom), the right and bottom edges excluded as the
// painting platform's rectangles have them.
struct ShapeBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const ShapeBox&, const ShapeBox&) = default;
};

struct ShapeOutline {
    ShapeBox box;
    int corner = 0;                   // width and height of the rounded kinds' corner ellipse
    std::array<QPoint, 4> diamond{};  // top, right, bottom, left points of the diamonds
};

struct ShapeOutlines {
    ShapeOutline outer, inner;
};

// The border limited to 0..kMaxBorder, then to half the smaller side of the control.
int ClampBorder(int border, int width, int height);

// The outer and inner outlines of kind in a width x height control drawn with a pen
// penWidth wide and a frame border pixels wide (border 0: the inner shape is the outer one).
ShapeOutlines OutlinesOf(ShapeKind kind, int width, int height, int penWidth, int border);

}  // namespace tessella::drawing
