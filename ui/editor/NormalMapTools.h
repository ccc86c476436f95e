#pragma once
// The element editor's normal map commands: "Carte de normales…", which replaces the element
// with its normal map in one step of the history, and "Aperçu éclairé", which follows the
// element and the strength chosen in the first.

#include <QObject>

class QAction;

namespace tessella::pixels {
class WorkingPicture;
}
namespace tessella::platform {
class Prompts;
}

namespace tessella::editor {

class EditorOperations;
class ElementEditor;
class LitPreview;
class NormalMapDialog;

class NormalMapTools final : public QObject {
    Q_OBJECT

  public:
    // Adds "Carte de normales…" first to the editor's engine menu, "Aperçu éclairé" last to
    // its view menu.
    NormalMapTools(ElementEditor& editor, platform::Prompts& prompts, EditorOperations& operations,
                   pixels::WorkingPicture& work);

    NormalMapDialog* dialog() const { return dialog_; }
    LitPreview* litPreview() const { return litPreview_; }

    QAction* normalMapAction;
    QAction* litPreviewAction;

  public slots:
    void makeNormalMap();
    void showLitPreview();

  private:
    ElementEditor& editor_;
    EditorOperations& operations_;
    pixels::WorkingPicture& work_;
    NormalMapDialog* dialog_;
    LitPreview* litPreview_;
};

}  // namespace tessella::editor
