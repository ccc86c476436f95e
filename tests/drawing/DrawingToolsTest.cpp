// The drawing tools beside the element editor, used with the mouse on the element as a person
// would, and the accessible names of the drawing tools and the catalogue.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/UnnamedControls.h"
#include "ui/catalogue/CatalogueWindow.h"
#include "ui/editor/DrawingTools.h"
#include "ui/editor/TiledPreview.h"
#include "ui/widgets/StepArrows.h"

using namespace tessella;
using namespace tessella::testing;
using drawing::DrawingTool;
using drawing::DrawingTools;

namespace {

class Drawing : public EditorWindow {
  protected:
    Drawing() { tools = editor->drawingTools(); }

    QImage working() const {
        QImage picture;
        context.workingPicture.store(picture);
        return picture;
    }

    DrawingTools* tools;  // the editor's child
};

TEST_F(Drawing, ALineDragLeavesOnlyTheLineAndUndoGoesBackToBeforeTheStroke) {
    open(Filled(16, 8));
    editor->negativeButton->click();  // an operation before the stroke: black now
    tools->toolButtons[int(DrawingTool::Line)]->click();
    prompts.expectColour(platform::ColourValue::fromRgb(255, 0, 0));
    tools->penColourButton->click();
    drag({2, 3}, {{6, 5}, {9, 1}, {10, 3}}, {10, 3});
    QImage expected = Filled(16, 8, Qt::black);
    for (int x = 2; x <= 10; ++x) expected.setPixelColor(x, 3, Qt::red);
    EXPECT_EQ(editor->picture(), expected);
    EXPECT_EQ(working(), expected);
    EXPECT_EQ(tools->statusPanels[0]->text(), "Origine : (2, 3)");
    EXPECT_EQ(tools->statusPanels[1]->text(), "Courant : (10, 3)");
    EXPECT_EQ(tools->penSwatch->palette().color(QPalette::Window), QColor(Qt::red));
    ASSERT_TRUE(editor->undoButton->isEnabled());
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), Filled(16, 8, Qt::black));
}

TEST_F(Drawing, ThePencilSetsPixelsOnlyInsideThePicture) {
    open(Filled(8, 4));
    setZoom(2);
    tools->toolButtons[int(DrawingTool::Pencil)]->click();
    EXPECT_EQ(editor->viewArea().view->cursor().shape(),
              context.cursors.cursor(widgets::ToolCursor::Pencil).shape());
    editor->tiledPreview()->show();
    press({2, 2});
    move({4, 2}, Qt::LeftButton);
    // Each step paints into the shown picture itself, which the view and the preview let go
    // of meanwhile: no copy of the whole picture per step.
    const uchar* shown = editor->picture().constBits();
    move({6, 4}, Qt::LeftButton);
    EXPECT_EQ(editor->picture().constBits(), shown);
    release({40, 2});  // past the right edge
    QImage expected = Filled(8, 4);
    expected.setPixelColor(2, 1, Qt::black);
    expected.setPixelColor(3, 2, Qt::black);
    EXPECT_EQ(editor->picture(), expected);
    EXPECT_EQ(editor->viewArea().view->picture(), expected);
    EXPECT_EQ(editor->tiledPreview()->picture(), expected);
    EXPECT_EQ(working(), expected);
    EXPECT_TRUE(editor->undoButton->isEnabled());
}

