// The tiled preview beside the editor, following every change of the element, and the history
// of steps behind "Défaire", "Annuler" and "Rétablir".

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "editor/Seamless.h"
#include "tests/editor/EditorWindowFixture.h"
#include "ui/editor/ResizeDialog.h"
#include "ui/editor/TiledPreview.h"

using namespace tessella;
using namespace tessella::testing;
using editor::TiledPreview;

namespace {

// Grey x + y on 3 x 3: seams of 2 against inside steps of 1.
QImage Diagonal() {
    QImage picture(3, 3, QImage::Format_BGR888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) picture.setPixelColor(x, y, QColor(x + y, x + y, x + y));
    return picture;
}

// The preview shows the element and its seam figure.
void ExpectFollowed(TiledPreview* preview, const QImage& p, const char* step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(preview->picture(), p);
    EXPECT_EQ(preview->seamLabel->text(),
              "Raccord : " + editor::SeamFigureText(editor::SeamFigure(
                                 p.constBits(), p.bytesPerLine(), p.width(), p.height())));
}

// Every step of the history is followed in the history's own test below.
TEST_F(EditorWindow, TheTiledPreviewFollowsAStrokeUnderWayAndCatchesUpWhenShown) {
    open(Diagonal());
    TiledPreview* preview = editor->tiledPreview();
    EXPECT_FALSE(preview->isVisible());
    editor->tiledPreviewAction->trigger();
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->parentWidget(), editor.get());
    EXPECT_FALSE(preview->isModal());
    EXPECT_EQ(preview->picture(), Diagonal());
    EXPECT_EQ(preview->seamLabel->text(), "Raccord : 2,0");
    preview->close();
    editor->tiledPreviewButton->click();
    ASSERT_TRUE(preview->isVisible());

    editor->keepUndoCopy();
    editor->drawOnPicture([](QImage& p) { p.setPixelColor(1, 1, Qt::red); });
    ExpectFollowed(preview, editor->picture(), "stroke, under way");
    editor->pictureDrawn();
    // A hidden preview keeps the picture for its next showing.
    preview->close();
    editor->mirrorButton->click();
    editor->tiledPreviewAction->trigger();
    ExpectFollowed(preview, editor->picture(), "shown again");

    // The zoom and the outline of one tile.
    preview->zoomSpin->setValue(4);
    EXPECT_EQ(preview->view->zoom(), 4);
    EXPECT_EQ(preview->zoomSpin->maximum(), 4);
    EXPECT_EQ(preview->zoomSpin->minimum(), 1);
    preview->outlineCheck->setChecked(true);
    EXPECT_FALSE(preview->zoomSpin->accessibleName().isEmpty());
    EXPECT_FALSE(preview->seamLabel->accessibleName().isEmpty());
    EXPECT_FALSE(preview->view->accessibleName().isEmpty());
}

TEST_F(EditorWindow, TheMosaicRepeatsTheTileAroundTheMiddleOne) {
    open(Diagonal());
    TiledPreview* preview = editor->tiledPreview();
    preview->zoomSpin->setValue(2);
    editor->tiledPreviewAction->trigger();
    editor::TiledView* view = preview->view;
    view->resize(200, 210);
    // The 6 x 6 tile centred: its corner at ((200 - 6) / 2, (210 - 6) / 2); the others around.
    EXPECT_EQ(view->middleTileOrigin(), QPoint(97, 102));
    const QImage shot = view->grab().toImage();
    EXPECT_EQ(shot.pixelColor(90, 102), preview->palette().color(QPalette::Window));  // beyond
    for (const QPoint at : {QPoint(97, 102), QPoint(91, 102), QPoint(103, 108), QPoint(91, 96)}) {
        SCOPED_TRACE(at.x() * 100 + at.y());
        // Each tile's pixel (i, j) is the element's (i div 2, j div 2).
        for (int j = 0; j < 6; ++j)
            for (int i = 0; i < 6; ++i) {
                const QPoint p = at + QPoint(i, j);
                if (!shot.rect().contains(p)) continue;
                ASSERT_EQ(shot.pixelColor(p), Diagonal().pixelColor(i / 2, j / 2)) << i << "," << j;
            }
    }
}

