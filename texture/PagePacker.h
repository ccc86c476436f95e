#pragma once
// "Ajouter": packing source pictures at the page's insertion point, one or many at a time.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "texture/PageContext.h"

namespace tessella::texture {

// One entry of the source file list, in list order.
struct SourceEntry {
    QString path;  // folder + file name
    bool selected = false;
};

enum class AddOutcome {
    Done,              // the command ran to its end
    Declined,          // No to the multiple-of-8 question of a single add
    Aborted,           // Abort in a multi-file add
    RefusedExtension,  // the loader does not accept a file's extension (multi-file add)
    Stopped,           // "Arrêter" during a multi-file add: the files placed before stay
};

struct AddResult {
    AddOutcome outcome = AddOutcome::Done;
    int placed = 0;       // elements drawn on the page
    QString refusedPath;  // the file whose extension was refused
    QStringList leftOut;  // files of a multi-file add left out as too wide for the page
};

// Before an element with transparency lands on an opaque page: the page takes an alpha plane,
// its pixels opaque, and its free area (outside the frames and the unlisted elements) becomes
// (0, 0, 0, 0). Nothing changes on a page that has a plane.
void OpenToTransparency(TexturePage& page);
// The same, when element has transparency.
void OpenToTransparencyFor(TexturePage& page, const QImage& element);

// True when both sides are multiples of 8.
bool IsMultipleOf8(int32_t width, int32_t height);

// The preview box of a multi-file add: pictures up to 128 x 128 scaled by the whole factor
// 128 div (larger side) and stretched; larger ones in a 128 x 128 box, not stretched.
QSize AddPreviewBox(int32_t width, int32_t height, bool& stretch);

class PagePacker {
  public:
    explicit PagePacker(PageContext context) : c_(context) {}

    // The packing step PlaceAtInsertionPoint: draws element at the insertion point, growing
    // the page; refresh copies the page into the view. False when the free-size question was
    // answered No (nothing placed).
    bool placeAtInsertionPoint(const QImage& element, bool refresh);
    // True when an element of width x height would be cut by the page's right edge where the
    // packing would put it (the page cannot grow wide enough there).
    bool wouldBeCut(int32_t width, int32_t height) const;

    // addSelectedSources: exactly one selected entry places the picture already in the source
    // preview; otherwise every selected file is loaded and placed in list order.
    AddResult add(const std::vector<SourceEntry>& list);
    AddResult addPreviewed();
    AddResult addFiles(const std::vector<SourceEntry>& list);

  private:
    bool placeElement(const QImage& element, bool refresh);
    AddResult placeFiles(const std::vector<SourceEntry>& list, AddResult result);
    // Copies the page into the view, auto-sized.
    void showPage();
    void startCommand(int selectedCount);
    void finishCommand();
    // The five-button multiple-of-8 question of a multi-file add; false skips the file, and
    // abort is set on Abort.
    bool placeDespiteSize(bool& abort);
    // The same question for a file too wide for the page (fileName, width).
    bool placeDespiteWidth(const QString& fileName, int32_t width, bool& abort);

    PageContext c_;
    // The too-wide answers "Oui pour tous" and "Non pour tous" of one multi-file add.
    bool yesToAllWide_ = false;
    bool noToAllWide_ = false;
};

}  // namespace tessella::texture
