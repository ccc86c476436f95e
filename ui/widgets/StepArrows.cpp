#include "ui/widgets/StepArrows.h"

#include <QBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace tessella::widgets {

StepArrows::StepArrows(Qt::Orientation orientation, int minimum, int maximum, int position,
                       int increment, QWidget* parent)
    : QWidget(parent),
      min_(minimum),
      max_(std::max(minimum, maximum)),
      position_(minimum),
      increment_(increment),
      next_(new QToolButton(this)),
      prev_(new QToolButton(this)) {
    setPosition(position);
    const bool horizontal = orientation == Qt::Horizontal;
    next_->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
    prev_->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
    QBoxLayout* layout = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(this))
                                    : static_cast<QBoxLayout*>(new QVBoxLayout(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Left/down first, as the arrows read.
    if (horizontal) {
        layout->addWidget(prev_);
        layout->addWidget(next_);
    } else {
        layout->addWidget(next_);
        layout->addWidget(prev_);
    }
    for (QToolButton* b : {next_, prev_}) {
        b->setAutoRepeat(true);
        b->setFixedSize(horizontal ? QSize(16, 20) : QSize(20, 11));
    }
    connect(next_, &QToolButton::clicked, this, [this] { click(Button::Next); });
    connect(prev_, &QToolButton::clicked, this, [this] { click(Button::Prev); });
}

void StepArrows::setArrowNames(const QString& next, const QString& previous) {
    next_->setAccessibleName(next);
    prev_->setAccessibleName(previous);
}

void StepArrows::setPosition(int position) {
    position_ = std::clamp(position, min_, max_);
}

void StepArrows::setRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = std::max(minimum, maximum);
    setPosition(position_);
}

void StepArrows::click(Button button) {
    // 64-bit sum: a step past INT_MAX simply stops at the range end.
    const int64_t step = button == Button::Next ? increment_ : -int64_t{increment_};
    const int64_t target = std::clamp<int64_t>(int64_t{position_} + step, min_, max_);
    position_ = static_cast<int>(target);
    emit clicked(button);
}

}  // namespace tessella::widgets
