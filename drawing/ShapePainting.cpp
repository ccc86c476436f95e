#include "drawing/ShapePainting.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace tessella::drawing {

QSize RoundedCorner(QPoint a, QPoint b) {
    return QSize(std::abs((a.x() - b.x()) / 2), std::abs((a.y() - b.y()) / 2));
}

namespace {

void Paint(QImage& picture, DrawingTool tool, QPoint a, QPoint b, const QPen& pen,
           const QBrush& brush, PenMode mode);

// NOT-XOR on a picture with alpha: Qt's raster operations do not give its texels back when a
// shape is drawn twice. The colours are worked on opaque, and each texel the shape changes has
// its alpha turned over (255 - a), which a second drawing turns back: the shape shows over
// transparent texels too, and the picture comes back whole, hidden colours included.
void PaintNotXorWithAlpha(QImage& picture, DrawingTool tool, QPoint a, QPoint b, const QPen& pen,
                          const QBrush& brush) {
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = straight.width(), h = straight.height();
    QImage opaque(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(opaque.scanLine(y));
        for (int x = 0; x < w; ++x) out[x] = in[x] | 0xFF000000u;
    }
    Paint(opaque, tool, a, b, pen, brush, PenMode::NotXor);
    QImage result(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const auto* before = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        const auto* painted = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool changed = (painted[x] & 0xFFFFFFu) != (before[x] & 0xFFFFFFu);
            const int alpha = qAlpha(before[x]);
            out[x] = (painted[x] & 0xFFFFFFu) | uint32_t(changed ? 255 - alpha : alpha) << 24;
        }
    }
    picture = result.convertToFormat(picture.format());
}

}  // namespace

void DrawShape(QImage& picture, DrawingTool tool, QPoint a, QPoint b, const QPen& pen,
               const QBrush& brush, PenMode mode) {
    if (tool == DrawingTool::Pencil || picture.isNull()) return;
    if (mode == PenMode::NotXor && picture.hasAlphaChannel())
        return PaintNotXorWithAlpha(picture, tool, a, b, pen, brush);
    Paint(picture, tool, a, b, pen, brush, mode);
}

namespace {

void Paint(QImage& picture, DrawingTool tool, QPoint a, QPoint b, const QPen& pen,
           const QBrush& brush, PenMode mode) {
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

}  // namespace

}  // namespace tessella::drawing
