#include "editor/ZoneGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace tessella::editor {

namespace {

// Rounds down, also for the negative positions of a picture floating past the view's edge.
int FloorDiv(int value, int divisor) {
    const int q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

QRect ElementArea(QSize element) {
    return QRect(QPoint(0, 0), element);
}

}  // namespace

QRect BandRect(QPoint from, QPoint to) {
    return QRect(std::min(from.x(), to.x()), std::min(from.y(), to.y()),
                 std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
}

QRect ElementRectOf(const QRect& view, int zoom, QSize element) {
    const int left = FloorDiv(view.x(), zoom), top = FloorDiv(view.y(), zoom);
    const int right = FloorDiv(view.x() + view.width(), zoom);
    const int bottom = FloorDiv(view.y() + view.height(), zoom);
    const QRect rect(left, top, right - left, bottom - top);
    return rect.isEmpty() ? QRect() : rect & ElementArea(element);
}

QRect PlaceZone(QPoint centre, QSize zone, QSize element) {
    const int w = std::min(zone.width(), element.width());
    const int h = std::min(zone.height(), element.height());
    const int left = std::clamp(centre.x() - w / 2, 0, element.width() - w);
    const int top = std::clamp(centre.y() - h / 2, 0, element.height() - h);
    return QRect(left, top, w, h);
}

QRect ZoneInView(const QRect& zone, int zoom) {
    return QRect(zone.x() * zoom, zone.y() * zoom, zone.width() * zoom, zone.height() * zoom);
}

ZoneFrame FrameAround(const QRect& view) {
    const int x1 = view.x(), y1 = view.y();
    const int x2 = x1 + view.width(), y2 = y1 + view.height();
    return {QRect(x1, y1, x2 - x1, 1), QRect(x1, y2, x2 - x1, 1), QRect(x1, y1, 1, y2 - y1),
            QRect(x2, y1, 1, y2 - y1)};
}

QPoint DropPosition(QPoint topLeft, int zoom) {
    return QPoint(FloorDiv(topLeft.x(), zoom), FloorDiv(topLeft.y(), zoom));
}

QImage PastedPicture(const QImage& clipboardPicture) {
    if (clipboardPicture.isNull()) return QImage();
    if (!clipboardPicture.hasAlphaChannel())
        return clipboardPicture.convertToFormat(QImage::Format_BGR888);
    return clipboardPicture.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace tessella::editor
