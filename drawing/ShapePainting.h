#pragma once
// The drawing tools' shapes painted straight into a picture: lines, rectangles, ellipses and
// rounded rectangles between two corners, in copy mode or in the not-xor mode of the rubber
// band, which puts the pixels back when the same shape is drawn twice.

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QSize>

namespace tessella::drawing {

enum class DrawingTool { Pencil, Line, Rectangle, Ellipse, RoundedRectangle };
enum class PenMode { Copy, NotXor };

// The corner ellipse of a rounded rectangle with corners a and b: half the box's width and
// half its height (truncated), whichever way the box was dragged.
QSize RoundedCorner(QPoint a, QPoint b);

// Draws tool's shape with corners a and b into picture: the outline with pen, the inside of
// the closed shapes with brush. A line covers both of its ends; the closed shapes cover the
// box from the smaller corner up to, not including, the larger one, so a box with no width or
// no height draws nothing. The pencil draws nothing here (it sets single pixels).
void DrawShape(QImage& picture, DrawingTool tool, QPoint a, QPoint b, const QPen& pen,
               const QBrush& brush, PenMode mode);

}  // namespace tessella::drawing
