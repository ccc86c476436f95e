// The drawing tools beside the element editor, used with the mouse on the element; the pixel
// rules themselves are ShapePaintingTest's.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/UnnamedControls.h"
#include "ui/catalogue/CatalogueWindow.h"
#include "ui/editor/DrawingTools.h"
#include "ui/editor/TiledPreview.h"

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
    open(Solid(16, 8, Qt::white));
    editor->negativeButton->click();  // an operation before the stroke: black now
    tools->toolButtons[int(DrawingTool::Line)]->click();
    prompts.expectColour(platform::ColourValue::fromRgb(255, 0, 0));
    tools->penColourButton->click();
    drag({2, 3}, {{6, 5}, {9, 1}, {10, 3}}, {10, 3});
    QImage expected = Solid(16, 8, Qt::black);
    for (int x = 2; x <= 10; ++x) expected.setPixelColor(x, 3, Qt::red);
    EXPECT_EQ(editor->picture(), expected);
    EXPECT_EQ(working(), expected);
    EXPECT_EQ(tools->statusPanels[0]->text(), "Origine : (2, 3)");
    EXPECT_EQ(tools->statusPanels[1]->text(), "Courant : (10, 3)");
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), Solid(16, 8, Qt::black));
}

TEST_F(Drawing, ThePencilSetsPixelsOnlyInsideThePicture) {
    open(Solid(8, 4, Qt::white));
    setZoom(2);
    tools->toolButtons[int(DrawingTool::Pencil)]->click();
    editor->tiledPreview()->show();
    press({2, 2});
    move({4, 2}, Qt::LeftButton);
    // Each step paints into the shown picture itself, which the view and the preview let go
    // of meanwhile: no copy of the whole picture per step.
    const uchar* shown = editor->picture().constBits();
    move({6, 4}, Qt::LeftButton);
    EXPECT_EQ(editor->picture().constBits(), shown);
    release({40, 2});  // past the right edge
    QImage expected = Solid(8, 4, Qt::white);
    expected.setPixelColor(2, 1, Qt::black);
    expected.setPixelColor(3, 2, Qt::black);
    EXPECT_EQ(editor->picture(), expected);
    EXPECT_EQ(editor->tiledPreview()->picture(), expected);
    EXPECT_EQ(working(), expected);
}

TEST_F(Drawing, TheEyedroppersTakeThePixelUnderThePressAndReturnToNoTool) {
    const QImage element = Ramp(8, 8);
    open(element);
    tools->toolButtons[int(DrawingTool::Rectangle)]->click();
    tools->penPickButton->click();
    press({4, 2});  // no move before: the pixel under the press
    release({4, 2});
    EXPECT_EQ(tools->pen().color(), element.pixelColor(4, 2));
    EXPECT_FALSE(tools->drawMode());
    EXPECT_EQ(editor->picture(), element);
}

// "Sans remplissage" would paint nothing: the pot fills solid with the fill colour then.
TEST_F(Drawing, TheFillPaintsTheAreaWithAnUndoCopyAndOnlyInsideThePicture) {
    QImage element = Solid(6, 4, Qt::white);
    for (int y = 0; y < 4; ++y) element.setPixelColor(3, y, Qt::black);
    QImage expected = element;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x) expected.setPixelColor(x, y, Qt::blue);
    open(element);
    prompts.expectColour(platform::ColourValue::fromRgb(0, 0, 255));
    tools->brushColourButton->click();
    tools->brushStyleButtons[1]->click();  // "Sans remplissage"
    tools->fillButton->click();
    press({20, 1});
    release({20, 1});  // outside: nothing
    EXPECT_EQ(editor->picture(), element);
    EXPECT_FALSE(editor->undoButton->isEnabled());
    press({1, 1});
    release({1, 1});
    EXPECT_EQ(working(), expected);
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);
}

TEST_F(Drawing, TheToolChosenComesBackWithTheNextEditing) {
    open(Solid(8, 8, Qt::white));
    tools->fillButton->click();
    editor->reject();  // the editor closes; its palette goes with it
    open(Solid(8, 8, Qt::white));
    EXPECT_TRUE(tools->fillMode());
    press({1, 1});  // and works again at once
    release({1, 1});
    EXPECT_TRUE(editor->undoButton->isEnabled());
}

TEST_F(Drawing, ClosingTheToolsWhileTheEditorStaysLeavesNoToolActive) {
    open(Solid(8, 8, Qt::white));
    tools->showBesideEditor();
    tools->toolButtons[int(DrawingTool::Pencil)]->click();
    tools->close();
    drag({1, 1}, {{2, 2}}, {3, 3});
    EXPECT_EQ(editor->picture(), Solid(8, 8, Qt::white));
    EXPECT_FALSE(editor->undoButton->isEnabled());
    editor->drawingToolsAction->trigger();  // the menu brings them back
    EXPECT_FALSE(tools->isHidden());
}

// A screen reader toggles a checkable button through its accessibility action, which checks
// it without a click: the tool and the styles must follow all the same.
TEST_F(Drawing, ToolsAndStylesChosenThroughTheirAccessibilityActions) {
    open(Solid(8, 8, Qt::white));
    ASSERT_TRUE(DoAccessibleAction(tools->toolButtons[int(DrawingTool::Rectangle)]));
    EXPECT_EQ(tools->tool(), DrawingTool::Rectangle);
    EXPECT_TRUE(tools->drawMode());
    DoAccessibleAction(tools->penStyleButtons[1]);
    EXPECT_EQ(tools->pen().style(), Qt::DashLine);
    DoAccessibleAction(tools->brushStyleButtons[1]);
    EXPECT_EQ(tools->brush().style(), Qt::NoBrush);
    DoAccessibleAction(tools->noToolButton);
    EXPECT_FALSE(tools->drawMode());
}

TEST_F(Drawing, TheCatalogueButtonAsksForTheCatalogueAndEnablesTheOperations) {
    openNew(8, 8, platform::kWhite);
    int wanted = 0;
    QObject::connect(tools, &DrawingTools::catalogueWanted, [&] { ++wanted; });
    tools->catalogueButton->click();
    EXPECT_EQ(wanted, 1);
    for (QPushButton* b : editor->operationButtons()) EXPECT_TRUE(b->isEnabled());
}

TEST(DrawingToolsPlace, BesideTheEditorWhereTheScreenHasRoom) {
    const QSize palette(300, 400);
    const QRect screen(0, 0, 1280, 1024);
    // Right edge 999, a gap of 4: 1004 + 300 fits.
    EXPECT_EQ(DrawingTools::PlaceBeside({100, 50, 900, 640}, palette, QRect(0, 0, 1920, 1080)),
              QPoint(1004, 50));
    // Neither side, but under it: 50 + 500 + 4 = 554, and 554 + 400 fits in 1024.
    EXPECT_EQ(DrawingTools::PlaceBeside({100, 50, 900, 500}, palette, screen), QPoint(100, 554));
    // No room anywhere: on the screen at its bottom right, 1280 - 300 and 1024 - 400.
    EXPECT_EQ(DrawingTools::PlaceBeside({0, 0, 1280, 1000}, palette, screen), QPoint(980, 624));
}

TEST_F(Drawing, EveryControlOfTheToolsAndTheCatalogueHasAName) {
    catalogue::CatalogueWindow catalogueWindow(prompts, context.programFolder);
    EXPECT_EQ(UnnamedControls(tools), "");
    EXPECT_EQ(UnnamedControls(&catalogueWindow), "");
}

}  // namespace
