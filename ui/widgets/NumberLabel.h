#pragma once
// A label that shows an integer: setting the value rewrites the caption in plain decimal.

#include <QLabel>

namespace tessella::widgets {

class NumberLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)

  public:
    explicit NumberLabel(QWidget* parent = nullptr);

    int value() const { return value_; }
    // Stores v and shows it without padding or grouping ("-5", "0", "128"), even when equal.
    void setValue(int v);

  private:
    int value_ = 0;
};

}  // namespace tessella::widgets
