#include "texture/ReplaceMask.h"

#include <algorithm>

#include "platform/CheckedMath.h"
#include "platform/Rounding.h"
#include "texture/PagePacker.h"
#include "texture/PageTexts.h"

namespace tessella::texture {

using platform::RoundHalfEven;

QRect MaskGeometry(int32_t x, int32_t y, int32_t width, int32_t height, double zoom) {
    return QRect(RoundHalfEven(x * zoom), RoundHalfEven(y * zoom), RoundHalfEven(width * zoom),
                 RoundHalfEven(height * zoom));
}

void ReplaceMask::setPosition(int32_t x, int32_t y) {
    x_ = std::clamp(x, ranges_.xMinimum, ranges_.xMaximum);
    y_ = -std::clamp(-y, ranges_.yMinimum, ranges_.yMaximum);
    c_.events.setPositions(x_, y_);
}

void ReplaceMask::moveMask() {
    const TexturePage& p = c_.page;
    c_.events.setMask(MaskGeometry(x_, y_, p.importWidth, p.importHeight, p.zoomFactor));
}

void ReplaceMask::showPositionText() {
    c_.events.setPositionText(QStringLiteral("%1 x %2").arg(x_).arg(y_));
}

bool ReplaceMask::start() {
    const TexturePage& p = c_.page;
    c_.events.setEnabled(PageCommand::PositionControls, true);
    moveMask();
    const int32_t w = p.sourcePicture.width(), h = p.sourcePicture.height();
    if (w != p.importWidth || h != p.importHeight) {
        c_.prompts.error(kReplaceWrongSize.arg(w).arg(h).arg(p.importWidth).arg(p.importHeight));
        return false;
    }
    if (!IsMultipleOf8(w, h) && !c_.prompts.confirm(kMultipleOf8ReplaceQuestion)) return false;
    c_.prompts.information(kReplaceInformation);
    showPositionText();
    c_.events.setEnabled(PageCommand::Validate, true);
    c_.events.setEnabled(PageCommand::Abandon, true);
    maskVisible_ = true;
    c_.events.setMaskVisible(true);
    const int32_t width = p.pageBitmap.width(), height = p.pageBitmap.height();
    ranges_.xMinimum = 0;
    ranges_.xMaximum = std::max(platform::CheckedSub(width, p.importWidth), 0);
    ranges_.yMinimum = -std::max(platform::CheckedSub(height, p.importHeight), 0);
    ranges_.yMaximum = 0;
    c_.events.setPositionRanges(ranges_);
    setPosition(x_, y_);
    c_.events.setPageCrossCursor();
    return true;
}

void ReplaceMask::validate() {
    TexturePage& p = c_.page;
    maskVisible_ = false;
    c_.events.setMaskVisible(false);
    if (!p.pageOwned()) return;
    const QImage element = p.sourcePicture.copy(0, 0, p.importWidth, p.importHeight);
    OpenToTransparencyFor(p, element);
    p.pageBitmap.draw(element, x_, y_);
    RecordReplacedFrame(p.frames,
                        QRect(x_, y_, p.importWidth, p.importHeight)
                            .intersected(QRect(0, 0, p.pageBitmap.width(), p.pageBitmap.height())),
                        p.sourceFileName);
    c_.events.showPage(p.pageBitmap.image(), false);
    ShowElementCount(c_);
    p.modified = true;
    c_.events.setEnabled(PageCommand::Save, true);
    c_.events.setEnabled(PageCommand::SaveAs, true);
    c_.events.setEnabled(PageCommand::Extract, true);
    c_.events.setEnabled(PageCommand::PositionControls, false);
    c_.events.setEnabled(PageCommand::Validate, false);
    c_.events.setEnabled(PageCommand::Abandon, false);
}

void ReplaceMask::abandon() {
    maskVisible_ = false;
    c_.events.setMaskVisible(false);
}

void ReplaceMask::moveToX(int32_t position) {
    setPosition(position, y_);
    moveMask();
    showPositionText();
}

void ReplaceMask::moveToXCoarse(int32_t position) {
    moveToX(position);
}

void ReplaceMask::moveToY(int32_t position) {
    setPosition(x_, -position);
    moveMask();
    showPositionText();
}

void ReplaceMask::moveToYCoarse(int32_t position) {
    moveToY(position);
}

void ReplaceMask::placeAtViewPoint(int32_t viewX, int32_t viewY) {
    if (!maskVisible_) return;
    const double zoom = c_.page.zoomFactor;
    setPosition(RoundHalfEven(viewX / zoom), RoundHalfEven(viewY / zoom));
    moveMask();
}

void ReplaceMask::pageOpened() {
    ranges_.xMaximum = c_.page.pageWidth;
    ranges_.yMinimum = -c_.page.pageHeight;
    c_.events.setPositionRanges(ranges_);
}

}  // namespace tessella::texture
