// Zones and the clipboard in the element editor: the arithmetic, then the menu and the
// pointer as a person uses them, on a fake clipboard and on the real one.

#include <QAction>
#include <QClipboard>
#include <QFrame>
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
        // (The window's test takes the plain bands through the view.)
        {{11, 11}, {30, 50}, 2, {5, 5, 10, 20}},     // corners divided, rounding down
        {{4, 4}, {5, 9}, 3, {}},                     // narrower than one pixel: empty
        {{7, 7}, {7, 7}, 1, {}},                     // a plain click
        {{50, 10}, {90, 20}, 1, {50, 10, 14, 10}},   // past the 64-pixel element
        {{10, 50}, {20, 90}, 1, {10, 50, 10, 14}},   // past the bottom edge: rows 50 to 63
        {{20, 60}, {40, 140}, 2, {10, 30, 10, 34}},  // bottom 140 is row 70: cut to 64
    };
    for (const Row& r : rows) {
        const QRect got = ElementRectOf(BandRect(r.from, r.to), r.zoom, QSize(64, 64));
        EXPECT_EQ(got.isEmpty() ? QRect() : got, r.element) << r.from.x() << "," << r.from.y();
    }
}

TEST(ZoneGeometry, ZonesArePlacedAroundThePointerInsideTheElement) {
    struct Row {
        QPoint centre;
        QSize zone;
        QRect placed;
    } rows[] = {
        {{30, 30}, {20, 10}, {20, 25, 20, 10}},
        {{63, 30}, {20, 10}, {44, 25, 20, 10}},  // right side on the right edge
        {{2, 1}, {20, 10}, {0, 0, 20, 10}},
        {{30, 30}, {80, 10}, {0, 25, 64, 10}},   // a zone kept from a wider element
        {{30, 62}, {20, 10}, {20, 54, 20, 10}},  // would end past row 64: pulled up
        {{30, 63}, {20, 10}, {20, 54, 20, 10}},
        {{30, 30}, {10, 80}, {25, 0, 10, 64}},  // taller than the element: cut from the top
    };
    for (const Row& r : rows) EXPECT_EQ(PlaceZone(r.centre, r.zone, QSize(64, 64)), r.placed);
    EXPECT_EQ(ZoneInView(QRect(5, 5, 10, 20), 2), QRect(10, 10, 20, 40));
    const ZoneFrame f = FrameAround(QRect(10, 20, 30, 10));
    EXPECT_EQ(f.top, QRect(10, 20, 30, 1));
    EXPECT_EQ(f.bottom, QRect(10, 30, 30, 1));
    EXPECT_EQ(f.left, QRect(10, 20, 1, 10));
    EXPECT_EQ(f.right, QRect(40, 20, 1, 10));
    EXPECT_EQ(DropPosition(QPoint(-3, 5), 2), QPoint(-2, 2));
}

