// The element editor pressed as a person would: its buttons, dialogs and menu, through the
// scripted prompts.

#include <QCheckBox>
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
#include "tests/support/UnnamedControls.h"
#include "ui/editor/BlurDialog.h"
#include "ui/editor/ChannelDialog.h"
#include "ui/editor/ResizeDialog.h"
#include "ui/widgets/ShapeOverlay.h"

using namespace tessella;
using namespace tessella::testing;
using editor::ElementEditor;
using platform::MessageKind;

TEST_F(EditorWindow, EachOperationButtonShowsWhatItsCoreOperationMakes) {
    using namespace editor;
    struct Row {
        QPushButton* ElementEditor::*button;
        std::function<void(pixels::WorkingPicture&)> op;
        const char* size;  // of the 6 x 4 element afterwards
    } rows[] = {
        {&ElementEditor::rotateLeftButton,
         [](auto& w) { RotateQuarter(w, Turn::CounterClockwise); }, "4x6"},
        {&ElementEditor::rotateRightButton, [](auto& w) { RotateQuarter(w, Turn::Clockwise); },
         "4x6"},
        {&ElementEditor::symmetry2Button, [](auto& w) { MakeSymmetric(w, Symmetry::TwoFaces); },
         "12x4"},
        {&ElementEditor::symmetry4Button, [](auto& w) { MakeSymmetric(w, Symmetry::FourFaces); },
         "12x8"},
        {&ElementEditor::mirrorButton, [](auto& w) { MirrorHorizontal(w); }, "6x4"},
        {&ElementEditor::flipButton, [](auto& w) { FlipVertical(w); }, "6x4"},
        {&ElementEditor::doubleRightButton, [](auto& w) { DoubleTile(w, TileDirection::Right); },
         "12x4"},
        {&ElementEditor::doubleDownButton, [](auto& w) { DoubleTile(w, TileDirection::Down); },
         "6x8"},
        {&ElementEditor::greyButton,
         [](auto& w) { ApplyChannelOperation(w, ChannelOperation::Grey); }, "6x4"},
        {&ElementEditor::negativeButton,
         [](auto& w) { ApplyChannelOperation(w, ChannelOperation::Negative); }, "6x4"},
        {&ElementEditor::sharpenButton, [](auto& w) { SharpenSoften(w, Sharpness::Sharpen); },
         "6x4"},
        {&ElementEditor::softenButton, [](auto& w) { SharpenSoften(w, Sharpness::Soften); }, "6x4"},
    };
    const QImage element = Ramp(6, 4);
    for (const Row& r : rows) {
        open(element);
        QPushButton* button = editor.get()->*r.button;
        SCOPED_TRACE(button->accessibleName().toStdString() + button->text().toStdString());
        ASSERT_TRUE(button->isEnabled());
        EXPECT_FALSE(editor->undoButton->isEnabled());
        button->click();
        EXPECT_EQ(editor->picture(), CoreResult(element, r.op));
        EXPECT_NE(editor->picture(), element);
        EXPECT_EQ(editor->viewArea().view->picture(), editor->picture());
        EXPECT_EQ(editor->dimensionsLabel->text(), r.size);
        EXPECT_TRUE(editor->undoButton->isEnabled());
        EXPECT_FALSE(editor->reloadButton->isEnabled());  // no file to read again
    }
}

TEST_F(EditorWindow, UndoRestoresTheOneCopyOfThisShowingAsOftenAsAsked) {
    const QImage element = Ramp(64, 32);
    open(element);
    editor->operations().undo();  // no copy yet: nothing happens
    EXPECT_EQ(editor->picture(), element);
    EXPECT_EQ(context.workingPicture.width(), 64);
    editor->rotateRightButton->click();
    EXPECT_EQ(editor->dimensionsLabel->text(), "32x64");
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);
    EXPECT_EQ(editor->dimensionsLabel->text(), "64x32");
    EXPECT_FALSE(editor->undoButton->isEnabled());
    // The copy belongs to its element: the next showing starts without one.
    editor->greyButton->click();
    open(Ramp(5, 5));
    EXPECT_FALSE(editor->undoButton->isEnabled());
    editor->operations().undo();
    EXPECT_EQ(editor->picture(), Ramp(5, 5));
}

