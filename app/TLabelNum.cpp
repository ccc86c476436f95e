#include "app/TLabelNum.h"

namespace tessella::app {

TLabelNum::TLabelNum(QWidget* parent) : QLabel(parent) {
    setValue(0);
}

void TLabelNum::setValue(int v) {
    value_ = v;
    setText(QString::number(v));
}

}  // namespace tessella::app
