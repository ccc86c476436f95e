#include "ui/widgets/ShapeOverlay.h"

#include <QEvent>
#include <QPainter>

namespace tessella::widgets {

using namespace tessella::drawing;

namespace {

constexpr int kCaptionFlags = Qt::TextWordWrap | Qt::TextExpandTabs | Qt::AlignHCenter;
constexpr int kMaxCaption = 255;

// The platform's rectangles exclude their right and bottom edges; Qt's outlined rectangles
// include them.
QRect Outlined(const ShapeBox& b) {
    return QRect(b.left, b.top, b.right - b.left - 1, b.bottom - b.top - 1);
}

void DrawOutline(QPainter& painter, ShapeKind kind, const ShapeOutline& o) {
    switch (kind) {
        case ShapeKind::Rectangle:
        case ShapeKind::Square:
            painter.drawRect(Outlined(o.box));
            break;
        case ShapeKind::RoundedRectangle:
        case ShapeKind::RoundedSquare:
            painter.drawRoundedRect(Outlined(o.box), o.corner / 2.0, o.corner / 2.0);
            break;
        case ShapeKind::Ellipse:
        case ShapeKind::Circle:
            painter.drawEllipse(Outlined(o.box));
            break;
        case ShapeKind::Diamond:
        case ShapeKind::RegularDiamond:
            painter.drawPolygon(o.diamond.data(), static_cast<int>(o.diamond.size()));
            break;
    }
}

}  // namespace

ShapeOverlay::ShapeOverlay(QWidget* parent) : QWidget(parent) {
    resize(kInitialSide, kInitialSide);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeOverlay::setShape(ShapeKind shape) {
    if (shape == shape_) return;
    shape_ = shape;
    update();
}

void ShapeOverlay::setPen(const QPen& pen) {
    pen_ = pen;
    update();
}

void ShapeOverlay::setBrush(const QBrush& brush) {
    brush_ = brush;
    update();
}

void ShapeOverlay::setBorder(int border) {
    border_ = ClampBorder(border, width(), height());
    update();
}

void ShapeOverlay::setFrameVisible(bool visible) {
    frameVisible_ = visible;
    update();
}

void ShapeOverlay::setCaption(const QString& caption) {
    caption_ = caption.left(kMaxCaption);
    setAccessibleName(caption_);
    update();
}

QRect ShapeOverlay::captionRect() const {
    const QRect text = fontMetrics().boundingRect(rect(), kCaptionFlags, caption_);
    return QRect((width() - text.width()) / 2, (height() - text.height()) / 2, text.width(),
                 text.height());
}

void ShapeOverlay::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

void ShapeOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ShapeOutlines outlines = OutlinesOf(shape_, width(), height(), pen_.width(), border_);
    QPen outer = pen_;
    if (border_ >= 1 && !frameVisible_) outer.setColor(brush_.color());
    painter.setPen(outer);
    painter.setBrush(brush_);
    DrawOutline(painter, shape_, outlines.outer);
    painter.setPen(pen_);
    DrawOutline(painter, shape_, outlines.inner);

    painter.setPen(isEnabled() ? pen_.color()
                               : palette().color(QPalette::Disabled, QPalette::Text));
    painter.setBrush(Qt::NoBrush);
    painter.drawText(captionRect(), kCaptionFlags, caption_);
}

}  // namespace tessella::widgets
