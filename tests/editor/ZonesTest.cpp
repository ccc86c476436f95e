// Zones and the clipboard in the element editor: the arithmetic, then the pointer as a person
// uses it, on a fake clipboard and on the real one.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QToolButton>

#include "editor/ZoneGeometry.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/FakeClipboard.h"
#include "ui/editor/DrawingTools.h"
#include "ui/widgets/ShapeOverlay.h"

using namespace tessella;
using namespace tessella::testing;
using namespace tessella::editor;

namespace {

TEST(ZoneGeometry, BandsBecomeElementRectanglesAtTheZoomClippedToTheElement) {
    struct Row {
        QPoint from, to;
        int zoom;
        QRect element;  // (left, top, width, height)
    } rows[] = {
        {{11, 11}, {30, 50}, 2, {5, 5, 10, 20}},     // corners divided, rounding down
        {{4, 4}, {5, 9}, 3, {}},                     // narrower than one pixel: empty
        {{20, 60}, {40, 140}, 2, {10, 30, 10, 34}},  // bottom 140 is row 70: cut to 64
    };
    for (const Row& r : rows) {
        const QRect got = ElementRectOf(BandRect(r.from, r.to), r.zoom, QSize(64, 64));
        EXPECT_EQ(got.isEmpty() ? QRect() : got, r.element) << r.from.x() << "," << r.from.y();
    }
}

TEST(ZoneGeometry, ZonesArePlacedAroundThePointerInsideTheElement) {
    const QSize element(64, 64);
    EXPECT_EQ(PlaceZone({30, 62}, {20, 10}, element), QRect(20, 54, 20, 10));  // pulled up
    // A zone kept from a larger element is cut to it.
    EXPECT_EQ(PlaceZone({30, 30}, {10, 80}, element), QRect(25, 0, 10, 64));
    EXPECT_EQ(DropPosition(QPoint(-3, 5), 2), QPoint(-2, 2));
}

class Zones : public EditorWindow {
  protected:
    Zones() : EditorWindow(&clipboard) {}

    QRect edge(int i) const { return editor->viewArea().zoneEdges[i]->geometry(); }

    FakeClipboard clipboard;
};

TEST_F(Zones, ABandMakesAZoneWhoseCopyIsThePartOfTheElementUnderIt) {
    const QImage element = Ramp(64, 64);
    open(element);
    setZoom(2);
    editor->zoneAction->trigger();
    // Drawn up and left: the band still spans the two corners.
    press({30, 50});
    move({10, 10}, Qt::LeftButton);
    EXPECT_EQ(editor->viewArea().zoneBand->geometry(), QRect(10, 10, 20, 40));
    release({10, 10});
    EXPECT_EQ(editor->zones().zone(), QRect(5, 5, 10, 20));
    EXPECT_EQ(edge(0), QRect(10, 10, 20, 1));  // the frame in view pixels
    editor->copySelectionAction->trigger();
    EXPECT_EQ(clipboard.picture, element.copy(5, 5, 10, 20));
    EXPECT_TRUE(editor->pasteIntoAction->isEnabled());
}

TEST_F(Zones, AFixedZoneMovesWithThePointerAndStopsAtTheViewsEdge) {
    open(Ramp(64, 64));
    setZoom(2);
    // "Zone" puts the drawing tools back on no tool: presses now make zones.
    editor->drawingTools()->toolButtons[0]->click();
    editor->zoneAction->trigger();
    drag({20, 20}, {{60, 40}}, {60, 40});  // 20 x 10 element pixels at (10, 10)
    ASSERT_EQ(editor->zones().zone(), QRect(10, 10, 20, 10));
    press({60, 30});
    move({127, 30}, Qt::LeftButton);
    release({200, 30});  // let go past the edge
    EXPECT_EQ(editor->zones().zone(), QRect(44, 10, 20, 10));
    EXPECT_EQ(edge(3), QRect(128, 20, 1, 20));
    setZoom(1);  // the frame follows the zoom
    EXPECT_EQ(edge(3), QRect(64, 10, 1, 10));
}

TEST_F(Zones, AZoneFromAWiderElementIsCutDown) {
    open(Ramp(64, 64));
    editor->zoneAction->trigger();
    // A zone over the right part of a 64-wide element, kept for a 48-wide one.
    drag({40, 0}, {{60, 10}}, {60, 10});
    editor->zoneAction->trigger();  // "Fermer la zone"
    const QImage narrow = Ramp(48, 48);
    open(narrow);
    editor->zones().copySelection();
    EXPECT_EQ(clipboard.picture, narrow.copy(40, 0, 8, 10));
}

TEST_F(Zones, APasteFloatsUnderThePointerAndIsDrawnInAtTheLeftRelease) {
    const QImage element = Ramp(16, 16);
    open(element);
    setZoom(2);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    editor->zones().copyElement();             // enables the paste items...
    clipboard.setImage(Solid(4, 4, Qt::red));  // ...while the clipboard holds the red square
    editor->pasteIntoAction->trigger();
    move({12, 12});  // pixel (6, 6): the square from (4, 4)
    EXPECT_EQ(editor->viewArea().pasteOverlay->pos(), QPoint(8, 8));
    press({12, 12});
    release({12, 12});
    QImage expected = negative;
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x) expected.setPixelColor(x, y, Qt::red);
    EXPECT_EQ(editor->picture(), expected);

