#include "texture/PagePacker.h"

#include <QFileInfo>
#include <algorithm>

#include "imagefile/ImageLoader.h"
#include "platform/CheckedMath.h"
#include "platform/ColourValue.h"
#include "texture/PageTexts.h"

namespace tessella::texture {

using platform::Answer;
using platform::CheckedAdd;
using platform::MessageKind;

void OpenToTransparency(TexturePage& page) {
    if (!page.pageOwned() || page.pageBitmap.hasAlpha()) return;
    std::vector<QRect> elements;
    elements.reserve(page.frames.size() + 1);
    for (const AtlasFrame& f : page.frames) elements.push_back(f.rect);
    if (!page.unlistedElements.isEmpty()) elements.push_back(page.unlistedElements);
    page.pageBitmap.freeOutside(elements);
}

void OpenToTransparencyFor(TexturePage& page, const QImage& element) {
    if (!page.pageBitmap.hasAlpha() && HasTransparency(element)) OpenToTransparency(page);
}

bool IsMultipleOf8(int32_t width, int32_t height) {
    return width % 8 == 0 && height % 8 == 0;
}

QSize AddPreviewBox(int32_t width, int32_t height, bool& stretch) {
    const int32_t w = std::max(width, 1), h = std::max(height, 1);
    if (w <= 128 && h <= 128) {
        const int32_t k = 128 / std::max(w, h);
        stretch = true;
        return QSize(k * w, k * h);
    }
    stretch = false;
    return QSize(128, 128);
}

bool PagePacker::placeAtInsertionPoint(const QImage& element, bool refresh) {
    TexturePage& p = c_.page;
    const struct {
        int32_t insertX, insertY, tallestElement;
        bool firstRowOpen, widthMayGrow;
    } before{p.insertX, p.insertY, p.tallestElement, p.firstRowOpen, p.widthMayGrow};
    try {
        return placeElement(element, refresh);
    } catch (...) {
        // A fault (a page past the pixel limit, an overflow) leaves the packing where it was
        // and the recorded size equal to the bitmap's.
        p.insertX = before.insertX;
        p.insertY = before.insertY;
        p.tallestElement = before.tallestElement;
        p.firstRowOpen = before.firstRowOpen;
        p.widthMayGrow = before.widthMayGrow;
        p.pageWidth = p.pageBitmap.width();
        p.pageHeight = p.pageBitmap.height();
        throw;
    }
}

bool PagePacker::wouldBeCut(int32_t width, int32_t height) const {
    // The landing that placeElement works out, without changing anything.
    const TexturePage& p = c_.page;
    int64_t pageWidth = p.pageBitmap.width();
    bool firstRowOpen = p.firstRowOpen;
    if (firstRowOpen || p.widthMayGrow) {
        if (int64_t{p.insertY} + height > p.pageHeight)
            firstRowOpen = false;
        else if (p.widthMayGrow && pageWidth + width <= p.maxPageWidth)
            pageWidth += width;
    }
    const int64_t left = pageWidth >= int64_t{p.insertX} + width ? p.insertX
                         : firstRowOpen                          ? p.rowStartX
                                                                 : 0;
    return left + width > pageWidth;
}

bool PagePacker::placeElement(const QImage& element, bool refresh) {
    TexturePage& p = c_.page;
    PageBitmap& bitmap = p.pageBitmap;
    const int32_t w = element.width(), h = element.height();

    bool place = true;
    if ((w != p.importWidth || h != p.importHeight) && !p.freeSize) {
        const QString question = kFreeSizeQuestion + QString::number(p.maxPageWidth);
        if (c_.prompts.message(MessageKind::Warning, question, platform::kYesNo) == Answer::Yes) {
            p.freeSize = true;
            c_.events.setImportSizeText(kFreeSizeEntry);
        } else {
            place = false;
        }
    }
    if (place) {
        p.importWidth = w;
        p.importHeight = h;
        if (p.firstRowOpen || p.widthMayGrow) {
            if (CheckedAdd(p.insertY, h) > p.pageHeight) {
                p.firstRowOpen = false;
            } else if (p.widthMayGrow) {
                if (CheckedAdd(bitmap.width(), w) <= p.maxPageWidth)
                    bitmap.resize(bitmap.width() + w, bitmap.height(), bitmap.freeColour());
                else
                    p.widthMayGrow = false;
            }
        }
        if (bitmap.width() >= CheckedAdd(p.insertX, w)) {
            if (CheckedAdd(p.insertY, h) > p.pageHeight) {
                p.pageHeight = p.insertY + h;
                bitmap.resize(bitmap.width(), p.pageHeight, bitmap.freeColour());
            }
            p.tallestElement = std::max(p.tallestElement, h);
        } else {
            if (p.firstRowOpen) {
                p.insertX = p.rowStartX;
                p.insertY = CheckedAdd(p.insertY, p.tallestElement);
                if (CheckedAdd(p.insertY, h) > p.pageHeight) {
                    p.pageHeight = CheckedAdd(p.pageHeight, h);
                    p.firstRowOpen = false;
                }
            } else {
                p.insertX = 0;
                p.insertY = p.pageHeight;
                p.pageHeight = CheckedAdd(p.pageHeight, h);
                p.tallestElement = std::max(p.tallestElement, h);
            }
            bitmap.resize(bitmap.width(), p.pageHeight, bitmap.freeColour());
        }
        // The grown area is free too: it turns transparent with the rest.
        OpenToTransparencyFor(p, element);
        bitmap.draw(element, p.insertX, p.insertY);
        p.insertX = CheckedAdd(p.insertX, w);
        // A cut element's frame is the part that is on the page: the list never points past
        // the page's edge.
        const QRect onPage = QRect(p.insertX - w, p.insertY, w, h)
                                 .intersected(QRect(0, 0, bitmap.width(), bitmap.height()));
        if (!onPage.isEmpty()) RecordPlacedFrame(p.frames, onPage, p.sourceFileName);
        if (refresh) c_.events.showPage(bitmap.image(), false);
        p.pageWidth = bitmap.width();
        p.pageHeight = bitmap.height();
    }
    c_.events.setStatusPanel(kPanelPageSize, SizeText(p.pageWidth, p.pageHeight));
    return place;
}

AddResult PagePacker::add(const std::vector<SourceEntry>& list) {
    const auto selected =
        std::count_if(list.begin(), list.end(), [](const SourceEntry& e) { return e.selected; });
    if (selected == 1) return addPreviewed();
    return addFiles(list);
}

void PagePacker::startCommand(int selectedCount) {
    c_.page.yesToAllSizes = false;
    c_.page.noToAllSizes = false;
    c_.events.setProgressMaximum(selectedCount);
}

void PagePacker::finishCommand() {
    c_.events.setStatusPanel(kPanelPageSize, SizeText(c_.page.pageWidth, c_.page.pageHeight));
    ShowElementCount(c_);
    c_.events.setProgress(0);
}

AddResult PagePacker::addPreviewed() {
    TexturePage& p = c_.page;
    AddResult result;
    startCommand(1);
    const QImage element = p.sourcePicture;
    if (element.isNull()) return result;  // "Ajouter" is disabled until a source is previewed
    const int32_t w = element.width(), h = element.height();
    if (wouldBeCut(w, h)) c_.prompts.warning(kTooWideWarning.arg(w));
    if (!IsMultipleOf8(w, h) && c_.prompts.message(MessageKind::Confirmation, kMultipleOf8Question,
                                                   platform::kYesNo) != Answer::Yes) {
        result.outcome = AddOutcome::Declined;
        return result;
    }
    if (placeAtInsertionPoint(element, true)) result.placed = 1;
    p.modified = true;
    c_.events.setEnabled(PageCommand::Save, true);
    c_.events.setEnabled(PageCommand::SaveAs, true);
    finishCommand();
    return result;
}

namespace {

// One question of a multi-add that has "Oui pour tous" and "Non pour tous": a standing answer
// stops the asking for the rest of the run.
bool PlaceDespite(platform::Prompts& prompts, const QString& question, bool& yesToAll,
                  bool& noToAll, bool& abort) {
    if (noToAll) return false;
    if (yesToAll) return true;
    switch (prompts.message(MessageKind::Warning, question, platform::kYesNoAbortNoToAllYesToAll)) {
        case Answer::Yes:
            return true;
        case Answer::YesToAll:
            yesToAll = true;
            return true;
        case Answer::NoToAll:
            noToAll = true;
            return false;
        case Answer::Abort:
            abort = true;
            return false;
        default:
            return false;
    }
}

}  // namespace

bool PagePacker::placeDespiteWidth(const QString& fileName, int32_t width, bool& abort) {
    return PlaceDespite(c_.prompts, kTooWideManyQuestion.arg(fileName).arg(width), yesToAllWide_,
                        noToAllWide_, abort);
}

bool PagePacker::placeDespiteSize(bool& abort) {
    return PlaceDespite(c_.prompts, kMultipleOf8ManyQuestion, c_.page.yesToAllSizes,
                        c_.page.noToAllSizes, abort);
}

AddResult PagePacker::addFiles(const std::vector<SourceEntry>& list) {
    AddResult result;
    const auto selected =
        std::count_if(list.begin(), list.end(), [](const SourceEntry& e) { return e.selected; });
    startCommand(static_cast<int>(selected));
    c_.events.setStoppable(true);
    try {
        result = placeFiles(list, result);
    } catch (...) {
        // What was placed before the fault is on the page: show it, and empty the bar as
        // the normal end does.
        c_.events.setStoppable(false);
        showPage();
        c_.events.setProgress(0);
        throw;
    }
    c_.events.setStoppable(false);
    if (!result.leftOut.isEmpty())
        c_.prompts.warning(kTooWideLeftOut.arg(result.leftOut.join(QStringLiteral("\n\r"))));
    return result;
}

void PagePacker::showPage() {
    if (c_.page.pageOwned()) c_.events.showPage(c_.page.pageBitmap.image(), true);
}

AddResult PagePacker::placeFiles(const std::vector<SourceEntry>& list, AddResult result) {
    TexturePage& p = c_.page;
    int counter = 0;
    for (const SourceEntry& entry : list) {
        if (entry.selected) {
            c_.events.setProgress(++counter);
            c_.events.setSourceCaption(QFileInfo(entry.path).fileName());
            p.sourceFileName = entry.path;
            if (!imagefile::LoadImageByExtension(entry.path, p.sourcePicture)) {
                result.outcome = AddOutcome::RefusedExtension;
                result.refusedPath = entry.path;
                showPage();
                c_.events.setProgress(0);  // a file that would not load ends the run
                return result;
            }
            c_.pacer.processEvents();
            const int32_t w = p.sourcePicture.width(), h = p.sourcePicture.height();
            bool stretch = false;
            const QSize box = AddPreviewBox(w, h, stretch);
            c_.events.showSource(p.sourcePicture, box, stretch);
            if (p.freeSize) {
                p.importWidth = w;
                p.importHeight = h;
            }
            bool abort = false;
            bool place = IsMultipleOf8(w, h) || placeDespiteSize(abort);
            const QString fileName = QFileInfo(entry.path).fileName();
            if (place && !abort && wouldBeCut(w, h)) {
                place = placeDespiteWidth(fileName, w, abort);
                if (!place && !abort) result.leftOut << fileName;
            }
            if (abort) {
                result.outcome = AddOutcome::Aborted;
                showPage();
                return result;
            }
            if (place && placeAtInsertionPoint(p.sourcePicture, false)) ++result.placed;
            if (c_.events.stopRequested()) {
                result.outcome = AddOutcome::Stopped;
                p.modified = true;
                c_.events.setEnabled(PageCommand::Save, true);
                c_.events.setEnabled(PageCommand::SaveAs, true);
                showPage();
                finishCommand();
                return result;
            }
        }
        p.modified = true;
        c_.events.setEnabled(PageCommand::Save, true);
        c_.events.setEnabled(PageCommand::SaveAs, true);
    }
    showPage();
    finishCommand();
    return result;
}

}  // namespace tessella::texture