TEST_F(EditorWindow, AnUnchangedElementClosesWithoutAQuestionOrAPicture) {
    const QImage element = Ramp(8, 8);
    texture::ElementRequest request;
    request.picture = element;
    // Unchanged, the close box asks nothing and nothing is to be saved.
    whenModal([this] { editor->close(); });
    texture::EditResult result = editor->edit(request);
    EXPECT_EQ(result.result, texture::EditorResult::Closed);
    EXPECT_FALSE(result.modified);
    EXPECT_TRUE(result.picture.isNull());
    // What "Fermer et sauver " hands over after an edit: ClosingQuestionsTest.
}

TEST_F(EditorWindow, ThePointerIsReadInElementPixelsAtTheZoom) {
    open(Ramp(64, 64));
    setZoom(3);
    EXPECT_EQ(editor->viewArea().zoomLabel->text(), "3");
    EXPECT_EQ(editor->viewArea().view->size(), QSize(192, 192));
    move({10, 7});
    EXPECT_EQ(status(), "3 x 2");
    EXPECT_EQ(editor->viewArea().pointerLabel->caption(), "3x2");
    EXPECT_EQ(editor->viewArea().pointerLabel->pos(), QPoint(30, 2));
    EXPECT_EQ(editor->viewArea().verticalRulerLine->geometry(),
              QRect(10, 0, 1, 0));  // 7 - 10 clamped
    // x = W is not a pixel of the picture: nothing follows it.
    move({192, 7});
    EXPECT_EQ(status(), "3 x 2");
    // The swatch reads the pixel under the pointer, the last column included.
    editor->requestColourPick();
    move({191, 191});
    EXPECT_EQ(editor->viewArea().colourSwatch->palette().color(QPalette::Window),
              Ramp(64, 64).pixelColor(63, 63));
    // Without the rulers, the lines and the label are hidden.
    editor->viewArea().rulersCheck->setChecked(false);
    EXPECT_TRUE(editor->viewArea().pointerLabel->isHidden());
    EXPECT_TRUE(editor->viewArea().verticalRulerLine->isHidden());
    // The zoom kept for the next showing is the one its view and pointer use.
    open(Ramp(10, 10));
    EXPECT_EQ(editor->viewArea().view->size(), QSize(30, 30));
    move({29, 5});
    EXPECT_EQ(status(), "9 x 1");
}

TEST_F(EditorWindow, BlurStepsAccumulateOverOneUndoCopyTakenAtTheFirstStep) {
    const QImage element = Ramp(16, 16);
    open(element);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    editor::BlurDialog* blur = editor->blurDialog();

    // Opened and closed without a step: the negative can still be undone.
    whenModal([blur] {
        EXPECT_FALSE(blur->undoButton->isEnabled());
        blur->close();
    });
    editor->blurButton->click();
    editor->operations().undo();
    EXPECT_EQ(editor->picture(), element);
    editor->negativeButton->click();

    // Button 3 from the left is the down-and-right blur.
    using pixels::BlurVariant;
    auto twice = [](pixels::WorkingPicture& w) {
        pixels::Blur(w.image(), BlurVariant::Whole);
        pixels::Blur(w.image(), BlurVariant::DownRight);
    };
    QImage afterSteps;
    whenModal([&] {
        blur->stepButtons[0]->click();
        EXPECT_TRUE(blur->undoButton->isEnabled());
        blur->stepButtons[2]->click();
        afterSteps = editor->picture();
        blur->undoButton->click();
        blur->close();
    });
    editor->blurButton->click();
    EXPECT_EQ(afterSteps, CoreResult(negative, twice));
    EXPECT_NE(afterSteps, CoreResult(negative, [](auto& w) {
                  pixels::Blur(w.image(), BlurVariant::DownRight);
              }));
    EXPECT_EQ(editor->picture(), negative);
}

