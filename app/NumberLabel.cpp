#include "app/NumberLabel.h"

namespace tessella::app {

NumberLabel::NumberLabel(QWidget* parent) : QLabel(parent) {
    setValue(0);
}

void NumberLabel::setValue(int v) {
    value_ = v;
    setText(QString::number(v));
}

}  // namespace tessella::app
