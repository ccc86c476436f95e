#pragma once
// Handing a source or a new blank element to the element editor and saving what comes back
// as a BMP or PNG file ("Modifier le source BMP", "Nouvel élément de texture").

#include <QString>
#include <functional>

#include "platform/Text.h"
#include "texture/ElementEditorHost.h"
#include "texture/PageContext.h"

namespace tessella::texture {

inline constexpr platform::Text kSaveElementQuestion{QT_TRANSLATE_NOOP("Tessella", "Sauvegarde")};
inline constexpr platform::Text kSaveElementTitle{
    QT_TRANSLATE_NOOP("Tessella", "SAUVER L'ÉLÉMENT DE TEXTURE")};
// BMP first (the default), then PNG; the extension chosen decides.
inline constexpr platform::Text kElementFilter{
    QT_TRANSLATE_NOOP("Tessella", "Bitmaps (*.bmp)|*.bmp|Images PNG (*.png)|*.png")};

class ElementEditFlow {
  public:
    // refreshSourceLists re-reads the folder and file lists after a file was written.
    ElementEditFlow(PageContext context, ElementEditorHost& editor,
                    std::function<void()> refreshSourceLists = {})
        : c_(context), editor_(editor), refreshSourceLists_(std::move(refreshSourceLists)) {}

    // openSourceForEditing: edits the previewed source (offered back under its name as a BMP,
    // or as a PNG when it has transparency). On "Fermer et sauver " and Yes to
    // "Sauvegarde" the element is written where the user chooses and becomes the preview.
    // An edited element is never given up without a question: "Non" to "Sauvegarde" asks
    // again, and a cancelled or failed save goes back to the editor.
    // Answers the written file, or an empty text when nothing was written.
    QString editSource();

    // createNewElement once NewElementDialog closed with OK: a new blank element of settings.
    // Answers the written file, or an empty text when nothing was written.
    QString newElement(const NewElementSettings& settings);

  private:
    enum class Choice { Save, Discard, BackToEditor };
    // What to do with an element the editor handed back to be saved.
    Choice askToSave(const EditResult& result);
    // Edits request until the element is written (answers its file and sets written) or given
    // up (answers an empty text); the save dialog proposes proposed.
    QString editAndSave(const ElementRequest& request, const QString& proposed, QImage& written);
    // The save dialog, then picture written as a PNG (RGBA with transparency) when the name
    // chosen ends in .png, else as a 24-bit BMP (.bmp put in place of any other extension); an
    // empty text when cancelled or when the write failed (which the user is told).
    QString writeElement(const QImage& picture, const QString& proposed);

    PageContext c_;
    ElementEditorHost& editor_;
    std::function<void()> refreshSourceLists_;
};

}  // namespace tessella::texture
