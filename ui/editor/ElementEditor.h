#pragma once
// "Traitement d'images": the modal editor of one texture element. The window holds the
// element, its buttons and menu, and what it hands back; the view (EditorView), the zones and
// the clipboard (ZoneTool) and the operations (EditorOperations) are its parts. It never lets
// an edited element go without asking.

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "texture/ElementEditorHost.h"
#include "texture/NewElementSettings.h"
#include "ui/editor/DrawingSurface.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace tessella::pixels {
class ColourAdjustWindow;
class WorkingPicture;
}  // namespace tessella::pixels
namespace tessella::platform {
class Clipboard;
class Pacer;
class ProgramFolder;
class Prompts;
}  // namespace tessella::platform
namespace tessella::drawing {
class DrawingTools;
}
namespace tessella::widgets {
class Cursors;
}

namespace tessella::editor {

class BlurDialog;
class ChannelDialog;
class EditorOperations;
class EditorView;
class NewElementDialog;
class NormalMapTools;
class ResizeDialog;
class TiledPreview;
class MipmapPreview;
class ZoneTool;

class ElementEditor final : public QDialog,
                            public texture::ElementEditorHost,
                            public DrawingSurface {
    Q_OBJECT

  public:
    // What the editor works with; each lasts for the run.
    struct Services {
        platform::Prompts& prompts;
        platform::Pacer& pacer;
        pixels::WorkingPicture& workingPicture;
        // The new-element dialog's size and background, shared with the main window's.
        texture::NewElementSettings& newElement;
        platform::Clipboard& clipboard;
        const widgets::Cursors& cursors;
        const platform::ProgramFolder& programFolder;
    };

    static constexpr int kShowDelayMs = 300;

    // Creates the dialogs and windows the editor opens, which it owns.
    explicit ElementEditor(const Services& services, QWidget* parent = nullptr);

    // Hands the element over, shows the editor modally and answers how it was closed, with the
    // edited picture unless nothing is to be saved.
    texture::EditResult edit(const texture::ElementRequest& request) override;
    texture::EditResult resume() override;
    // Everything edit does before the modal loop: the element handed over and the window made
    // ready for it.
    void begin(const texture::ElementRequest& request);

    // The displayed element; what the caller takes back to save.
    const QImage& picture() const { return display_; }
    // The element differs from the one handed over (or from the new blank one).
    bool modified() const { return display_ != original_; }
    int zoom() const;
    texture::EditorResult closeResult() const { return closeResult_; }
    const QString& reloadPath() const { return reloadPath_; }
    bool newElementMode() const { return newElementMode_; }

    // The 22 buttons that change pixels, in the panel's order.
    QList<QPushButton*> operationButtons() const;

    QPushButton* rotateLeftButton;
    QPushButton* rotateRightButton;
    QPushButton* symmetry2Button;
    QPushButton* symmetry4Button;
    QPushButton* mirrorButton;
    QPushButton* flipButton;
    QPushButton* doubleRightButton;
    QPushButton* doubleDownButton;
    QPushButton* swapChannelsButton;
    QPushButton* greyButton;
    QPushButton* negativeButton;
    QPushButton* veilButton;
    QPushButton* fuseButton;
    QPushButton* adjustButton;
    QPushButton* blurButton;
    QPushButton* sharpenButton;
    QPushButton* softenButton;
    QPushButton* resizeButton;
    QPushButton* embossButton;
    QPushButton* contrastButton;
    QPushButton* offsetHalfButton;
    QPushButton* makeTileableButton;
    QPushButton* undoButton;
    QPushButton* reloadButton;
    QPushButton* tiledPreviewButton;
    QLabel* dimensionsLabel;
    std::array<QLabel*, 3> statusPanels{};
    QTimer* showTimer;

    QAction* closeAndSaveAction;
    QAction* closeAction;
    QAction* newElementAction;
    QMenu* editMenu;
    QAction* undoAction;
    QAction* redoAction;
    QAction* copyAction;
    QAction* copySelectionAction;
    QAction* pasteAsNewAction;
    QAction* pasteIntoAction;
    QAction* zoneAction;
    QAction* propertiesAction;
    // "Affichage": the drawing tools and the previews.
    QMenu* viewMenu;
    QAction* drawingToolsAction;
    QAction* tiledPreviewAction;
    QAction* mipmapPreviewAction;
    // "Moteurs de jeu": the normal map, then the colour key and the flattening.
    QMenu* engineMenu;
    QAction* colourKeyAction;
    QAction* flattenAction;
    QAction* helpAction;

    EditorView& viewArea() const { return *view_; }
    ZoneTool& zones() const { return *zones_; }
    EditorOperations& operations() const { return *operations_; }
    BlurDialog* blurDialog() const;
    ChannelDialog* channelDialog() const;
    ResizeDialog* resizeDialog() const;
    pixels::ColourAdjustWindow* colourWindow() const;
    NewElementDialog* newElementDialog() const { return newElementDialog_; }
    drawing::DrawingTools* drawingTools() const { return drawingTools_; }
    TiledPreview* tiledPreview() const { return tiledPreview_; }
    // "Carte de normales…" and "Aperçu éclairé".
    NormalMapTools* normalMapTools() const { return normalMapTools_; }
    MipmapPreview* mipmapPreview() const { return mipmapPreview_; }

    // DrawingSurface.
    void setDrawingToolActive(bool active) override { drawingToolActive_ = active; }
    void requestColourPick() override { colourPickPending_ = true; }
    void cancelColourPick() override { colourPickPending_ = false; }
    void setPointerCursor(const QCursor& cursor) override;
    void enableOperations() override { setOperationButtonsEnabled(true); }
    void keepUndoCopy() override;
    void drawOnPicture(const std::function<void(QImage&)>& draw) override;
    void pictureDrawn() override;

    void done(int result) override;

  signals:
    // The element shown changed (operation, stroke, paste, undo, reload, texture...).
    void pictureShown(const QImage& picture);
    // The drawing tools window should be shown beside the editor.
    void drawingToolsWanted();
    void drawingPressed(QPoint pixel, Qt::MouseButton button);
    void drawingMoved(QPoint pixel, Qt::MouseButtons buttons);
    // Also past the picture's edge: pixel is then the nearest one and onPicture false.
    void drawingReleased(QPoint pixel, Qt::MouseButton button, bool onPicture);
    void colourPicked(QColor colour);
    // A zone or a paste takes the pointer: the drawing tools go back to their neutral tool.
    void drawingToolDropped();
    // "Aide": the help window should be shown.
    void helpWanted();

  public slots:
    // Reads the element's file again, keeping an undo copy; enabled only when there is a file.
    void reload();
    void closeAndSave();
    void newElement();
    void editProperties();
    // A texture from the catalogue becomes the element in the common pattern (undo copy
    // first); its path becomes the reload path when there was none.
    void takeTexture(const QImage& picture, const QString& path);
    void finishShowing();
    // "Aperçu en mosaïque": the preview beside the editor, clear of the palette.
    void showTiledPreview();
    // "Aperçu des mipmaps": the element's first mip levels side by side.
    void showMipmapPreview();

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // With unsaved changes, asks before the window closes.
    void closeEvent(QCloseEvent* event) override;
    // Escape does not close the editor.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void connectControls();
    // Shows the editor modally until it is closed; answers how.
    texture::EditResult runModal();
    // The working picture stored into the display and shown at the editor's zoom.
    void showWorkingPicture();
    // A picture that replaces the element without an undo copy.
    void replacePicture(const QImage& picture);
    void showDimensions();
    // "Défaire", "Annuler" and "Rétablir" enabled as the history allows.
    void showHistory();
    void setOperationButtonsEnabled(bool on);
    // "Recharger" is enabled when the reload path names a file; the title names it.
    void showFileName();
    void pressOnView(Qt::MouseButton button, QPoint pos);
    void moveOnView(Qt::MouseButtons buttons, QPoint pos);
    void releaseOnView(Qt::MouseButton button, QPoint pos);
    void pressForDrawing(Qt::MouseButton button, QPoint pixel);
    void moveForDrawing(Qt::MouseButtons buttons, QPoint pixel);
    void releaseForDrawing(Qt::MouseButton button, QPoint pixel);

    Services services_;
    pixels::WorkingPicture& work_;
    EditorView* view_;
    EditorOperations* operations_;
    ZoneTool* zones_ = nullptr;
    NewElementDialog* newElementDialog_;
    drawing::DrawingTools* drawingTools_ = nullptr;
    TiledPreview* tiledPreview_ = nullptr;
    NormalMapTools* normalMapTools_ = nullptr;
    MipmapPreview* mipmapPreview_ = nullptr;
    QImage display_;
    // The element as handed over, to tell whether it was changed.
    QImage original_;
    texture::EditorResult closeResult_ = texture::EditorResult::Closed;
    bool newElementMode_ = false;
    bool showDrawingTools_ = false;
    QString reloadPath_;
    bool drawingToolActive_ = false;
    bool colourPickPending_ = false;
};

}  // namespace tessella::editor
