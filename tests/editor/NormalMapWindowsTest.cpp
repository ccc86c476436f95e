// "Carte de normales…" and "Aperçu éclairé" in the element editor, on pictures worked by hand.

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/UnnamedControls.h"
#include "ui/editor/LitPreview.h"
#include "ui/editor/NormalMapDialog.h"
#include "ui/editor/NormalMapTools.h"
#include "ui/widgets/ImageBox.h"

using namespace tessella;
using namespace tessella::testing;
using editor::LitPreview;
using editor::LitView;
using editor::NormalMapDialog;

namespace {

// White between black, down one column: its map is worked in OpCommandTest.
QImage BlackWhiteBlack() {
    QImage picture(1, 3, QImage::Format_BGR888);
    picture.fill(Qt::black);
    picture.setPixelColor(0, 1, Qt::white);
    return picture;
}

QImage Flat(int side, QColor colour) {
    QImage picture(side, side, QImage::Format_BGR888);
    picture.fill(colour);
    return picture;
}

TEST_F(EditorWindow, TheNormalMapReplacesTheElementInOneStepAndCancelChangesNothing) {
    open(BlackWhiteBlack());
    NormalMapDialog* dialog = editor->normalMapTools()->dialog();
    EXPECT_EQ(UnnamedControls(dialog), "");
    whenModal([dialog] {
        // S 20, DirectX: the top pixel leans down the picture, green 1, z 140.
        dialog->strengthSpin->setValue(20);
        dialog->directXCheck->setChecked(true);
        EXPECT_EQ(dialog->previewBox->picture().pixelColor(0, 0), QColor(128, 1, 140));
        dialog->cancelButton->click();
    });
    editor->normalMapTools()->normalMapAction->trigger();
    EXPECT_EQ(editor->picture(), BlackWhiteBlack());
    EXPECT_FALSE(editor->undoButton->isEnabled());
    EXPECT_EQ(dialog->strengthSpin->value(), 2.0);  // put back
    EXPECT_FALSE(dialog->directXCheck->isChecked());

    whenModal([dialog] { dialog->okButton->click(); });
    editor->normalMapTools()->normalMapAction->trigger();
    EXPECT_EQ(editor->picture().pixelColor(0, 0), QColor(128, 218, 218));
    EXPECT_EQ(editor->picture().pixelColor(0, 1), QColor(128, 128, 255));
    EXPECT_EQ(editor->picture().pixelColor(0, 2), QColor(128, 37, 218));
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), BlackWhiteBlack());
    EXPECT_FALSE(editor->undoButton->isEnabled());
}

TEST_F(EditorWindow, TheLitPreviewFollowsEveryEditAndTheDialogsStrength) {
    open(Flat(10, QColor(201, 201, 201)));
    LitPreview* preview = editor->normalMapTools()->litPreview();
    editor->normalMapTools()->litPreviewAction->trigger();
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->view->surface().width(), 10);
    EXPECT_EQ(preview->hintLabel->text(), "La lumière suit le pointeur. Force du relief : 2,0");
    EXPECT_FALSE(preview->view->accessibleName().isEmpty());
    EXPECT_FALSE(preview->hintLabel->accessibleName().isEmpty());

    editor->normalMapTools()->dialog()->strengthSpin->setValue(5);
    EXPECT_EQ(preview->strength(), 5.0);
    EXPECT_EQ(preview->hintLabel->text(), "La lumière suit le pointeur. Force du relief : 5,0");
    editor->doubleRightButton->click();
    EXPECT_EQ(preview->view->surface().width(), 20);
    // Hidden, it lets the element go, and takes the current one when shown again.
    preview->close();
    EXPECT_TRUE(preview->view->surface().empty());
    editor->doubleDownButton->click();
    editor->normalMapTools()->litPreviewAction->trigger();
    EXPECT_EQ(preview->view->surface().height(), 20);
}

// A flat grey 201 element, 10 x 10, fitted 3 x 3 into 300 x 300: 10 pixels an element pixel,
// tiles 100 wide, light 75 above. Its stored normal (128, 128, 255) is (1, -1, 255) / 255.5
// off level, about (0.0039, -0.0039, 1) in the picture's axes. Under the light the shade is
// 0.25 + 0.75 x 0.99998: 201. 100 pixels away the light comes at 75 / 125; the slight lean
// adds or takes 0.39 / 125: 201 x (0.25 + 0.75 x 0.6031) = 141.2 towards the left and the
// bottom, 140.2 towards the right and the top.
TEST(LitView, FlatElementLitByHand) {
    pixels::PixelGrid colours(10, 10), normals(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            colours.at(x, y) = pixels::Bgr{201, 201, 201};
            normals.at(x, y) = pixels::Bgr{255, 128, 128};
        }
    LitView view;
    view.resize(300, 300);
    view.setSurface(editor::LitSurface(colours, normals));
    EXPECT_EQ(view.mosaicRect(), QRect(0, 0, 300, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(150.5, 150.5),
                     view.mapToGlobal(QPointF(150.5, 150.5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
    EXPECT_EQ(view.lightPosition(), QPointF(150.5, 150.5));
    const QImage shot = view.grab().toImage();
    const struct {
        QPoint at;
        int grey;
    } rows[] = {{{150, 150}, 201},
                {{50, 150}, 141},
                {{150, 250}, 141},
                {{250, 150}, 140},
                {{150, 50}, 140}};
    for (const auto& r : rows)
        EXPECT_EQ(shot.pixelColor(r.at), QColor(r.grey, r.grey, r.grey))
            << r.at.x() << ", " << r.at.y();
}

}  // namespace
