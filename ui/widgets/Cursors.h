#pragma once
// The program's own screen cursors: the pencil, the paint pot and the colour picker.

#include <QCursor>
#include <map>

namespace tessella::widgets {

enum class ToolCursor { Pencil, PaintPot, ColourPicker };

class Cursors {
  public:
    // Loads the three cursor pictures from the program's resources.
    void install();
    bool installed(ToolCursor which) const { return cursors_.count(which) != 0; }
    // The cursor installed for which, or the arrow when there is none.
    QCursor cursor(ToolCursor which) const;

  private:
    std::map<ToolCursor, QCursor> cursors_;
};

}  // namespace tessella::widgets