TEST_F(Drawing, TheEyedroppersTakeThePixelUnderThePressAndReturnToNoTool) {
    const QImage element = Ramp(8, 8);
    open(element);
    tools->toolButtons[int(DrawingTool::Rectangle)]->click();
    tools->penPickButton->click();
    EXPECT_EQ(editor->viewArea().view->cursor().shape(),
              context.cursors.cursor(widgets::ToolCursor::ColourPicker).shape());
    press({4, 2});  // no move before: the pixel under the press
    release({4, 2});
    EXPECT_EQ(tools->pen().color(), element.pixelColor(4, 2));
    EXPECT_EQ(tools->penSwatch->palette().color(QPalette::Window), element.pixelColor(4, 2));
    EXPECT_TRUE(tools->noToolButton->isChecked());
    EXPECT_FALSE(tools->drawMode());
    EXPECT_EQ(editor->viewArea().view->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(editor->picture(), element);

    tools->brushPickButton->click();
    move({7, 7});
    press({7, 7});
    EXPECT_EQ(tools->brush().color(), element.pixelColor(7, 7));
    EXPECT_EQ(tools->fillColour(), element.pixelColor(7, 7));
    EXPECT_EQ(editor->picture(), element);
}

// "Sans remplissage" would paint nothing: the pot fills solid with the fill colour then.
TEST_F(Drawing, TheFillPaintsTheAreaWithAnUndoCopyAndOnlyInsideThePicture) {
    QImage element = Filled(6, 4);
    for (int y = 0; y < 4; ++y) element.setPixelColor(3, y, Qt::black);
    QImage expected = element;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x) expected.setPixelColor(x, y, Qt::blue);
    for (const int style : {0, 1}) {  // "Remplissage plein", "Sans remplissage"
        SCOPED_TRACE(style);
        open(element);
        prompts.expectColour(platform::ColourValue::fromRgb(0, 0, 255));
        tools->brushColourButton->click();
        tools->brushStyleButtons[style]->click();
        tools->fillButton->click();
        EXPECT_EQ(editor->viewArea().view->cursor().shape(),
                  context.cursors.cursor(widgets::ToolCursor::PaintPot).shape());
        press({20, 1});
        release({20, 1});  // outside: nothing
        EXPECT_EQ(editor->picture(), element);
        EXPECT_FALSE(editor->undoButton->isEnabled());
        press({1, 1});
        release({1, 1});
        EXPECT_EQ(editor->picture(), expected);
        EXPECT_EQ(working(), expected);
        editor->undoButton->click();
        EXPECT_EQ(editor->picture(), element);
    }
}

TEST_F(Drawing, TheToolChosenComesBackWithTheNextEditing) {
    struct Row {
        const char* what;
        std::function<void()> choose;
        widgets::ToolCursor cursor;
    } rows[] = {
        {"rectangle", [&] { tools->toolButtons[int(DrawingTool::Rectangle)]->click(); },
         widgets::ToolCursor::Pencil},
        {"fill", [&] { tools->fillButton->click(); }, widgets::ToolCursor::PaintPot},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        open(Filled(8, 8));
        r.choose();
        const bool drawing = tools->drawMode();
        editor->reject();  // the editor closes; its palette goes with it
        EXPECT_FALSE(tools->isVisible());
        open(Filled(8, 8));
        EXPECT_EQ(tools->drawMode(), drawing);
        EXPECT_EQ(tools->fillMode(), !drawing);
        EXPECT_EQ(tools->tool(), DrawingTool::Rectangle);
        EXPECT_EQ(editor->viewArea().view->cursor().shape(),
                  context.cursors.cursor(r.cursor).shape());
        // The tool draws again at once.
        press({1, 1});
        release({1, 1});
        EXPECT_TRUE(editor->undoButton->isEnabled());
    }
}

TEST_F(Drawing, ClosingTheToolsWhileTheEditorStaysLeavesNoToolActive) {
    open(Filled(8, 8));
    tools->showBesideEditor();
    tools->toolButtons[int(DrawingTool::Pencil)]->click();
    tools->close();
    EXPECT_TRUE(tools->noToolButton->isChecked());
    EXPECT_EQ(editor->viewArea().view->cursor().shape(), Qt::CrossCursor);
    drag({1, 1}, {{2, 2}}, {3, 3});
    EXPECT_EQ(editor->picture(), Filled(8, 8));
    EXPECT_FALSE(editor->undoButton->isEnabled());
}

// A screen reader toggles a checkable button through its accessibility action, which checks
// it without a click: the tool and the styles must follow all the same.
TEST_F(Drawing, ToolsAndStylesChosenThroughTheirAccessibilityActions) {
    open(Filled(8, 8));
    ASSERT_TRUE(DoAccessibleAction(tools->toolButtons[int(DrawingTool::Rectangle)]));
    EXPECT_EQ(tools->tool(), DrawingTool::Rectangle);
    EXPECT_TRUE(tools->drawMode());
    DoAccessibleAction(tools->penStyleButtons[1]);
    EXPECT_EQ(tools->pen().style(), Qt::DashLine);
    DoAccessibleAction(tools->brushStyleButtons[1]);
    EXPECT_EQ(tools->brush().style(), Qt::NoBrush);
    DoAccessibleAction(tools->noToolButton);
    EXPECT_FALSE(tools->drawMode());
    EXPECT_EQ(editor->viewArea().view->cursor().shape(), Qt::CrossCursor);
}