    // Past the bottom-right corner: only the part on the element is drawn in.
    editor->pasteIntoAction->trigger();
    move({30, 30});
    release({30, 30});
    EXPECT_EQ(editor->picture().pixelColor(15, 15), QColor(Qt::red));
    EXPECT_EQ(editor->picture().pixelColor(12, 12), negative.pixelColor(12, 12));

    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), expected);
}

TEST_F(Zones, AGivenUpPasteKeepsTheUndoCopyOfTheOperationBefore) {
    const QImage element = Ramp(16, 16);
    open(element);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    clipboard.setImage(Solid(4, 4, Qt::red));
    editor->zones().pasteIntoPicture();

    // A right click discards the floating picture.
    move({5, 5});
    press({5, 5}, Qt::RightButton);
    release({5, 5}, Qt::RightButton);
    EXPECT_TRUE(editor->viewArea().pasteOverlay->isHidden());
    EXPECT_EQ(editor->picture(), negative);

    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);

    // So does closing the editor.
    whenModal([this] {
        editor->zones().pasteIntoPicture();
        EXPECT_EQ(editor->zones().state(), editor::ZoneState::PasteFloating);
        editor->close();
    });
    texture::ElementRequest request;
    request.picture = element;
    editor->edit(request);
    EXPECT_TRUE(editor->viewArea().pasteOverlay->isHidden());
}

TEST_F(EditorWindow, ZoneCopiesAndPastesGoThroughTheSystemClipboard) {
    open(Ramp(20, 10));
    QClipboard* system = QGuiApplication::clipboard();
    editor->zones().copyElement();
    EXPECT_EQ(system->image().convertToFormat(QImage::Format_BGR888), Ramp(20, 10));
    editor->zoneAction->trigger();
    press({2, 1});
    release({7, 4});
    editor->zones().copySelection();
    EXPECT_EQ(system->image().convertToFormat(QImage::Format_BGR888),
              Ramp(20, 10).copy(2, 1, 5, 3));
    // Pasting from it as a step of the history: TiledPreviewTest.
}

TEST_F(Zones, AClipboardPictureThatCannotBeReadIsSaidAndChangesNothing) {
    open(Ramp(16, 16));
    clipboard.unreadable = true;  // as Qt leaves a picture past its allocation limit
    const QString text = QString::fromUtf8(
        "Le presse-papiers contient une image trop grande ou illisible :\n\rrien n'a été collé.");
    for (const auto& paste :
         {&editor::ZoneTool::pasteAsNewPicture, &editor::ZoneTool::pasteIntoPicture}) {
        prompts.expectMessage(platform::MessageKind::Error, text);
        (editor->zones().*paste)();
        EXPECT_EQ(editor->picture(), Ramp(16, 16));
        EXPECT_EQ(editor->zones().state(), editor::ZoneState::Off);
    }
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
