#include "drawing/ShapeGeometry.h"

#include <algorithm>

namespace tessella::drawing {

namespace {

bool Regular(ShapeKind kind) {
    return static_cast<int>(kind) % 2 == 1;
}

// The shape in the box (x, y, w, h) drawn inset by b on every side.
ShapeOutline Outline(int x, int y, int w, int h, int b, int corner) {
    ShapeOutline o;
    o.box = {x + b, y + b, x + w - b, y + h - b};
    o.corner = corner;
    o.diamond = {QPoint(x + w / 2, y + b), QPoint(x + w - b, y + h / 2),
                 QPoint(x + w / 2, y + h - b), QPoint(x + b, y + h / 2)};
    return o;
}

}  // namespace

int ClampBorder(int border, int width, int height) {
    const int v = std::clamp(border, 0, kMaxBorder);
    if (v <= width / 2 && v <= height / 2) return v;
    return width > height ? height / 2 : width / 2;
}

ShapeOutlines OutlinesOf(ShapeKind kind, int width, int height, int penWidth, int border) {
    int x = penWidth / 2, y = penWidth / 2;
    int w = width - penWidth + 1, h = height - penWidth + 1;
    const int s = std::min(w, h);
    if (Regular(kind)) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    return {Outline(x, y, w, h, 0, s / 4), Outline(x, y, w, h, border, s / 4)};
}

}  // namespace tessella::drawing
