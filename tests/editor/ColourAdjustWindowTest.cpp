// The colour adjustment window: its reduced preview, its controls as a person moves them, and
// the element editor applying its settings on OK.

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>

#include "pixels/ColourAdjustment.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UnnamedControls.h"
#include "ui/catalogue/CatalogueWindow.h"
#include "ui/editor/ColourAdjustWindow.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/NumberLabel.h"

using namespace tessella;
using namespace tessella::pixels;
using namespace tessella::testing;
using platform::ColourValue;
using platform::MessageKind;

namespace {

PixelGrid GridOf(QImage picture) {
    WorkingPicture work;
    work.load(picture);
    return work.image();
}

// --- The preview arithmetic --------------------------------------------------------------

TEST(ColourPreview, FitsInto160AndShowsWholeMultiplesOf8) {
    struct Row {
        QSize element, preview;
        int shownColumns;
    } rows[] = {
        {{128, 64}, {128, 64}, 128}, {{320, 200}, {160, 100}, 160},
        {{100, 170}, {94, 160}, 88},                       // scale 170 / 160 = 1.0625
        {{61, 20}, {61, 20}, 56},    {{5, 3}, {5, 3}, 5},  // narrower than 8: never 0 wide
        {{2000, 4}, {160, 1}, 160},                        // 4 / 12.5 rounds to 0: one row is kept
        {{0, 0}, {0, 0}, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.element.width());
        EXPECT_EQ(PreviewSize(r.element.width(), r.element.height()), r.preview);
        EXPECT_EQ(ShownPreviewColumns(r.preview.width()), r.shownColumns);
    }
    EXPECT_EQ(PreviewOffset(205, 128), 38);
    EXPECT_EQ(PreviewOffset(205, 202), 1);
    EXPECT_EQ(PreviewOffset(205, 320), 2);  // zoomed past the panel: from its corner
}

TEST(ColourPreview, TakesThePixelUnderEachPreviewPixelsCentre) {
    const PixelGrid unscaled = GridOf(Ramp(128, 64));
    PixelGrid preview;
    SamplePreview(unscaled, preview);
    EXPECT_TRUE(preview.samePicture(unscaled));

    // Halved: preview pixel (x, y) covers element pixels 2x..2x+1, centre 2x + 1.
    const PixelGrid element = GridOf(Ramp(320, 200));
    SamplePreview(element, preview);
    for (QPoint p : {QPoint(0, 0), QPoint(7, 3), QPoint(159, 99)})
        EXPECT_EQ(preview.at(p.x(), p.y()), element.at(2 * p.x() + 1, 2 * p.y() + 1));
}

// --- The window --------------------------------------------------------------------------

class ColourWindow : public ::testing::Test {
  protected:
    ColourWindow() {
        window = std::make_unique<ColourAdjustWindow>(prompts, context.programFolder,
                                                      context.workingPicture);
    }

    void show(const QImage& element, ColourAdjustment adjustment) {
        QImage copy = element;
        context.workingPicture.load(copy);
        window->begin(adjustment);
    }
    QColor shown(int x, int y) const { return window->preview->picture().pixelColor(x, y); }