TEST(ZoneGeometry, PastedPicturesAre24BitsOverWhite) {
    QImage clip(2, 1, QImage::Format_ARGB32);
    clip.setPixelColor(0, 0, QColor(0, 0, 0, 0));
    clip.setPixelColor(1, 0, QColor(10, 20, 30));
    const QImage pasted = PastedPicture(clip);
    EXPECT_EQ(pasted.format(), QImage::Format_BGR888);
    EXPECT_EQ(pasted.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(pasted.pixelColor(1, 0), QColor(10, 20, 30));
}

class Zones : public EditorWindow {
  protected:
    Zones() : EditorWindow(&clipboard) {}

    QRect edge(int i) const { return editor->viewArea().zoneEdges[i]->geometry(); }

    FakeClipboard clipboard;
};

// The band's arithmetic is ZoneGeometry's; here the view draws it and the copy takes it.
TEST_F(Zones, ABandMakesAZoneWhoseCopyIsThePartOfTheElementUnderIt) {
    const QImage element = Ramp(64, 64);
    open(element);
    setZoom(2);
    editor->zoneAction->trigger();
    EXPECT_FALSE(editor->copyAction->isEnabled());
    EXPECT_EQ(editor->viewArea().view->cursor().shape(), Qt::SizeAllCursor);
    // Drawn up and left: the band still spans the two corners.
    press({30, 50});
    move({10, 10}, Qt::LeftButton);
    EXPECT_EQ(editor->viewArea().zoneBand->geometry(), QRect(10, 10, 20, 40));
    release({10, 10});
    EXPECT_EQ(editor->zones().zone(), QRect(5, 5, 10, 20));
    EXPECT_TRUE(editor->viewArea().zoneBand->isHidden());
    // The four edges stand around (10, 10, 20, 40) in view pixels.
    EXPECT_EQ(edge(0), QRect(10, 10, 20, 1));
    EXPECT_EQ(edge(3).x(), 30);
    EXPECT_EQ(editor->viewArea().view->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(editor->copySelectionAction->isEnabled());
    EXPECT_FALSE(editor->pasteIntoAction->isEnabled());  // until the first copy

    editor->copySelectionAction->trigger();
    EXPECT_EQ(clipboard.picture, element.copy(5, 5, 10, 20));
    // The copy ends the zone and offers both pastes.
    EXPECT_NE(editor->zones().state(), editor::ZoneState::Fixed);
    EXPECT_TRUE(editor->copyAction->isEnabled());
    EXPECT_TRUE(editor->pasteAsNewAction->isEnabled());
    EXPECT_TRUE(editor->pasteIntoAction->isEnabled());
}

TEST_F(Zones, AFixedZoneMovesWithThePointerAndStopsAtTheViewsEdge) {
    open(Ramp(64, 64));
    setZoom(2);
    // "Zone" puts the drawing tools back on no tool: presses now make zones.
    drawing::DrawingTools* tools = editor->drawingTools();
    tools->toolButtons[0]->click();
    editor->zoneAction->trigger();
    EXPECT_TRUE(tools->noToolButton->isChecked());
    drag({20, 20}, {{60, 40}}, {60, 40});  // 20 x 10 element pixels at (10, 10)
    ASSERT_EQ(editor->zones().zone(), QRect(10, 10, 20, 10));
    press({60, 30});
    move({127, 30}, Qt::LeftButton);
    EXPECT_TRUE(editor->viewArea().zoneEdges[0]->isHidden());
    EXPECT_EQ(editor->viewArea().zoneBand->geometry(), QRect(88, 20, 40, 20));  // right side at 128
    release({200, 30});  // let go past the edge
    EXPECT_EQ(editor->zones().zone(), QRect(44, 10, 20, 10));
    EXPECT_EQ(edge(3), QRect(128, 20, 1, 20));
    setZoom(1);  // the frame follows the zoom
    EXPECT_EQ(edge(3), QRect(64, 10, 1, 10));

    // A right click leaves zone mode: the cross comes back.
    release({5, 5}, Qt::RightButton);
    EXPECT_EQ(editor->viewArea().view->cursor().shape(), Qt::CrossCursor);
}

TEST_F(Zones, AnEmptyZoneCopiesNothingAndAZoneFromAWiderElementIsCutDown) {
    open(Ramp(64, 64));
    setZoom(3);
    clipboard.setImage(Solid(2, 2, Qt::red));
    editor->zoneAction->trigger();
    drag({7, 7}, {{8, 8}}, {8, 8});  // inside one element pixel
    EXPECT_NE(editor->zones().state(), editor::ZoneState::Fixed);
    EXPECT_FALSE(editor->copySelectionAction->isEnabled());
    editor->zones().copySelection();
    EXPECT_EQ(clipboard.writes, 1);

    // A zone over the right part of a 64-wide element, kept for a 48-wide one.
    setZoom(1);
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
    clipboard.setImage(Solid(4, 4, Qt::red));
    editor->zones().copyElement();             // enables the paste items...
    clipboard.setImage(Solid(4, 4, Qt::red));  // ...while the clipboard holds the red square

    editor->pasteIntoAction->trigger();
    EXPECT_EQ(editor->zones().state(), editor::ZoneState::PasteFloating);
    EXPECT_FALSE(editor->viewArea().pasteOverlay->isHidden());
    EXPECT_EQ(editor->viewArea().pasteOverlay->size(), QSize(8, 8));
    move({12, 12});  // pixel (6, 6): the square from (4, 4)
    EXPECT_EQ(editor->viewArea().pasteOverlay->pos(), QPoint(8, 8));
    press({12, 12});
    release({12, 12});
    EXPECT_NE(editor->zones().state(), editor::ZoneState::PasteFloating);
    EXPECT_TRUE(editor->viewArea().pasteOverlay->isHidden());
    QImage expected = negative;
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x) expected.setPixelColor(x, y, Qt::red);
    EXPECT_EQ(editor->picture(), expected);
    EXPECT_TRUE(editor->undoButton->isEnabled());

    // Past the bottom-right corner: only the part on the element is drawn in.
    editor->pasteIntoAction->trigger();
    move({30, 30});
    release({30, 30});
    EXPECT_EQ(editor->picture().size(), QSize(16, 16));
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
    EXPECT_NE(editor->zones().state(), editor::ZoneState::PasteFloating);
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
    EXPECT_NE(editor->zones().state(), editor::ZoneState::PasteFloating);
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

    // Paste as new replaces the element in one step of the history, the negative's before it.
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    system->setImage(Ramp(6, 6));
    editor->zones().pasteAsNewPicture();
    EXPECT_EQ(editor->picture(), Ramp(6, 6));
    EXPECT_EQ(editor->dimensionsLabel->text(), "6x6");
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), negative);
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), Ramp(20, 10));
}

