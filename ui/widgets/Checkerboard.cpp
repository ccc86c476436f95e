#include "ui/widgets/Checkerboard.h"

#include <QBrush>
#include <QPainter>

namespace tessella::widgets {

namespace {

// Two squares each way: one period of the board, repeated by a texture brush.
const QImage& CheckerTile() {
    static const QImage tile = [] {
        QImage t(2 * kCheckerSquare, 2 * kCheckerSquare, QImage::Format_RGB32);
        for (int y = 0; y < t.height(); ++y)
            for (int x = 0; x < t.width(); ++x) {
                const int g = CheckerGrey(x, y);
                t.setPixel(x, y, qRgb(g, g, g));
            }
        return t;
    }();
    return tile;
}

}  // namespace

void PaintCheckerboard(QPainter& painter, const QRect& area, QPoint origin) {
    if (area.isEmpty()) return;
    painter.save();
    painter.setBrushOrigin(origin);
    painter.fillRect(area, QBrush(CheckerTile()));
    painter.restore();
}

void BlendRowOverCheckerboard(const QRgb* texels, QRgb* out, int count, int x, int y) {
    for (int i = 0; i < count; ++i) {
        const QRgb t = texels[i];
        const int a = qAlpha(t);
        out[i] = a == 255 ? (0xFF000000u | t) : OverGrey(t, CheckerGrey(x + i, y));
    }
}

QImage OverCheckerboard(const QImage& picture) {
    if (!picture.hasAlphaChannel()) return picture;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_RGB32);
    if (out.isNull()) return picture;
    for (int y = 0; y < argb.height(); ++y)
        BlendRowOverCheckerboard(reinterpret_cast<const QRgb*>(argb.constScanLine(y)),
                                 reinterpret_cast<QRgb*>(out.scanLine(y)), argb.width(), 0, y);
    return out;
}

}  // namespace tessella::widgets
