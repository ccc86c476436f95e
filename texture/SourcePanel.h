#pragma once
// The source side of the main window: previewing a clicked source and the import size list.

#include <QSize>
#include <QString>
#include <optional>

#include "texture/PageContext.h"

namespace tessella::texture {

// The preview box of a clicked source: pictures larger than 128 on a side are scaled down by
// 128 / (larger side) with ties to even; smaller ones are scaled up by the whole factor
// 128 div (larger side). Zero sides count as 1.
QSize ClickPreviewBox(int32_t width, int32_t height);

// The import size of an entry of the import size list; nothing for free size or another text.
std::optional<QSize> ImportSizeOf(const QString& entry);

class SourcePanel {
  public:
    explicit SourcePanel(PageContext context) : c_(context) {}

    // previewCurrentSource on a selected entry: loads path into the source preview. False, after
    // the warning "Erreur de Chargement de l'image", when the extension is refused; decoding
    // failures throw.
    bool previewSource(const QString& path);
    // "Ajouter" and "Remplacer" once a page exists and a source is previewed, whichever came
    // first.
    void enablePlacing();

    // changeImportSize with the list's text. Only the import size and free size change: the
    // page, its recorded size and its view stay as they are.
    void importSizeChanged(const QString& text);

  private:
    PageContext c_;
};

}  // namespace tessella::texture
