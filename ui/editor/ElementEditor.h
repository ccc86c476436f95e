#pragma once
// "Traitement d'images": the modal editor of one texture element. Every operation runs on the
// shared working picture and follows one pattern: undo copy, operation, the picture stored into
// the display, the view at the editor's zoom, "Défaire" and "Recharger" enabled.

#include <QDialog>
#include <QImage>
#include <functional>

#include "pixels/Blur.h"
#include "platform/ColourValue.h"
#include "texture/ElementEditorHost.h"
#include "texture/NewElementSettings.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;

namespace tessella::pixels {
class ColourAdjustWindow;
class WorkingPicture;
enum class ColourAdjustment;
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
class ImageBox;
class StepArrows;
class ShapeOverlay;
}  // namespace tessella::widgets

namespace tessella::editor {

class BlurDialog;
class ChannelDialog;
class ResizeDialog;

class NewElementDialog;

class ElementEditor final : public QDialog, public texture::ElementEditorHost {
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
    // The pointer label's fill (0x00BBGGRR).
    static constexpr uint32_t kLabelColour = 12910591;

    // Creates the dialogs and windows the editor opens, which it owns.
    explicit ElementEditor(const Services& services, QWidget* parent = nullptr);

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
    widgets::StepArrows* zoomArrows;
    QLabel* zoomLabel;
    QLabel* dimensionsLabel;
    QLabel* colourSwatch;
    QCheckBox* rulersCheck;

    widgets::ImageBox* horizontalRuler;
    widgets::ImageBox* verticalRuler;
    QScrollArea* scrollArea;
    widgets::ImageBox* view;
    widgets::ImageBox* pasteOverlay;
    widgets::ShapeOverlay* zoneBand;
    std::array<QFrame*, 4> zoneEdges{};  // top, bottom, left, right
    QWidget* verticalRulerLine;
    QWidget* horizontalRulerLine;
    widgets::ShapeOverlay* pointerLabel;
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
    // Also past the picture's edge: pixel is then the nearest one and onPicture false.
    void drawingReleased(QPoint pixel, Qt::MouseButton button, bool onPicture);
    void colourPicked(QColor colour);
    // "Aide": the help window should be shown.
    void helpWanted();

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
    // The colour adjustment window's operations, applied to the element on its OK.
    void adjustRgb();
    void adjustContrast();
    void emboss();
    // Where the resize dialog plugs in.
    void resizeElement();

    void undo();
    void reload();
    void applyZoomArrows();
    void showRulers();

    void closeAndSave();
    void newElement();
    void editProperties();
    void showHelp();
    // The clipboard and zone commands (ZoneCommands.cpp).
    void copyElement();
    void copySelection();
    void pasteIntoPicture();
    void toggleZoneMode();
    // The clipboard's picture becomes the element (no undo copy); only then is the reload path
    // "SansNom.bmp".
    void pasteAsNewPicture();

    void pressOnView(Qt::MouseButton button, QPoint pos);
    void moveOnView(Qt::MouseButtons buttons, QPoint pos);
    void releaseOnView(Qt::MouseButton button, QPoint pos);

    void applyBlurStep(pixels::BlurVariant variant);
    void finishShowing();

  public:
    BlurDialog* blurDialog() const { return blurDialog_; }
    ChannelDialog* channelDialog() const { return channelDialog_; }
    NewElementDialog* newElementDialog() const { return newElementDialog_; }
    pixels::ColourAdjustWindow* colourWindow() const { return colourWindow_; }
    drawing::DrawingTools* drawingTools() const { return drawingTools_; }

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
    // Shows the colour adjustment window in adjustment's configuration; on OK its settings
    // are applied to the element in the common pattern.
    void adjustColours(pixels::ColourAdjustment adjustment);

    Services services_;
    pixels::WorkingPicture& work_;
    BlurDialog* blurDialog_;
    ChannelDialog* channelDialog_;
    ResizeDialog* resizeDialog_;
    NewElementDialog* newElementDialog_;
    pixels::ColourAdjustWindow* colourWindow_;
    drawing::DrawingTools* drawingTools_;
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

    // --- Resizing, zones and the clipboard (zones: ZoneCommands.cpp) ---
  public:
    ResizeDialog* resizeDialog() const { return resizeDialog_; }
    // The zone kept in element pixels (empty when none), and whether a pasted picture floats.
    QRect zone() const { return zone_; }
    bool zoneFixed() const { return zoneFixed_; }
    bool pastePending() const { return pastePending_; }

  signals:
    // A zone or a paste takes the pointer: the drawing tools go back to their neutral tool.
    void drawingToolDropped();

  private:
    platform::Clipboard& clipboard() { return services_.clipboard; }
    void pressForZone(Qt::MouseButton button, QPoint pos);
    void moveForZone(Qt::MouseButtons buttons, QPoint pos);
    void releaseForZone(Qt::MouseButton button, QPoint pos);
    void placeZoneFrame();
    void showZoneBand(const QRect& view);
    void dropPaste();
    // Zone, band and floating paste gone; the view takes presses for a new zone.
    void resetZone();
    // Back to plain editing: "Zone" unchecked, "Copier" enabled.
    void endZone();
    void cleanUpFixedZone();
    void enablePasteItems();

    bool zoneMenuOn_ = false;    // "Zone" checked, or a paste floats
    bool zoneMode_ = false;      // presses make or move a zone
    bool drawingBand_ = false;
    bool zoneFixed_ = false;
    bool pastePending_ = false;
    QPoint bandStart_;           // view pixels
    QRect zone_;                 // element pixels; kept between showings

    // --- Drawing tools and the catalogue's textures (ElementEditorDrawing.cpp) ---
  public:
    // The drawing tools are about to change the picture: the undo copy becomes the picture
    // as it stands.
    void keepUndoCopy();
    // draw paints into the displayed picture, which is shown again; pictureDrawn ends it.
    void drawOnPicture(const std::function<void(QImage&)>& draw);
    void cancelColourPick() { colourPickPending_ = false; }
    // A texture from the catalogue becomes the element in the common pattern (undo copy
    // first); its path becomes the reload path when there was none.
    void takeTexture(const QImage& picture, const QString& path);

  private:
    void pressForDrawing(Qt::MouseButton button, QPoint pixel);
    void moveForDrawing(Qt::MouseButtons buttons, QPoint pixel);
    void releaseForDrawing(Qt::MouseButton button, QPoint pixel);
};

}  // namespace tessella::editor