TEST_F(Drawing, ThePenWidthFollowsItsArrowsDownToZero) {
    tools->penWidthArrows->click(widgets::StepArrows::Button::Next);
    tools->penWidthArrows->click(widgets::StepArrows::Button::Next);
    EXPECT_EQ(tools->penWidthEdit->text(), "3");
    EXPECT_EQ(tools->pen().width(), 3);
    for (int i = 0; i < 5; ++i) tools->penWidthArrows->click(widgets::StepArrows::Button::Prev);
    EXPECT_EQ(tools->penWidthEdit->text(), "0");
    EXPECT_EQ(tools->pen().width(), 0);
    EXPECT_TRUE(tools->penWidthEdit->isReadOnly());
}

TEST_F(Drawing, TheCatalogueButtonShowsTheCatalogueAndEnablesTheOperations) {
    openNew(8, 8, platform::kWhite);
    catalogue::CatalogueWindow catalogueWindow(prompts, context.programFolder, editor.get());
    QObject::connect(tools, &DrawingTools::catalogueWanted, &catalogueWindow,
                     &catalogue::CatalogueWindow::openForEditor);
    prompts.acceptUnscriptedOkBoxes(true);
    prompts.expectMessage(platform::MessageKind::Confirmation, {}, platform::Answer::No);
    bool shown = false;
    whenModal([&] {
        shown = catalogueWindow.isVisible();
        catalogueWindow.close();
    });
    tools->catalogueButton->click();
    EXPECT_TRUE(shown);
    for (QPushButton* b : editor->operationButtons()) EXPECT_TRUE(b->isEnabled());
}

TEST(DrawingToolsPlace, BesideTheEditorWhereTheScreenHasRoom) {
    const QSize palette(300, 400);
    const struct {
        const char* name;
        QRect window, screen;
        QPoint expected;
    } rows[] = {
        // Right edge 999, a gap of 4: 1004 + 300 fits in 1920.
        {"room on the right", {100, 50, 900, 640}, {0, 0, 1920, 1080}, {1004, 50}},
        // 1504 + 300 passes 1280; on the left 600 - 4 - 300 = 296.
        {"room on the left only", {600, 50, 900, 640}, {0, 0, 1280, 1024}, {296, 50}},
        // Neither side, but under it: 50 + 500 + 4 = 554, and 554 + 400 fits in 1024.
        {"room below only", {100, 50, 900, 500}, {0, 0, 1280, 1024}, {100, 554}},
        // Over it when the bottom is full: 700 - 4 - 400 = 296.
        {"room above only", {100, 700, 900, 300}, {0, 0, 1280, 1024}, {100, 296}},
        // No room anywhere: on the screen at its bottom right, 1280 - 300 and 1024 - 400.
        {"no room", {0, 0, 1280, 1000}, {0, 0, 1280, 1024}, {980, 624}},
        // The top kept on the screen: 1080 - 400 = 680.
        {"low window", {100, 900, 400, 100}, {0, 0, 1920, 1080}, {504, 680}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DrawingTools::PlaceBeside(row.window, palette, row.screen), row.expected);
    }
}

TEST_F(Drawing, ThePaletteCoversNoControlOfTheEditorAndItsMenuBringsItBack) {
    editor->show();
    open(Filled(8, 8));
    ASSERT_TRUE(tools->isVisible());
    const QRect palette = tools->frameGeometry();
    int checked = 0;
    for (QWidget* control : editor->findChildren<QWidget*>()) {
        if (!control->isVisible() || control->window() != editor.get()) continue;
        if (!qobject_cast<QAbstractButton*>(control) && control != editor->viewArea().view &&
            control != editor->viewArea().zoomArrows)
            continue;
        const QRect onScreen(control->mapToGlobal(QPoint()), control->size());
        ++checked;
        EXPECT_FALSE(onScreen.intersects(palette))
            << control->accessibleName().toStdString() << control->objectName().toStdString();
    }
    EXPECT_GE(checked, 24);  // the 22 buttons of the panel, the rulers' check, the view
    tools->close();
    EXPECT_FALSE(tools->isVisible());
    editor->drawingToolsAction->trigger();
    EXPECT_TRUE(tools->isVisible());
    editor->hide();
}

TEST_F(Drawing, EveryControlOfTheToolsAndTheCatalogueHasAName) {
    catalogue::CatalogueWindow catalogueWindow(prompts, context.programFolder);
    EXPECT_EQ(UnnamedControls(tools), "");
    EXPECT_EQ(UnnamedControls(&catalogueWindow), "");
}

}  // namespace
