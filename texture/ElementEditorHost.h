#pragma once
// What the main window hands the element editor and what it gets back. The editor window
// implements it.

#include <QImage>
#include <QString>

#include "platform/Prompts.h"
#include "platform/Text.h"
#include "texture/NewElementSettings.h"

namespace tessella::texture {

struct ElementRequest {
    QString sourceFileName;  // the editor's reload path
    QImage picture;          // a copy of the source preview; null for a new element
    bool newElementMode = false;
    bool showDrawingTools = false;
    NewElementSettings settings;  // size and background of a new element
};

// How the editor was closed.
enum class EditorResult {
    Closed,         // nothing to save: unchanged, or the changes given up on the editor's question
    SaveAsked,      // "Fermer et sauver ": the caller asks "Sauvegarde"
    SaveConfirmed,  // "Oui" to the editor's own question about unsaved changes
};

// Asked before an edited element is given up, by the editor and by its caller alike.
inline constexpr platform::Text kUnsavedElementQuestion{
    QT_TRANSLATE_NOOP("Tessella", "L'élément a été modifié.\n\rVoulez-vous l'enregistrer ?")};
// "Annuler" comes first so that it is the default button: Enter goes back to the editor and
// never gives the element up.
inline const platform::Buttons kUnsavedElementButtons{platform::Answer::Cancel,
                                                      platform::Answer::Yes, platform::Answer::No};

struct EditResult {
    EditorResult result = EditorResult::Closed;
    QImage picture;         // the edited element unless result is Closed
    bool modified = false;  // the element changed since it was handed over
};

class ElementEditorHost {
  public:
    virtual ~ElementEditorHost() = default;
    // Shows the editor modally on request.
    virtual EditResult edit(const ElementRequest& request) = 0;
    // Shows the editor again as it was closed, the element, its undo copy and its file kept:
    // the way back when the save was cancelled or failed.
    virtual EditResult resume() = 0;
};

}  // namespace tessella::texture
