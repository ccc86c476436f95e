#include "editor/ViewGeometry.h"

#include <algorithm>

#include "platform/CheckedMath.h"

namespace tessella::editor {

namespace {

constexpr int kTickStep = 5;
constexpr int kShortTickInset = 10;

// fn(v, long) for v = 5, 10, ... up to length rounded up to a multiple of 5.
template <typename Fn>
void ForEachTick(int length, Fn fn) {
    for (int v = kTickStep; v - kTickStep < length; v += kTickStep) fn(v, (v / kTickStep) % 2 == 1);
}

}  // namespace

QPoint ViewToPixel(QPoint view, int zoom) {
    return QPoint(platform::CheckedDiv(view.x(), zoom), platform::CheckedDiv(view.y(), zoom));
}

bool IsOnPicture(QPoint pixel, int width, int height) {
    return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < width && pixel.y() < height;
}

QPoint ClampToPicture(QPoint pixel, int width, int height) {
    return QPoint(std::clamp(pixel.x(), 0, std::max(0, width - 1)),
                  std::clamp(pixel.y(), 0, std::max(0, height - 1)));
}

QSize ZoomedSize(int width, int height, int zoom) {
    return QSize(platform::CheckedMul(width, zoom), platform::CheckedMul(height, zoom));
}

std::vector<QLine> VerticalRulerTicks(int length) {
    std::vector<QLine> ticks;
    ForEachTick(length, [&](int v, bool isLong) {
        ticks.emplace_back(isLong ? 0 : kShortTickInset, v, kRulerThickness - 1, v);
    });
    return ticks;
}

std::vector<QLine> HorizontalRulerTicks(int length) {
    std::vector<QLine> ticks;
    ForEachTick(length, [&](int v, bool isLong) {
        const int x = v + kRulerThickness;
        ticks.emplace_back(x, isLong ? 0 : kShortTickInset, x, kRulerThickness - 1);
    });
    return ticks;
}

RulerLines RulerLinesAt(QPoint view) {
    const int x = view.x(), y = view.y();
    return {QRect(x, 0, 1, std::max(0, y - 10)), QRect(0, y, std::max(0, x - 10), 1),
            QPoint(x + 20, y - 5)};
}

}  // namespace tessella::editor
