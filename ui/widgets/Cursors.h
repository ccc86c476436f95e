#pragma once
// The program's own screen cursors, by number: 22 pencil, 23 paint pot, 24 colour picker.

#include <QCursor>
#include <map>

namespace tessella::widgets {

class Cursors {
  public:
    static constexpr int kPencil = 22;
    static constexpr int kPaintPot = 23;
    static constexpr int kColourPicker = 24;

    // Loads the three cursor pictures from the program's resources.
    void install();
    bool installed(int number) const { return cursors_.count(number) != 0; }
    // The cursor installed under number, or the arrow when there is none.
    QCursor cursor(int number) const;

  private:
    std::map<int, QCursor> cursors_;
};

}  // namespace tessella::widgets
