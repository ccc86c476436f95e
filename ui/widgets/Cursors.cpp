#include "ui/widgets/Cursors.h"

#include <QPixmap>

#include "ui/widgets/Resources.h"

namespace tessella::widgets {

namespace {
struct CursorPicture {
    ToolCursor which;
    const char* resource;
    int hotX, hotY;  // the tip of the tool
};
constexpr CursorPicture kPictures[] = {
    {ToolCursor::Pencil, ":/cursors/CRAYON1", 1, 30},
    {ToolCursor::PaintPot, ":/cursors/POT1", 3, 29},
    {ToolCursor::ColourPicker, ":/cursors/PIPETTE1", 1, 30},
};
}  // namespace

void Cursors::install() {
    EnsureResources();
    for (const auto& p : kPictures) {
        QPixmap pixmap(QString::fromLatin1(p.resource));
        if (pixmap.isNull()) continue;  // a missing picture leaves the arrow for that tool
        cursors_[p.which] = QCursor(pixmap, p.hotX, p.hotY);
    }
}

QCursor Cursors::cursor(ToolCursor which) const {
    auto it = cursors_.find(which);
    return it == cursors_.end() ? QCursor(Qt::ArrowCursor) : it->second;
}

}  // namespace tessella::widgets
