#include "app/PageView.h"

#include <QPainter>

#include "platform/Rounding.h"
#include "texture/ReplaceMask.h"

namespace tessella::app {

using platform::RoundHalfEven;

PageView::PageView(QWidget* parent) : ImageBox(parent) {
    setAutoSize(true);
    setCenter(true);
    setCursor(Qt::CrossCursor);
}

void PageView::applyZoom(double zoom) {
    zoom_ = zoom;
    setAutoSize(false);
    setStretch(true);
    setBoxSize(RoundHalfEven(picture().width() * zoom), RoundHalfEven(picture().height() * zoom));
    placeMask();
}

void PageView::setMask(int x, int y, int width, int height) {
    mask_ = QRect(x, y, width, height);
    placeMask();
}

void PageView::setMaskVisible(bool visible) {
    maskVisible_ = visible;
    update();
}

void PageView::placeMask() {
    maskView_ = texture::MaskGeometry(mask_.x(), mask_.y(), mask_.width(), mask_.height(), zoom_);
    update();
}

namespace {

// NOT-XOR with a red pen: every pixel of the shape becomes not(red xor pixel), exactly once
// (a stroked outline touches its corners twice, which would undo them).
void PaintMaskNotXor(QImage& target, const QRect& mask) {
    const QRect clip = mask.intersected(target.rect());
    if (clip.isEmpty()) return;
    QImage shape(mask.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        QPainter p(&shape);
        p.setPen(QPen(Qt::red, 1));
        p.setBrush(QBrush(Qt::red, Qt::DiagCrossPattern));
        p.drawRect(0, 0, mask.width() - 1, mask.height() - 1);
    }
    constexpr QRgb kRed = 0x00FF0000u;
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        const auto* marks = reinterpret_cast<const QRgb*>(shape.constScanLine(y - mask.top()));
        for (int x = clip.left(); x <= clip.right(); ++x)
            if (qAlpha(marks[x - mask.left()]) != 0)
                line[x] = 0xFF000000u | (~(kRed ^ line[x]) & 0x00FFFFFFu);
    }
}

}  // namespace

void PageView::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_RGB32);
    buffer.fill(palette().color(QPalette::Window));
    {
        QPainter p(&buffer);
        paintPicture(p);
    }
    if (maskVisible_ && !maskView_.isEmpty()) PaintMaskNotXor(buffer, maskView_);
    QPainter(this).drawImage(0, 0, buffer);
}

}  // namespace tessella::app
