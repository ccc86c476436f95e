#pragma once
// An up-down control: two arrow buttons that step a position within a range; the value is
// shown elsewhere by the window that owns it.

#include <QWidget>

class QToolButton;

namespace tessella::widgets {

class StepArrows : public QWidget {
    Q_OBJECT

  public:
    enum class Button { Next, Prev };  // Next raises the position, Prev lowers it

    StepArrows(Qt::Orientation orientation, int minimum, int maximum, int position, int increment,
               QWidget* parent = nullptr);

    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int increment() const { return increment_; }
    int position() const { return position_; }
    // Keeps the position within the range, as every setter does.
    void setPosition(int position);
    void setRange(int minimum, int maximum);
    // Steps as a click on the arrow does and emits clicked.
    void click(Button button);

    // Names the two arrows for screen readers (they show no text).
    void setArrowNames(const QString& next, const QString& previous);

    QToolButton* nextButton() const { return next_; }
    QToolButton* prevButton() const { return prev_; }

  signals:
    // After the position has changed by a click on an arrow (also at the end of the range).
    void clicked(tessella::widgets::StepArrows::Button button);

  private:
    int min_, max_, position_, increment_;
    QToolButton* next_;
    QToolButton* prev_;
};

}  // namespace tessella::widgets