TEST(TiledPreviewPlace, BesideTheEditorAndClearOfThePalette) {
    const QSize preview(400, 440);
    const QRect screen(0, 0, 1920, 1080);
    const QRect editorFrame(100, 50, 900, 640);
    const struct {
        const char* name;
        QRect editor;
        std::optional<QRect> palette;
        QRect screen;
        QPoint expected;
    } rows[] = {
        // Right edge 999, a gap of 4.
        {"no palette", editorFrame, std::nullopt, screen, {1004, 50}},
        // The palette on the right: the left has no room (100 - 4 - 400 < 0), so beside it.
        {"palette on the right", editorFrame, QRect(1004, 50, 300, 500), screen, {1308, 50}},
        // Moved right: 700 - 404 = 296 on the left.
        {"palette right, room left",
         QRect(700, 50, 900, 640),
         QRect(1604, 50, 300, 500),
         screen,
         {296, 50}},
        // Palette on the left: the right is free.
        {"palette on the left",
         QRect(600, 50, 900, 640),
         QRect(296, 50, 300, 500),
         screen,
         {1504, 50}},
        // The right off the screen (1604 + 400), the left over the palette, left of the
        // palette off the screen: below the palette (50 + 500 + 4).
        {"below the palette on the left",
         QRect(700, 50, 900, 640),
         QRect(396, 50, 300, 500),
         screen,
         {296, 554}},
        // On the right: 1508 + 400 passes 1800; below it (50 + 300 + 4).
        {"below the palette on the right",
         QRect(300, 50, 900, 640),
         QRect(1204, 50, 300, 300),
         QRect(0, 0, 1800, 1080),
         {1204, 354}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QPoint at = TiledPreview::Place(r.editor, preview, r.screen, r.palette, 200);
        EXPECT_EQ(at, r.expected);
        EXPECT_FALSE(QRect(at, preview).intersects(r.editor));
    }
    // No room beside: over the picture in the editor's bottom right corner (1280 - 400,
    // 1000 - 440), below the buttons that end at 200; a short editor: at 200 + 4.
    EXPECT_EQ(TiledPreview::Place(QRect(0, 0, 1280, 1000), preview, QRect(0, 0, 1280, 1024),
                                  std::nullopt, 200),
              QPoint(880, 560));
    EXPECT_EQ(TiledPreview::Place(QRect(0, 0, 1280, 500), preview, QRect(0, 0, 1280, 1024),
                                  std::nullopt, 200),
              QPoint(880, 204));
}

TEST_F(EditorWindow, EachStepIsUndoneAndRedoneInTurnAndANewStepClearsRedo) {
    QTemporaryDir folder;
    const QString file = folder.filePath("source.bmp");
    ASSERT_TRUE(Ramp(10, 8).save(file, "BMP"));
    open(Ramp(12, 8), file);
    EXPECT_EQ(editor->undoAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(editor->redoAction->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    EXPECT_TRUE(editor->editMenu->actions().contains(editor->undoAction));
    EXPECT_TRUE(editor->editMenu->actions().contains(editor->redoAction));
    EXPECT_FALSE(editor->undoAction->isEnabled());
    editor->tiledPreviewAction->trigger();  // which follows every step

    std::vector<QImage> seen = {editor->picture()};
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"operation", [&] { editor->negativeButton->click(); }},
        {"stroke",
         [&] {
             editor->keepUndoCopy();
             editor->drawOnPicture([](QImage& p) { p.setPixelColor(2, 2, Qt::green); });
             editor->pictureDrawn();
         }},
        {"resize",
         [&] {
             whenModal([this] {
                 editor->resizeDialog()->widthSpin->setValue(6);
                 editor->resizeDialog()->keepRatioCheck->setChecked(false);
                 editor->resizeDialog()->heightSpin->setValue(5);
                 editor->resizeDialog()->okButton->click();
             });
             editor->resizeButton->click();
         }},
        {"reload", [&] { editor->reloadButton->click(); }},
        {"offset", [&] { editor->offsetHalfButton->click(); }},
        {"make tileable",
         [&] {
             whenModal([this] { editor->operations().blendBandDialog()->okButton->click(); });
             editor->makeTileableButton->click();
         }},
        {"texture", [&] { editor->takeTexture(Ramp(7, 7), QString()); }},
        {"paste",
         [&] {
             QGuiApplication::clipboard()->setImage(Ramp(3, 3));
             editor->zones().pasteAsNewPicture();
         }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        EXPECT_NE(editor->picture(), seen.back());
        seen.push_back(editor->picture());
        ExpectFollowed(editor->tiledPreview(), seen.back(), name);
        EXPECT_TRUE(editor->undoButton->isEnabled());
        EXPECT_FALSE(editor->redoAction->isEnabled());
    }
    // Back through every step, one at a time, then forward again.
    for (size_t i = seen.size() - 1; i > 0; --i) {
        editor->undoAction->trigger();
        EXPECT_EQ(editor->picture(), seen[i - 1]) << i;
        ExpectFollowed(editor->tiledPreview(), seen[i - 1], "undo");
        EXPECT_TRUE(editor->redoAction->isEnabled());
    }
    EXPECT_FALSE(editor->undoAction->isEnabled());
    EXPECT_FALSE(editor->undoButton->isEnabled());
    EXPECT_FALSE(editor->modified());  // back to the element handed over
    for (size_t i = 1; i < seen.size(); ++i) {
        editor->redoAction->trigger();
        EXPECT_EQ(editor->picture(), seen[i]) << i;
        ExpectFollowed(editor->tiledPreview(), seen[i], "redo");
    }
    EXPECT_TRUE(editor->modified());
    // "Défaire" goes back one step too; a new step then leaves nothing to redo.
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), seen[seen.size() - 2]);
    editor->flipButton->click();
    EXPECT_FALSE(editor->redoAction->isEnabled());
    editor->redoAction->trigger();
    EXPECT_NE(editor->picture(), seen.back());
}

TEST_F(EditorWindow, ACancelledBandAddsNoStepAndTheBandIsKeptWithinHalfTheSide) {
    open(Ramp(20, 12));
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    editor::BlendBandDialog* dialog = editor->operations().blendBandDialog();
    whenModal([dialog] {
        // Half the shorter side less one: 12 / 2 - 1.
        EXPECT_EQ(dialog->bandSpin->maximum(), 5);
        EXPECT_EQ(dialog->bandSpin->value(), 5);
        dialog->cancelButton->click();
    });
    editor->makeTileableButton->click();
    EXPECT_EQ(editor->picture(), negative);
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), Ramp(20, 12));
    EXPECT_FALSE(editor->undoButton->isEnabled());
}

}  // namespace
