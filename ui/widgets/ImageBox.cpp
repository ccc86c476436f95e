#include "ui/widgets/ImageBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "ui/widgets/Checkerboard.h"

namespace tessella::widgets {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    fitToPicture();
    update();
}

void ImageBox::setAutoSize(bool on) {
    autoSize_ = on;
    fitToPicture();
    update();
}

void ImageBox::setStretch(bool on) {
    stretch_ = on;
    update();
}

void ImageBox::setCenter(bool on) {
    center_ = on;
    update();
}

void ImageBox::setCheckerboard(bool on) {
    checkerboard_ = on;
    update();
}

void ImageBox::setBoxSize(int width, int height) {
    setFixedSize(std::max(0, width), std::max(0, height));
    update();
}

void ImageBox::fitToPicture() {
    if (autoSize_) setBoxSize(picture_.width(), picture_.height());
}

QRect ImageBox::pictureRect() const {
    if (stretch_) return rect();
    QRect r(QPoint(0, 0), picture_.size());
    if (center_) r.moveTopLeft(QPoint((width() - r.width()) / 2, (height() - r.height()) / 2));
    return r;
}

std::optional<ImageBox::PaintPart> ImageBox::ExposedPart(const QRect& exposed, const QRect& target,
                                                         QSize picture) {
    const QRect visible = exposed & target;
    if (visible.isEmpty() || picture.isEmpty()) return std::nullopt;
    const double sx = double(target.width()) / picture.width();
    const double sy = double(target.height()) / picture.height();
    const int left = std::max(0, int(std::floor((visible.left() - target.left()) / sx)));
    const int top = std::max(0, int(std::floor((visible.top() - target.top()) / sy)));
    const int right =
        std::min(picture.width(), int(std::ceil((visible.right() + 1 - target.left()) / sx)));
    const int bottom =
        std::min(picture.height(), int(std::ceil((visible.bottom() + 1 - target.top()) / sy)));
    if (right <= left || bottom <= top) return std::nullopt;
    return PaintPart{QRect(left, top, right - left, bottom - top),
                     QRectF(target.left() + left * sx, target.top() + top * sy, (right - left) * sx,
                            (bottom - top) * sy)};
}

void ImageBox::paintPicture(QPainter& painter, const QRect& exposed) const {
    if (picture_.isNull()) return;
    const auto part = ExposedPart(exposed, pictureRect(), picture_.size());
    if (!part) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (checkerboard_ && picture_.hasAlphaChannel()) {
        const QRect placed = pictureRect();
        PaintCheckerboard(painter, exposed & placed, placed.topLeft());
    }
    painter.drawImage(part->target, picture_, QRectF(part->source));
}

void ImageBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintPicture(painter, event->rect());
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->buttons(), event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(event->button(), event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace tessella::widgets
