// The element editor pressed as a person would, one wiring case per button kind and dialog; the
// operations themselves are tested on the core.

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "editor/Filters.h"
#include "editor/Geometry.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/PictureRows.h"
#include "tests/support/UnnamedControls.h"
#include "ui/editor/BlurDialog.h"
#include "ui/editor/ChannelDialog.h"
#include "ui/editor/ResizeDialog.h"

using namespace tessella;
using namespace tessella::testing;
using editor::ElementEditor;
using platform::MessageKind;

TEST_F(EditorWindow, OperationButtonsShowWhatTheirCoreOperationMakes) {
    using namespace editor;
    using E = ElementEditor;
    using test::With;
    struct Row {
        QPushButton* E::*button;
        std::function<void(pixels::WorkingPicture&)> op;
        const char* size;  // of the 6 x 4 element afterwards
    } rows[] = {
        {&E::rotateLeftButton, With<RotateQuarter, Turn::CounterClockwise>, "4x6"},
        {&E::symmetry4Button, With<MakeSymmetric, Symmetry::FourFaces>, "12x8"},
        {&E::doubleDownButton, With<DoubleTile, TileDirection::Down>, "6x8"},
        {&E::greyButton, With<ApplyChannelOperation, ChannelOperation::Grey>, "6x4"},
        {&E::softenButton, With<SharpenSoften, Sharpness::Soften>, "6x4"},
    };
    const QImage element = Ramp(6, 4);
    for (const Row& r : rows) {
        open(element);
        QPushButton* button = editor.get()->*r.button;
        SCOPED_TRACE(button->accessibleName().toStdString());
        button->click();
        EXPECT_EQ(editor->picture(), CoreResult(element, r.op));
        EXPECT_EQ(editor->viewArea().view->picture(), editor->picture());
        EXPECT_EQ(editor->dimensionsLabel->text(), r.size);
    }
}

TEST_F(EditorWindow, UndoRestoresTheOneCopyOfThisShowing) {
    const QImage element = Ramp(64, 32);
    open(element);
    editor->rotateRightButton->click();
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);
    EXPECT_EQ(editor->dimensionsLabel->text(), "64x32");
    // The copy belongs to its element: the next showing starts without one.
    editor->greyButton->click();
    open(Ramp(5, 5));
    EXPECT_FALSE(editor->undoButton->isEnabled());
    editor->operations().undo();  // no copy: nothing happens
    EXPECT_EQ(editor->picture(), Ramp(5, 5));
}

TEST_F(EditorWindow, AnUnchangedElementClosesWithoutAQuestionOrAPicture) {
    const QImage element = Ramp(8, 8);
    texture::ElementRequest request;
    request.picture = element;
    whenModal([this] { editor->close(); });
    texture::EditResult result = editor->edit(request);
    EXPECT_EQ(result.result, texture::EditorResult::Closed);
    EXPECT_FALSE(result.modified);
    EXPECT_TRUE(result.picture.isNull());
}

TEST_F(EditorWindow, BlurStepsAccumulateOverOneUndoCopyTakenAtTheFirstStep) {
    const QImage element = Ramp(16, 16);
    open(element);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    editor::BlurDialog* blur = editor->blurDialog();

    // Button 3 from the left is the down-and-right blur.
    using pixels::BlurVariant;
    auto twice = [](pixels::WorkingPicture& w) {
        pixels::Blur(w.image(), BlurVariant::Whole);
        pixels::Blur(w.image(), BlurVariant::DownRight);
    };
    QImage afterSteps;
    whenModal([&] {
        blur->stepButtons[0]->click();
        blur->stepButtons[2]->click();
        afterSteps = editor->picture();
        blur->undoButton->click();
        blur->close();
    });
    editor->blurButton->click();
    EXPECT_EQ(afterSteps, CoreResult(negative, twice));
    EXPECT_EQ(editor->picture(), negative);
    editor->undoButton->click();  // the blur's steps kept the negative's copy
    EXPECT_EQ(editor->picture(), element);
}

TEST_F(EditorWindow, ChannelDialogAppliesOnlyAChoiceMadeAndStartsCleared) {
    QImage element(1, 1, QImage::Format_BGR888);
    element.setPixelColor(0, 0, QColor(10, 20, 30));
    open(element);
    editor::ChannelDialog* dialog = editor->channelDialog();
    // "Rouge <-> Vert" on red 10, green 20, blue 30.
    whenModal([dialog] {
        dialog->swapRedGreenRadio->setChecked(true);
        dialog->okButton->click();
    });
    editor->swapChannelsButton->click();
    EXPECT_EQ(editor->picture().pixelColor(0, 0), QColor(20, 10, 30));
    // The next showing starts with nothing chosen: OK changes nothing.
    whenModal([dialog] { dialog->okButton->click(); });
    editor->swapChannelsButton->click();
    EXPECT_EQ(editor->picture().pixelColor(0, 0), QColor(20, 10, 30));
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);
}

