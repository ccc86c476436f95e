#include "ui/widgets/NumberLabel.h"

namespace tessella::widgets {

NumberLabel::NumberLabel(QWidget* parent) : QLabel(parent) {
    setValue(0);
}

void NumberLabel::setValue(int v) {
    value_ = v;
    setText(QString::number(v));
}

}  // namespace tessella::widgets