TEST_F(EditorWindow, ChannelDialogAppliesOnlyAChoiceMadeAndStartsCleared) {
    QImage element(1, 1, QImage::Format_BGR888);
    element.setPixelColor(0, 0, QColor(10, 20, 30));
    open(element);
    editor::ChannelDialog* dialog = editor->channelDialog();
    whenModal([dialog] {
        EXPECT_TRUE(dialog->swapGroup->isEnabled());
        EXPECT_FALSE(dialog->fuseGroup->isEnabled());
        dialog->okButton->click();
    });
    editor->swapChannelsButton->click();
    EXPECT_EQ(editor->picture(), element);
    EXPECT_FALSE(editor->undoButton->isEnabled());

    // "Rouge <-> Vert" on red 10, green 20, blue 30.
    whenModal([dialog] {
        dialog->swapRedGreenRadio->setChecked(true);
        dialog->okButton->click();
    });
    editor->swapChannelsButton->click();
    EXPECT_EQ(editor->picture().pixelColor(0, 0), QColor(20, 10, 30));
    EXPECT_TRUE(editor->undoButton->isEnabled());

    // The next showing starts with nothing chosen; "Rouge = Bleu": (20 + 30) / 2 = 25.
    whenModal([dialog] {
        EXPECT_FALSE(dialog->swapRedGreenRadio->isChecked());
        EXPECT_FALSE(dialog->swapGroup->isEnabled());
        dialog->fuseRedBlueRadio->setChecked(true);
        dialog->okButton->click();
    });
    editor->fuseButton->click();
    EXPECT_EQ(editor->picture().pixelColor(0, 0), QColor(25, 10, 25));
}

