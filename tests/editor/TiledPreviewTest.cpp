// The tiled preview beside the editor, following every change of the element, and the history
// of steps behind "Défaire", "Annuler" and "Rétablir".

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
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

TEST_F(EditorWindow, TheTiledPreviewFollowsAStrokeUnderWayAndCatchesUpWhenShown) {
    open(Diagonal());
    TiledPreview* preview = editor->tiledPreview();
    editor->tiledPreviewButton->click();
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->seamLabel->text(), "Raccord : 2,0");

    editor->keepUndoCopy();
    editor->drawOnPicture([](QImage& p) { p.setPixelColor(1, 1, Qt::red); });
    ExpectFollowed(preview, editor->picture(), "stroke, under way");
    editor->pictureDrawn();
    // A hidden preview keeps the picture for its next showing.
    preview->close();
    editor->mirrorButton->click();
    editor->tiledPreviewAction->trigger();
    ExpectFollowed(preview, editor->picture(), "shown again");
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
    for (const QPoint at : {QPoint(97, 102), QPoint(91, 96)}) {
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
    const QRect screen(0, 0, 1920, 1080), editorFrame(100, 50, 900, 640);
    const struct {
        const char* name;
        QRect editor;
        std::optional<QRect> palette;
        QPoint expected;
    } rows[] = {
        // The palette on the right: the left has no room (100 - 4 - 400 < 0), so beside it.
        {"palette on the right", editorFrame, QRect(1004, 50, 300, 500), {1308, 50}},
        // No room on either side: below the palette (50 + 500 + 4).
        {"below the palette", {700, 50, 900, 640}, QRect(396, 50, 300, 500), {296, 554}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QPoint at = TiledPreview::Place(r.editor, preview, screen, r.palette, 200);
        EXPECT_EQ(at, r.expected);
        EXPECT_FALSE(QRect(at, preview).intersects(r.editor));
    }
    // No room beside: over the editor's bottom right corner, below its buttons (ending at 200).
    EXPECT_EQ(TiledPreview::Place(QRect(0, 0, 1280, 500), preview, QRect(0, 0, 1280, 1024),
                                  std::nullopt, 200),
              QPoint(880, 204));
}

TEST_F(EditorWindow, EachStepIsUndoneAndRedoneInTurnAndANewStepClearsRedo) {
    QTemporaryDir folder;
    const QString file = folder.filePath("source.bmp");
    ASSERT_TRUE(Ramp(10, 8).save(file, "BMP"));
    open(Ramp(12, 8), file);
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
        {"make tileable",
         [&] {
             whenModal([this] { editor->operations().blendBandDialog()->okButton->click(); });
             editor->makeTileableButton->click();
         }},
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
    }
    // Back through every step, one at a time, then forward again.
    for (size_t i = seen.size() - 1; i > 0; --i) {
        editor->undoAction->trigger();
        EXPECT_EQ(editor->picture(), seen[i - 1]) << i;
        ExpectFollowed(editor->tiledPreview(), seen[i - 1], "undo");
    }
    EXPECT_FALSE(editor->undoAction->isEnabled());
    EXPECT_FALSE(editor->modified());  // back to the element handed over
    for (size_t i = 1; i < seen.size(); ++i) {
        editor->redoAction->trigger();
        EXPECT_EQ(editor->picture(), seen[i]) << i;
    }
    EXPECT_TRUE(editor->modified());
    // "Défaire" goes back one step too; a new step then leaves nothing to redo.
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), seen[seen.size() - 2]);
    editor->flipButton->click();
    editor->redoAction->trigger();
    EXPECT_NE(editor->picture(), seen.back());
}

}  // namespace