TEST_F(Zones, EachStepOfThePointerLeadsToOneZoneState) {
    using editor::ZoneState;
    open(Ramp(32, 32));
    setZoom(1);
    clipboard.picture = Solid(2, 2, Qt::black);
    auto expectState = [&](const char* step, ZoneState state) {
        SCOPED_TRACE(step);
        EXPECT_EQ(editor->zones().state(), state);
        // "Zone" is checked while a zone is made, and only then named for closing it.
        const bool making = state == ZoneState::Waiting || state == ZoneState::DrawingBand ||
                            state == ZoneState::Fixed;
        EXPECT_EQ(editor->zoneAction->isChecked(), making);
        EXPECT_EQ(editor->zoneAction->text(), making ? "Fermer la zone" : "Zone");
    };
    editor->zoneAction->trigger();
    expectState("Zone", ZoneState::Waiting);
    press({4, 4});
    expectState("left press", ZoneState::DrawingBand);
    release({4, 4});
    expectState("release at the press", ZoneState::Waiting);
    drag({4, 4}, {{12, 10}}, {12, 10});
    expectState("a band", ZoneState::Fixed);
    drag({20, 20}, {{22, 22}}, {22, 22});
    expectState("the zone dragged", ZoneState::Fixed);
    release({5, 5}, Qt::RightButton);
    expectState("right release", ZoneState::Off);
    press({4, 4});
    expectState("a press without Zone", ZoneState::Off);
    editor->zones().pasteIntoPicture();
    expectState("Coller dans l'image", ZoneState::PasteFloating);
    editor->zoneAction->trigger();
    expectState("Zone gives the paste up", ZoneState::Off);
    editor->zones().pasteIntoPicture();
    expectState("Coller dans l'image again", ZoneState::PasteFloating);
    move({6, 6});
    release({6, 6});
    expectState("moved, then dropped by a left release", ZoneState::Off);
    // The paste dropped once, centred on the pointer: its corner on (6 - 1, 6 - 1).
    EXPECT_EQ(editor->picture().pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(editor->picture().pixelColor(6, 6), QColor(Qt::black));
    EXPECT_EQ(editor->picture().pixelColor(7, 7), Ramp(32, 32).pixelColor(7, 7));
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
