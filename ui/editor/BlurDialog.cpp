#include "ui/editor/BlurDialog.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "ui/editor/EditorTexts.h"

namespace tessella::editor {

namespace {

using pixels::BlurVariant;

constexpr QSize kStepButtonSize(33, 22);

struct StepLook {
    platform::Text name;  // what the button does
    QPointF arrow;        // direction of the arrow on its glyph; none for the whole picture
};

StepLook LookOf(BlurVariant v) {
    switch (v) {
        case BlurVariant::Whole:
            return {kBlurWholeName, {0, 0}};
        case BlurVariant::Right:
            return {kBlurRightName, {1, 0}};
        case BlurVariant::Down:
            return {kBlurDownName, {0, 1}};
        case BlurVariant::DownRight:
            return {kBlurDownRightName, {1, 1}};
        case BlurVariant::DownOneLeftTwo:
            return {kBlurDownOneLeftTwoName, {-2, 1}};
        case BlurVariant::Left:
            return {kBlurLeftName, {-1, 0}};
        case BlurVariant::Up:
            return {kBlurUpName, {0, -1}};
        case BlurVariant::UpLeft:
            return {kBlurUpLeftName, {-1, -1}};
        case BlurVariant::UpOneRightTwo:
            return {kBlurUpOneRightTwoName, {2, -1}};
    }
    return {kBlurWholeName, {0, 0}};
}

// A soft spot, with an arrow for the directional steps.
QIcon Glyph(QPointF direction) {
    QPixmap pixmap(24, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(12, 8);
    QRadialGradient spot(centre, 7);
    spot.setColorAt(0, QColor(40, 40, 40));
    spot.setColorAt(1, QColor(40, 40, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    p.drawEllipse(centre, 7, 7);
    if (direction.isNull()) return QIcon(pixmap);
    const double length = std::hypot(direction.x(), direction.y());
    const QPointF unit = direction / length;
    const QPointF tip = centre + unit * 7, tail = centre - unit * 7;
    const QPointF side(-unit.y(), unit.x());
    p.setPen(QPen(Qt::darkBlue, 1.5));
    p.drawLine(tail, tip);
    p.setBrush(Qt::darkBlue);
    p.drawPolygon(QPolygonF({tip, tip - unit * 4 + side * 3, tip - unit * 4 - side * 3}));
    return QIcon(pixmap);
}

}  // namespace

BlurDialog::BlurDialog(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(kBlurTitle);
    setModal(true);
    move(kInitialPosition);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    for (size_t i = 0; i < kButtonOrder.size(); ++i) {
        const BlurVariant variant = kButtonOrder[i];
        const StepLook look = LookOf(variant);
        auto* button = new QPushButton(this);
        button->setIcon(Glyph(look.arrow));
        button->setIconSize(QSize(24, 16));
        button->setFixedSize(kStepButtonSize);
        button->setAccessibleName(look.name);
        button->setToolTip(look.name);
        button->setAutoDefault(false);
        layout->addWidget(button);
        stepButtons[i] = button;
        connect(button, &QPushButton::clicked, this,
                [this, variant] { emit stepRequested(variant); });
    }
    undoButton = new QPushButton(kBlurUndoCaption, this);
    undoButton->setFixedHeight(kStepButtonSize.height());
    undoButton->setAutoDefault(false);
    layout->addWidget(undoButton);
    connect(undoButton, &QPushButton::clicked, this, &BlurDialog::undoRequested);
    resize(kWidth, kHeight);
}

}  // namespace tessella::editor
