#pragma once
// Handing a source or a new blank element to the element editor and saving what comes back
// as a BMP file ("Modifier le source BMP", "Nouvel élément de texture").

#include <QString>
#include <functional>

#include "texture/ElementEditorHost.h"
#include "texture/PageContext.h"

namespace tessella::texture {

inline const QString kSaveElementQuestion = QStringLiteral("Sauvegarde");
inline const QString kSaveElementTitle = QStringLiteral("SAUVER L'ELEMENT DE TEXTURE");
inline const QString kElementFilter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");

class ElementEditFlow {
  public:
    // refreshSourceLists re-reads the folder and file lists after a file was written.
    ElementEditFlow(PageContext context, ElementEditorHost& editor,
                    std::function<void()> refreshSourceLists = {})
        : c_(context), editor_(editor), refreshSourceLists_(std::move(refreshSourceLists)) {}

    // openSourceForEditing: edits the previewed source. On "Fermer et sauver " and Yes to
    // "Sauvegarde" the element is written where the user chooses and becomes the preview.
    // Answers the written file, or an empty text when nothing was written.
    QString editSource();

    // createNewElement once NewElementDialog closed with OK: a new blank element of settings.
    // Answers the written file, or an empty text when nothing was written.
    QString newElement(const NewElementSettings& settings);

  private:
    // "Sauvegarde", then the save dialog proposing proposed; writes picture as a 24-bit BMP.
    QString saveElement(const QImage& picture, const QString& proposed);

    PageContext c_;
    ElementEditorHost& editor_;
    std::function<void()> refreshSourceLists_;
};

}  // namespace tessella::texture
