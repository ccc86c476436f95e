#pragma once
// "Outils de dessin": the palette beside the element editor. Its tools draw straight into the
// element's displayed picture through the editor's mouse events: the pencil, shapes dragged
// with a not-xor rubber band, the paint pot and the two eyedroppers.

#include <QBrush>
#include <QDialog>
#include <QPen>
#include <array>
#include <optional>

#include "drawing/ShapePainting.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QToolButton;

namespace tessella::widgets {
class Cursors;
enum class ToolCursor;
class StepArrows;
}  // namespace tessella::widgets
namespace tessella::platform {
class Prompts;
}
namespace tessella::editor {
class DrawingSurface;
}

namespace tessella::drawing {

class DrawingTools final : public QDialog {
    Q_OBJECT

  public:
    static constexpr QPoint kInitialPosition{200, 30};
    static constexpr int kMaxPenWidth = 100;
    static constexpr int kGapToEditor = 4;

    // The tools draw on editor; the editor hands them its pointer's events.
    DrawingTools(platform::Prompts& prompts, const widgets::Cursors& cursors,
                 editor::DrawingSurface& editor, QWidget* parent = nullptr);

    // The top-left corner of a palette of the given frame size beside the window's frame:
    // right of it when the screen has room there (or none on the left), else left of it; the
    // top level with the window's, kept on the screen.
    static QPoint PlaceBeside(const QRect& window, QSize palette, const QRect& screen);

    DrawingTool tool() const { return tool_; }
    bool drawMode() const { return drawMode_; }
    bool fillMode() const { return fillMode_; }
    const QPen& pen() const { return pen_; }
    const QBrush& brush() const { return brush_; }
    QColor fillColour() const { return fillColour_; }

    std::array<QToolButton*, 5> toolButtons{};  // in DrawingTool's order
    QToolButton* noToolButton;
    QToolButton* drawButton;
    QToolButton* fillButton;
    std::array<QToolButton*, 6>
        penStyleButtons{};  // solid, dash, dot, dash-dot, dash-dot-dot, none
    QToolButton* penColourButton;
    QToolButton* penPickButton;
    QLineEdit* penWidthEdit;
    widgets::StepArrows* penWidthArrows;
    QLabel* penSwatch;
    // solid, none, horizontal, vertical, forward and backward diagonal, cross, diagonal cross
    std::array<QToolButton*, 8> brushStyleButtons{};
    QToolButton* brushColourButton;
    QToolButton* brushPickButton;
    QLabel* brushSwatch;
    QToolButton* catalogueButton;
    std::array<QLabel*, 2> statusPanels{};

  signals:
    // "Catalogue": the catalogue of base textures should be shown for the editor.
    void catalogueWanted();

  public slots:
    void selectTool(tessella::drawing::DrawingTool tool);
    void selectNoTool();
    void drawWithCurrentTool();
    void selectFill();
    void choosePenColour();
    void chooseBrushColour();
    void pickPenColour();
    void pickBrushColour();
    void applyPenWidth();
    void openCatalogue();
    // Shown beside the editor covering none of it, the swatches showing the current colours.
    void showBesideEditor();
    // Hidden with its editor: the tool chosen comes back with the next showing.
    void putAway();

    // The editor's mouse events on the element, in element pixels.
    void pressOnPicture(QPoint pixel, Qt::MouseButton button);
    void moveOnPicture(QPoint pixel, Qt::MouseButtons buttons);
    void releaseOnPicture(QPoint pixel, Qt::MouseButton button, bool onPicture);
    void takePickedColour(QColor colour);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Moves the palette beside the editor's window as it now stands on the screen.
    void placeBesideEditor();

    void buildControls();
    void connectControls();
    // The editor's presses go to a tool (draw or fill) or not, with its cursor.
    void useEditorPointer(bool toTools, std::optional<widgets::ToolCursor> cursor);
    void showSwatches();
    void drawRubberBand();

    platform::Prompts& prompts_;
    const widgets::Cursors& cursors_;
    editor::DrawingSurface& editor_;
    QButtonGroup* toolGroup_;

    DrawingTool tool_ = DrawingTool::Pencil;
    bool drawMode_ = false;
    bool fillMode_ = false;
    bool pickPen_ = false;
    bool pickBrush_ = false;
    QPen pen_{Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin};
    QBrush brush_{Qt::black, Qt::SolidPattern};
    QColor fillColour_{Qt::black};
    // A shape being dragged, or a pencil stroke under way (started by a press on the picture).
    bool drawing_ = false;
    bool stroking_ = false;
    QPoint origin_, current_;
};

}  // namespace tessella::drawing