TEST_F(EditorWindow, PropertiesCropWithoutScalingWhiteningWhatIsAddedAndKeepTheUndoCopy) {
    const QImage element = Ramp(64, 64);
    open(element);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    setZoom(2);
    whenModal([&] {
        newElementDialog->widthSpin->setValue(32);
        newElementDialog->heightSpin->setValue(72);
        newElementDialog->okButton->click();
    });
    editor->propertiesAction->trigger();
    EXPECT_EQ(editor->picture().copy(0, 0, 32, 64), negative.copy(0, 0, 32, 64));
    EXPECT_EQ(editor->picture().pixelColor(5, 70), QColor(Qt::white));
    EXPECT_EQ(editor->viewArea().view->size(), QSize(64, 144));  // still at zoom 2
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);  // the negative's copy, not the crop's
}

TEST_F(EditorWindow, NewElementIsFilledWithTheBackgroundAndStartsAtZoomOne) {
    open(Ramp(8, 8));
    setZoom(5);
    context.newElement.backgroundColour = platform::ColourValue::fromRgb(0, 0, 255);
    whenModal([this] {
        newElementDialog->presetCombo->activated(1);  // "16 x 16"
        newElementDialog->okButton->click();
    });
    editor->newElementAction->trigger();
    EXPECT_EQ(editor->picture().size(), QSize(16, 16));
    EXPECT_EQ(editor->picture().pixelColor(15, 15), QColor(Qt::blue));
    EXPECT_EQ(editor->zoom(), 1);
    EXPECT_TRUE(editor->newElementMode());
}

TEST_F(EditorWindow, ASizeTooLargeChangesNothingAndSaysWhy) {
    // 600 000 doubled passes the 2^20 side limit.
    const QImage element = Ramp(600'000, 1);
    open(element);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    prompts.expectMessage(MessageKind::Error, QString());
    editor->doubleRightButton->click();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(editor->picture(), negative);
    EXPECT_EQ(context.workingPicture.width(), 600'000);
    editor->operations().undo();
    EXPECT_EQ(editor->picture(), element);
}

TEST_F(EditorWindow, ReloadReadsTheFileAgainAndPasteLeavesNoFileToReload) {
    QTemporaryDir folder;
    const QString file = folder.filePath("source.bmp");
    ASSERT_TRUE(Ramp(6, 6).save(file, "BMP"));
    open(Ramp(4, 4), file);
    editor->reloadButton->click();
    EXPECT_EQ(editor->picture(), Ramp(6, 6));
    // A clipboard picture at activation offers the paste but keeps the reload path.
    QGuiApplication::clipboard()->setImage(Ramp(3, 2));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(editor.get(), &activate);
    EXPECT_TRUE(editor->pasteAsNewAction->isEnabled());
    EXPECT_EQ(editor->reloadPath(), file);
    editor->pasteAsNewAction->trigger();
    EXPECT_EQ(editor->picture(), Ramp(3, 2));
    // The pasted picture has no file: nothing to reload, and the title says so.
    EXPECT_FALSE(editor->reloadButton->isEnabled());
    EXPECT_EQ(editor->windowTitle(), QString::fromUtf8("Traitement d'images — SansNom*"));
}

// As the main window marks a modified page: "*" after the name while the element differs from
// what was opened, gone when the undo brings it back, back after a stroke.
TEST_F(EditorWindow, TheTitleMarksAModifiedElement) {
    QTemporaryDir folder;
    const QString file = folder.filePath("feuille.bmp");
    ASSERT_TRUE(Ramp(4, 4).save(file, "BMP"));
    open(Ramp(4, 4), file);
    EXPECT_EQ(editor->windowTitle(), QString::fromUtf8("Traitement d'images — feuille.bmp"));
    editor->rotateRightButton->click();
    EXPECT_EQ(editor->windowTitle(), QString::fromUtf8("Traitement d'images — feuille.bmp*"));
    editor->undoButton->click();
    EXPECT_EQ(editor->windowTitle(), QString::fromUtf8("Traitement d'images — feuille.bmp"));
    // A pencil stroke, once ended, marks it too.
    editor->keepUndoCopy();
    editor->drawOnPicture([](QImage& p) { p.setPixelColor(1, 1, Qt::red); });
    editor->pictureDrawn();
    EXPECT_EQ(editor->windowTitle(), QString::fromUtf8("Traitement d'images — feuille.bmp*"));
}

TEST_F(EditorWindow, EveryControlHasAnAccessibleName) {
    EXPECT_EQ(UnnamedControls(editor.get()), "");
    EXPECT_EQ(UnnamedControls(editor->blurDialog()), "");
    EXPECT_EQ(UnnamedControls(editor->channelDialog()), "");
    EXPECT_EQ(UnnamedControls(editor->resizeDialog()), "");
}
