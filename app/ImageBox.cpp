#include "app/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessella::app {

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

void ImageBox::paintPicture(QPainter& painter) const {
    if (picture_.isNull()) return;
    painter.drawImage(pictureRect(), picture_);
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter);
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace tessella::app
