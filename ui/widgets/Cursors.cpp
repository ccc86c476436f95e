#include "ui/widgets/Cursors.h"

#include <QPixmap>

#include "ui/widgets/Resources.h"

namespace tessella::widgets {

namespace {
struct CursorPicture {
    int number;
    const char* resource;
    int hotX, hotY;  // the tip of the tool
};
constexpr CursorPicture kPictures[] = {
    {Cursors::kPencil, ":/cursors/CRAYON1", 1, 30},
    {Cursors::kPaintPot, ":/cursors/POT1", 3, 29},
    {Cursors::kColourPicker, ":/cursors/PIPETTE1", 1, 30},
};
}  // namespace

void Cursors::install() {
    EnsureResources();
    for (const auto& p : kPictures) {
        QPixmap pixmap(QString::fromLatin1(p.resource));
        if (pixmap.isNull()) continue;  // a missing picture leaves the arrow for that number
        cursors_[p.number] = QCursor(pixmap, p.hotX, p.hotY);
    }
}

QCursor Cursors::cursor(int number) const {
    auto it = cursors_.find(number);
    return it == cursors_.end() ? QCursor(Qt::ArrowCursor) : it->second;
}

}  // namespace tessella::widgets
