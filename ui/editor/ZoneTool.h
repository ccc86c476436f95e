#pragma once
// The element editor's zones and clipboard: "Zone", the rubber band, the fixed zone and its
// frame, "Copier", "Copier la sélection", "Coller comme nouvelle image" and "Coller dans
// l'image" with the picture that floats under the pointer until the next left release.

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>

class QAction;
class QMenu;

namespace tessella::platform {
class Clipboard;
class Prompts;
}  // namespace tessella::platform

namespace tessella::editor {

class EditorView;

// What the pointer on the view does to zones.
enum class ZoneState {
    Off,            // plain editing: presses go to the drawing tools
    Waiting,        // "Zone" checked, no zone yet: a left press starts a band
    DrawingBand,    // the left button held from the band's first corner
    Fixed,          // a zone is framed; a left drag moves it, centred on the pointer
    PasteFloating,  // "Coller dans l'image": the picture follows the pointer until a left release
};

class ZoneTool final : public QObject {
    Q_OBJECT

  public:
    // The menu items the zones enable and rename.
    struct Menu {
        QMenu* editMenu;
        QAction* zoneAction;
        QAction* copyAction;
        QAction* copySelectionAction;
        QAction* pasteAsNewAction;
        QAction* pasteIntoAction;
    };

    // element is the editor's displayed picture, read as it stands at each event.
    ZoneTool(platform::Prompts& prompts, platform::Clipboard& clipboard, EditorView& view,
             const QImage& element, const Menu& menu, QObject* parent);

    ZoneState state() const { return state_; }
    // The zone kept in element pixels (empty when none); kept between showings.
    QRect zone() const { return zone_; }

    // The pointer on the view at view point pos (a release also past the view's edge).
    void press(Qt::MouseButton button, QPoint pos);
    void move(Qt::MouseButtons buttons, QPoint pos);
    void release(Qt::MouseButton button, QPoint pos);
    // A paste still floating is given up.
    void dropFloatingPaste();

  public slots:
    void toggleZoneMode();
    void copyElement();
    void copySelection();
    void pasteIntoPicture();
    // The clipboard's picture becomes the element.
    void pasteAsNewPicture();
    // The clipboard may have a picture: the paste items are offered.
    void clipboardChecked();

  signals:
    // A zone or a paste takes the pointer: the drawing tools go back to their neutral tool.
    void pointerTaken();
    // The floating picture was let go with its top-left corner on element pixel at.
    void pasteDropped(const QImage& picture, QPoint at);
    // "Coller comme nouvelle image": picture replaces the element.
    void pictureReplaced(const QImage& picture);

  private:
    // Throws the message for a clipboard that holds a picture Qt could not read.
    void refuseUnreadableClipboard();
    // Every change of state goes through here, with what the window shows in the new state.
    void enter(ZoneState next);
    void placeZoneFrame();
    void showZoneBand(const QRect& view);
    void hideOverlays();
    void enablePasteItems();
    QSize elementSize() const { return element_.size(); }

    platform::Prompts& prompts_;
    platform::Clipboard& clipboard_;
    EditorView& view_;
    const QImage& element_;
    Menu menu_;
    ZoneState state_ = ZoneState::Off;
    QPoint bandStart_;  // view pixels
    QRect zone_;        // element pixels
};

}  // namespace tessella::editor