    QTemporaryDir programDir;
    ScriptedPrompts prompts;
    CountingPacer pacer;
    texture::TexturePage page;
    app::AppContext context{prompts, pacer, platform::ProgramFolder(programDir.path()), page};
    std::unique_ptr<ColourAdjustWindow> window;
};

TEST_F(ColourWindow, PreviewShownAtItsRoundedWidthAndTheEmbossOneRowShorter) {
    struct Row {
        QSize element;
        ColourAdjustment adjustment;
        QSize shown;
    } rows[] = {
        // The sizes are the preview arithmetic's above; here the window takes them.
        {{320, 200}, ColourAdjustment::Contrast, {160, 100}},
        {{61, 20}, ColourAdjustment::Rgb, {56, 20}},
        {{61, 20}, ColourAdjustment::Emboss, {56, 19}},
        {{5, 1}, ColourAdjustment::Emboss, {5, 1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.element.width());
        show(Ramp(r.element.width(), r.element.height()), r.adjustment);
        EXPECT_EQ(window->preview->picture().size(), r.shown);
        EXPECT_EQ(window->preview->size(), r.shown);
    }
    window->zoomCheck->setChecked(true);
    EXPECT_EQ(window->preview->size(), QSize(10, 2));
    EXPECT_EQ(window->preview->pos(), QPoint(97, 101));
}

TEST_F(ColourWindow, ConfigurationsShowTheirControls) {
    show(Ramp(16, 16), ColourAdjustment::Rgb);
    EXPECT_TRUE(window->redBar->isEnabled());
    EXPECT_FALSE(window->contrastBar->isEnabled());
    EXPECT_FALSE(window->progressivePanel->isHidden());
    EXPECT_TRUE(window->embossGroup->isHidden());
    EXPECT_TRUE(window->backgroundGroup->isHidden());
    show(Ramp(16, 16), ColourAdjustment::Contrast);
    EXPECT_FALSE(window->allChannelsBar->isEnabled());
    EXPECT_TRUE(window->contrastBar->isEnabled());
    EXPECT_TRUE(window->progressivePanel->isHidden());
    show(Ramp(16, 16), ColourAdjustment::Emboss);
    EXPECT_TRUE(window->correctionGroup->isHidden());
    EXPECT_FALSE(window->backgroundGroup->isHidden());
    EXPECT_TRUE(window->thresholdBar->isEnabled());
    EXPECT_TRUE(window->strongInvertedEmbossRadio->isEnabled());
}

TEST_F(ColourWindow, AllChannelsBarMovesTheThreeAndScalesThePreview) {
    show(Solid(16, 8, QColor(100, 60, 200)), ColourAdjustment::Rgb);
    window->allChannelsBar->setValue(150);
    for (QScrollBar* bar : {window->redBar, window->greenBar, window->blueBar})
        EXPECT_EQ(bar->value(), 150);
    for (QLabel* label :
         {window->redLabel, window->greenLabel, window->blueLabel, window->allChannelsLabel})
        EXPECT_EQ(label->text(), "150");
    EXPECT_EQ(shown(15, 7), QColor(150, 90, 255));  // 300 clamped

    // The RGB settings start again at 100 at each showing.
    show(Solid(16, 8, QColor(100, 60, 200)), ColourAdjustment::Rgb);
    EXPECT_EQ(window->redBar->value(), 100);
    EXPECT_EQ(window->redLabel->text(), "100");
    EXPECT_EQ(window->settings().bluePercent, 100);
    EXPECT_EQ(shown(0, 0), QColor(100, 60, 200));
}

TEST_F(ColourWindow, DirectionCountsOnlyWithProgressiveCorrection) {
    show(Solid(4, 2, QColor(100, 100, 100)), ColourAdjustment::Rgb);
    window->redBar->setValue(200);
    window->directionButtons[0]->click();
    EXPECT_EQ(window->settings().direction, RgbDirection::Uniform);
    EXPECT_FALSE(window->directionButtons[0]->isChecked());
    EXPECT_EQ(shown(0, 1).red(), 200);

    // Left to right on 4 columns: red factors 1.25, 1.5, 1.75, 2. Chosen as a screen reader
    // does, by toggling the button.
    window->progressiveCheck->setChecked(true);
    DoAccessibleAction(window->directionButtons[0]);
    EXPECT_EQ(window->settings().direction, RgbDirection::LeftToRight);
    EXPECT_TRUE(window->directionButtons[0]->isChecked());
    for (int x = 0; x < 4; ++x) EXPECT_EQ(shown(x, 1).red(), 125 + 25 * x);
    EXPECT_EQ(shown(3, 1).green(), 100);

    window->progressiveCheck->setChecked(false);
    EXPECT_EQ(window->settings().direction, RgbDirection::Uniform);
    EXPECT_FALSE(window->directionButtons[0]->isChecked());
    EXPECT_EQ(shown(0, 1).red(), 200);
}

TEST_F(ColourWindow, ContrastKeepsItsAmountAndOpensWithItsPreview) {
    show(Solid(8, 8, QColor(200, 127, 0)), ColourAdjustment::Contrast);
    window->contrastBar->setValue(100);
    EXPECT_EQ(window->contrastLabel->text(), "100");
    // 200 + 73 x 100 / 255 = 228.6; 0 - 127 x 100 / 255 clamped.
    EXPECT_EQ(shown(0, 0), QColor(229, 127, 0));
    show(Solid(8, 8, QColor(200, 127, 0)), ColourAdjustment::Rgb);
    show(Solid(8, 8, QColor(200, 127, 0)), ColourAdjustment::Contrast);
    EXPECT_EQ(window->contrastBar->value(), 100);
    EXPECT_EQ(window->settings().contrastAmount, 100);
    EXPECT_EQ(shown(0, 0), QColor(229, 127, 0));
}

TEST_F(ColourWindow, BackgroundChoiceDecidesColourTextureAndModes) {
    show(Solid(8, 4, QColor(100, 100, 100)), ColourAdjustment::Emboss);
    // Mode 1, threshold 255 on grey 100: (100 + 155) >> 1.
    EXPECT_EQ(shown(0, 0), QColor(127, 127, 127));
    window->paletteButtons[15]->click();  // pure red
    EXPECT_EQ(window->hexLabel->text(), "#FF0000");
    EXPECT_EQ(window->settings().backgroundColour, ColourValue::fromRgb(255, 0, 0));
    EXPECT_FALSE(window->settings().emboss.colour);  // "Non" passes no colour

    DoAccessibleAction(window->colouredRadio);  // as a screen reader chooses
    EXPECT_EQ(window->settings().emboss.colour, ColourValue::fromRgb(255, 0, 0));
    prompts.expectColour(ColourValue::fromRgb(0x12, 0x34, 0x56));
    window->otherColourButton->click();
    EXPECT_EQ(window->hexLabel->text(), "#123456");
    EXPECT_EQ(window->settings().emboss.colour, ColourValue::fromRgb(0x12, 0x34, 0x56));

    DoAccessibleAction(window->strongInvertedEmbossRadio);
    window->texturedRadio->click();
    EXPECT_TRUE(window->settings().emboss.textured);
    EXPECT_FALSE(window->settings().emboss.colour);
    EXPECT_FALSE(window->plainEmbossRadio->isEnabled());
    EXPECT_FALSE(window->strongInvertedEmbossRadio->isEnabled());
    // Still so once the next emboss showing has set its controls.
    show(Solid(8, 4, QColor(100, 100, 100)), ColourAdjustment::Emboss);
    EXPECT_FALSE(window->strongInvertedEmbossRadio->isEnabled());
    window->noBackgroundRadio->click();
    EXPECT_TRUE(window->strongInvertedEmbossRadio->isEnabled());
    // Mode 2: round(127 x 1.9) = 241, 2 x (255 - 241).
    EXPECT_EQ(shown(0, 0), QColor(28, 28, 28));
}

TEST_F(ColourWindow, TextureComesFromTheTextureFolderAndAFailedOneIsNotKept) {
    EXPECT_EQ(window->texture().size(), QSize(32, 32));
    show(Solid(8, 4, QColor(100, 100, 100)), ColourAdjustment::Emboss);
    ASSERT_TRUE(QDir(programDir.path()).mkdir("TextureFond"));
    const QString folder = programDir.filePath("TextureFond/");
    const QString good = folder + "Fond.bmp";
    ASSERT_TRUE(Solid(3, 2, Qt::blue).save(good, "BMP"));
    const QString broken = folder + "Abime.bmp";
    ASSERT_TRUE(WriteBytes(broken, "BM not a bitmap"));

    prompts.expectFile(good);
    window->textureButton->click();
    EXPECT_EQ(prompts.dialogInitialPaths().back(), folder);
    EXPECT_EQ(window->texture().size(), QSize(3, 2));
    EXPECT_EQ(window->textureThumbnail->picture().size(), QSize(3, 2));

    prompts.expectFile(broken).expectMessage(MessageKind::Error, QString());
    window->textureButton->click();
    prompts.expectFile(folder + "notes.txt").expectMessage(MessageKind::Warning, QString());
    window->textureButton->click();
    prompts.expectMessage(MessageKind::Warning, "Impossible de lire la texture vide.bmp");
    window->setTexture(QImage(), "vide.bmp");
    EXPECT_EQ(window->texture().size(), QSize(3, 2));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(ColourWindow, TextureButtonOpensTheCatalogueOnTheTextureFolder) {
    ASSERT_TRUE(QDir(programDir.path()).mkdir("TextureFond"));
    const QString folder = programDir.filePath("TextureFond/");
    ASSERT_TRUE(Solid(6, 4, Qt::darkGreen).save(folder + "Herbe.bmp", "BMP"));
    catalogue::CatalogueWindow catalogue(prompts, context.programFolder);
    QObject::connect(window.get(), &ColourAdjustWindow::textureWanted, &catalogue,
                     &catalogue::CatalogueWindow::chooseTexture);
    QObject::connect(&catalogue, &catalogue::CatalogueWindow::textureForColourWindow, window.get(),
                     &ColourAdjustWindow::setTexture);
    show(Solid(8, 4, QColor(100, 100, 100)), ColourAdjustment::Emboss);
    window->texturedRadio->click();
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(catalogue.colourWindowRequest());
        EXPECT_EQ(QDir(catalogue.folder()), QDir(folder));
        catalogue.finishReading();
        catalogue.handOver(catalogue.boxes[0]);
    });
    window->textureButton->click();
    EXPECT_FALSE(catalogue.colourWindowRequest());
    EXPECT_EQ(window->texture(), Solid(6, 4, Qt::darkGreen));
    EXPECT_EQ(window->textureThumbnail->toolTip(), folder + "Herbe.bmp");
}

TEST_F(ColourWindow, EveryControlHasAnAccessibleName) {
    EXPECT_EQ(UnnamedControls(window.get()), "");
}

// --- In the element editor ---------------------------------------------------------------

class ColourEditor : public EditorWindow {
  protected:
    ColourAdjustWindow* colourWindow() { return editor->colourWindow(); }
    // Clicks button; step moves the window's controls once it is showing, then it closes.
    void adjust(QPushButton* button, std::function<void(ColourAdjustWindow&)> step, bool ok) {
        whenModal([this, step, ok] {
            step(*colourWindow());
            (ok ? colourWindow()->okButton : colourWindow()->cancelButton)->click();
        });
        button->click();
    }
};

TEST_F(ColourEditor, OkAppliesWhatTheCoreMakesOfTheSettings) {
    const QImage texture = Ramp(5, 3);
    struct Row {
        const char* name;
        QPushButton* editor::ElementEditor::*button;
        std::function<void(ColourAdjustWindow&)> step;
        std::function<void(PixelGrid&)> expected;
    } rows[] = {
        {"rgb", &editor::ElementEditor::adjustButton,
         [](ColourAdjustWindow& w) {
             w.redBar->setValue(150);
             w.greenBar->setValue(40);
             w.progressiveCheck->setChecked(true);
             w.directionButtons[7]->click();
         },
         [](PixelGrid& p) {
             RgbCorrection(p, p, 20, 12, 150, 40, 100, RgbDirection::FromBottomRight);
         }},
        {"contrast", &editor::ElementEditor::contrastButton,
         [](ColourAdjustWindow& w) { w.contrastBar->setValue(-120); },
         [](PixelGrid& p) { Contrast(p, p, 20, 12, 127, -120.0); }},
        {"coloured emboss", &editor::ElementEditor::embossButton,
         [](ColourAdjustWindow& w) {
             w.strongInvertedEmbossRadio->click();
             w.thresholdBar->setValue(180);
             w.saturationBar->setValue(90);
             w.colouredRadio->click();
             w.paletteButtons[6]->click();
         },
         [](PixelGrid& p) {
             EmbossSettings s;
             s.mode = EmbossMode::StrongInverted;
             s.threshold = 180;
             s.saturation = 90;
             s.colour = ColourValue::fromRgb(255, 128, 0);
             Emboss(p, p, 20, 12, s);
         }},
        {"textured emboss", &editor::ElementEditor::embossButton,
         [&](ColourAdjustWindow& w) {
             w.texturedRadio->click();
             w.setTexture(texture, "Fond.bmp");
         },
         [&](PixelGrid& p) {
             EmbossSettings s;
             s.mode = EmbossMode::StrongInverted;  // ignored with a texture
             s.threshold = 180;
             s.saturation = 90;
             s.textured = true;
             Emboss(p, p, 20, 12, s, texture);
         }},
    };
    const QImage element = Ramp(20, 12);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        open(element);
        adjust(editor.get()->*r.button, r.step, true);
        EXPECT_EQ(editor->picture(),
                  CoreResult(element, [&](WorkingPicture& w) { r.expected(w.image()); }));
        EXPECT_TRUE(editor->undoButton->isEnabled());
        editor->undoButton->click();
        EXPECT_EQ(editor->picture(), element);
    }
}

TEST_F(ColourEditor, CancelLeavesTheElementAndTheUndoCopy) {
    const QImage element = Ramp(20, 12);
    open(element);
    editor->mirrorButton->click();
    const QImage mirrored = editor->picture();
    for (QPushButton* button : {editor->adjustButton, editor->contrastButton, editor->embossButton})
        adjust(
            button,
            [](ColourAdjustWindow& w) {
                w.allChannelsBar->setValue(30);
                w.contrastBar->setValue(90);
                w.thresholdBar->setValue(120);
            },
            false);
    EXPECT_EQ(editor->picture(), mirrored);
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);
}

}  // namespace
