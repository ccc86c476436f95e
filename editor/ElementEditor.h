#pragma once
// "Traitement d'images": the modal editor of one texture element. Every operation runs on the
// shared working picture and follows one pattern: undo copy, operation, the picture stored into
// the display, the view at the editor's zoom, "Défaire" and "Recharger" enabled.

#include <QDialog>
#include <QImage>
#include <functional>

#include "app/AppContext.h"
#include "pixels/Blur.h"
#include "texture/ElementEditorHost.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;

namespace tessella::pixels {
class WorkingPicture;
}
namespace tessella::app {
class ImageBox;
class UpDown;
}  // namespace tessella::app
namespace tessella::drawing {
class ShapeOverlay;
}

namespace tessella::editor {

class BlurDialog;
class ChannelDialog;

class ElementEditor final : public QDialog, public texture::ElementEditorHost {
    Q_OBJECT

  public:
    static constexpr int kShowDelayMs = 300;
    // The pointer label's fill (0x00BBGGRR).
    static constexpr uint32_t kLabelColour = 12910591;

    explicit ElementEditor(app::AppContext& context, QWidget* parent = nullptr);

    // Hands the element over, shows the editor modally and answers how it was closed, with the
    // edited picture on "Fermer et sauver ".
    texture::EditResult edit(const texture::ElementRequest& request) override;
    // Everything edit does before the modal loop: the element handed over and the window made
    // ready for it.
    void begin(const texture::ElementRequest& request);

    // The displayed element; what the caller takes back on "Fermer et sauver ".
    const QImage& picture() const { return display_; }
    int zoom() const { return zoom_; }
    int closeResult() const { return closeResult_; }
    const QString& reloadPath() const { return reloadPath_; }
    bool newElementMode() const { return newElementMode_; }

    // Where the drawing tools plug in: with a tool active, a press on the picture enables the
    // operation buttons and is reported by drawingPressed.
    void setDrawingToolActive(bool active) { drawingToolActive_ = active; }
    // The drawing tools ask for the colour under the pointer; the next press hands it over
    // through colourPicked.
    void requestColourPick() { colourPickPending_ = true; }
    // The drawing tools drew into the displayed picture: it becomes the working picture.
    void pictureDrawn();

    // The 20 buttons that change pixels, in the panel's order.
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
    QPushButton* undoButton;
    QPushButton* reloadButton;
    app::UpDown* zoomArrows;
    QLabel* zoomLabel;
    QLabel* dimensionsLabel;
    QLabel* colourSwatch;
    QCheckBox* rulersCheck;

    app::ImageBox* horizontalRuler;
    app::ImageBox* verticalRuler;
    QScrollArea* scrollArea;
    app::ImageBox* view;
    app::ImageBox* pasteOverlay;
    drawing::ShapeOverlay* zoneBand;
    std::array<QFrame*, 4> zoneEdges{};  // top, bottom, left, right
    QWidget* verticalRulerLine;
    QWidget* horizontalRulerLine;
    drawing::ShapeOverlay* pointerLabel;
    std::array<QLabel*, 3> statusPanels{};
    QTimer* showTimer;

    QAction* closeAndSaveAction;
    QAction* closeAction;
    QAction* newElementAction;
    QMenu* editMenu;
    QAction* copyAction;
    QAction* copySelectionAction;
    QAction* pasteAsNewAction;
    QAction* pasteIntoAction;
    QAction* zoneAction;
    QAction* propertiesAction;
    QAction* helpAction;

  signals:
    // The drawing tools window should be shown beside the editor.
    void drawingToolsWanted();
    void drawingPressed(QPoint pixel, Qt::MouseButton button);
    void drawingMoved(QPoint pixel, Qt::MouseButtons buttons);
    void drawingReleased(QPoint pixel, Qt::MouseButton button);
    void colourPicked(QColor colour);

  public slots:
    void rotateLeft();
    void rotateRight();
    void makeTwoFaceSymmetry();
    void makeFourFaceSymmetry();
    void mirror();
    void flip();
    void doubleRight();
    void doubleDown();
    void swapChannels();
    void makeGrey();
    void makeNegative();
    void addVeil();
    void fuseChannels();
    void sharpen();
    void soften();
    void openBlur();
    // Where the colour adjustment window (RGB, contrast, emboss) and the resize dialog plug in.
    void adjustRgb() {}
    void adjustContrast() {}
    void emboss() {}
    void resizeElement() {}

    void undo();
    void reload();
    void applyZoomArrows();
    void showRulers();

    void closeAndSave();
    void newElement();
    void editProperties();
    void showHelp();
    // The clipboard and zone commands plug in here.
    void copyElement() {}
    void copySelection() {}
    void pasteIntoPicture() {}
    void toggleZoneMode() {}
    // The clipboard's picture becomes the element (no undo copy); only then is the reload path
    // "SansNom.bmp".
    void pasteAsNewPicture();

    void pressOnView(Qt::MouseButton button, QPoint pos);
    void moveOnView(Qt::MouseButtons buttons, QPoint pos);
    void releaseOnView(Qt::MouseButton button, QPoint pos);

    void applyBlurStep(pixels::BlurVariant variant);
    void finishShowing();

  public:
    BlurDialog* blurDialog();
    ChannelDialog* channelDialog();

    void done(int result) override;

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void connectControls();
    // Runs op on the working picture inside the common pattern; on a fault the picture and
    // the undo copy are left as they were.
    void runOperation(const std::function<void()>& op);
    // Displays the working picture at the editor's zoom with its dimensions.
    void showWorkingPicture();
    void applyZoom(int zoom);
    void showDimensions();
    void setOperationButtonsEnabled(bool on);
    void drawRulers();
    void fitCanvas();
    void clipboardChecked();

    app::AppContext& context_;
    pixels::WorkingPicture& work_;
    QWidget* canvas_;
    QImage display_;
    int zoom_ = 1;
    int closeResult_ = texture::kEditorNoResult;
    bool newElementMode_ = false;
    bool showDrawingTools_ = false;
    QString reloadPath_;
    bool drawingToolActive_ = false;
    bool colourPickPending_ = false;
    QColor colourUnderPointer_;
    platform::ColourValue veilColour_{};
    bool blurStepTaken_ = false;
};

}  // namespace tessella::editor