TEST_F(EditorWindow, VeilAddsTheChosenColourAndCancelAppliesNothing) {
    QImage element(1, 1, QImage::Format_BGR888);
    element.setPixelColor(0, 0, QColor(200, 0, 0));
    open(element);
    prompts.expectColour(std::nullopt);
    editor->veilButton->click();
    EXPECT_EQ(editor->picture(), element);
    prompts.expectColour(platform::ColourValue::fromRgb(255, 0, 0));
    editor->veilButton->click();
    EXPECT_EQ(editor->picture().pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_TRUE(editor->undoButton->isEnabled());
}

TEST_F(EditorWindow, PropertiesCropWithoutScalingWhiteningWhatIsAddedAndKeepTheUndoCopy) {
    const QImage element = Ramp(64, 64);
    open(element);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    setZoom(2);
    QWidget* colourGroup = newElementDialog->colourCombo->parentWidget();
    whenModal([&] {
        EXPECT_TRUE(colourGroup->isHidden());
        EXPECT_EQ(newElementDialog->widthSpin->value(), 64);
        newElementDialog->widthSpin->setValue(32);
        newElementDialog->heightSpin->setValue(72);
        newElementDialog->okButton->click();
    });
    editor->propertiesAction->trigger();
    EXPECT_FALSE(colourGroup->isHidden());
    EXPECT_EQ(editor->dimensionsLabel->text(), "32x72");
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
    EXPECT_EQ(editor->viewArea().zoomLabel->text(), "1");
    EXPECT_EQ(editor->dimensionsLabel->text(), "16x16");
    EXPECT_TRUE(editor->newElementMode());
}

TEST_F(EditorWindow, ANewElementWaitsForADrawingToolToEnableTheOperations) {
    int drawingToolsShown = 0;
    QObject::connect(editor.get(), &ElementEditor::drawingToolsWanted,
                     [&] { ++drawingToolsShown; });
    openNew(24, 16, platform::kWhite);
    EXPECT_EQ(drawingToolsShown, 1);
    EXPECT_EQ(editor->picture().pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(editor->dimensionsLabel->text(), "24x16");
    EXPECT_FALSE(editor->greyButton->isEnabled());
    EXPECT_TRUE(editor->propertiesAction->isEnabled());
    press({3, 3});
    EXPECT_FALSE(editor->greyButton->isEnabled());
    editor->setDrawingToolActive(true);
    press({3, 3});
    for (QPushButton* b : editor->operationButtons()) EXPECT_TRUE(b->isEnabled());
    EXPECT_FALSE(editor->undoButton->isEnabled());
    EXPECT_FALSE(editor->reloadButton->isEnabled());
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
    EXPECT_EQ(editor->dimensionsLabel->text(), "600000x1");
    editor->operations().undo();
    EXPECT_EQ(editor->picture(), element);
}

TEST_F(EditorWindow, ReloadReadsTheFileAgainAndPasteLeavesNoFileToReload) {
    QTemporaryDir folder;
    const QString file = folder.filePath("source.bmp");
    ASSERT_TRUE(Ramp(6, 6).save(file, "BMP"));
    open(Ramp(4, 4), file);
    // Its undo is one step of the history, checked with the others.
    editor->reloadButton->click();
    EXPECT_EQ(editor->picture(), Ramp(6, 6));
    EXPECT_EQ(editor->dimensionsLabel->text(), "6x6");

    // A clipboard picture at activation offers the paste but keeps the reload path.
    QGuiApplication::clipboard()->setImage(Ramp(3, 2));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(editor.get(), &activate);
    EXPECT_TRUE(editor->pasteAsNewAction->isEnabled());
    EXPECT_EQ(editor->reloadPath(), file);
    editor->pasteAsNewAction->trigger();
    EXPECT_EQ(editor->picture(), Ramp(3, 2));
    // The pasted picture has no file: nothing to reload, and the title says so.
    EXPECT_TRUE(editor->reloadPath().isEmpty());
    EXPECT_FALSE(editor->reloadButton->isEnabled());
    EXPECT_EQ(editor->windowTitle(), QString::fromUtf8("Traitement d'images — SansNom"));
}

TEST_F(EditorWindow, ReloadIsEnabledOnlyWithAFileAndTheTitleNamesIt) {
    QTemporaryDir folder;
    const QString file = folder.filePath("brique.bmp");
    ASSERT_TRUE(Ramp(6, 6).save(file, "BMP"));
    const struct {
        const char* name;
        QString path;
        bool newElement;
        bool reload;
        const char* title;
    } rows[] = {
        {"a source file", file, false, true, "Traitement d'images — brique.bmp"},
        {"a name without a file", folder.filePath("parti.bmp"), false, false,
         "Traitement d'images — parti.bmp"},
        {"no name", QString(), false, false, "Traitement d'images"},
        // The main window hands the previewed source over with a new element too.
        {"a new element", file, true, false, "Traitement d'images — SansNom"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        texture::ElementRequest request;
        request.picture = Ramp(4, 4);
        request.sourceFileName = row.path;
        request.newElementMode = row.newElement;
        request.settings = {8, 8, platform::kWhite};
        editor->begin(request);
        EXPECT_EQ(editor->reloadButton->isEnabled(), row.reload);
        EXPECT_EQ(editor->windowTitle(), QString::fromUtf8(row.title));
    }
}

TEST_F(EditorWindow, EveryControlHasAnAccessibleName) {
    EXPECT_EQ(UnnamedControls(editor.get()), "");
    EXPECT_EQ(UnnamedControls(editor->blurDialog()), "");
    EXPECT_EQ(UnnamedControls(editor->channelDialog()), "");
    EXPECT_EQ(UnnamedControls(editor->resizeDialog()), "");
    EXPECT_EQ(editor->rotateLeftButton->accessibleName(), QString::fromUtf8("Rotation à gauche"));
}
