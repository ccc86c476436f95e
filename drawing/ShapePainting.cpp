#include "drawing/ShapePainting.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace tessella::drawing {

QSize RoundedCorner(QPoint a, QPoint b) {
    return QSize(std::abs((a.x() - b.x()) / 2), std::abs((a.y() - b.y()) / 2));
}

void DrawShape(QImage& picture, DrawingTool tool, QPoint a, QPoint b, const QPen& pen,
               const QBrush& brush, PenMode mode) {
    if (tool == DrawingTool::Pencil || picture.isNull()) return;
    const int left = std::min(a.x(), b.x()), right = std::max(a.x(), b.x());
    const int top = std::min(a.y(), b.y()), bottom = std::max(a.y(), b.y());
    const bool closed = tool != DrawingTool::Line;
    if (closed && (left == right || top == bottom)) return;
    if (!closed && a == b) return;
    // Columns left .. right - 1 and rows top .. bottom - 1: a stroked QRect covers one pixel
    // more than its size each way.
    const QRect inside(left, top, right - left - 1, bottom - top - 1);

    QPainter p(&picture);
    if (mode == PenMode::NotXor) p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setPen(pen);
    p.setBrush(closed ? brush : Qt::NoBrush);
    switch (tool) {
        case DrawingTool::Line:
            p.drawLine(a, b);
            break;
        case DrawingTool::Rectangle:
            p.drawRect(inside);
            break;
        case DrawingTool::Ellipse:
            p.drawEllipse(inside);
            break;
        case DrawingTool::RoundedRectangle: {
            // Qt takes the corner's radii, half the corner ellipse.
            const QSize corner = RoundedCorner(a, b);
            p.drawRoundedRect(inside, corner.width() / 2.0, corner.height() / 2.0,
                              Qt::AbsoluteSize);
            break;
        }
        case DrawingTool::Pencil:
            break;
    }
}

}  // namespace tessella::drawing
