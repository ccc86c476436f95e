#pragma once
// What the main window hands the element editor and what it gets back. The editor window
// implements it; until it exists the window answers with a placeholder.

#include <QImage>
#include <QString>

#include "texture/NewElementSettings.h"

namespace tessella::texture {

struct ElementRequest {
    QString sourceFileName;  // the editor's reload path
    QImage picture;          // a copy of the source preview; null for a new element
    bool newElementMode = false;
    bool showDrawingTools = false;
    NewElementSettings settings;  // size and background of a new element
};

// The editor's modal results.
inline constexpr int kEditorSaveResult = 1;  // "Fermer et sauver "
inline constexpr int kEditorNoResult = 7;

struct EditResult {
    int modalResult = kEditorNoResult;
    QImage picture;  // the edited element when modalResult is kEditorSaveResult
};

class ElementEditorHost {
  public:
    virtual ~ElementEditorHost() = default;
    // Shows the editor modally on request.
    virtual EditResult edit(const ElementRequest& request) = 0;
};

}  // namespace tessella::texture
