// The colour adjustment window: its reduced preview, its controls as a person moves them, and
// the element editor applying its settings on OK.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>

#include "pixels/ColourAdjustment.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/ContextFixture.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UnnamedControls.h"
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

TEST(ColourPreview, FitsInto160AndShowsWholeMultiplesOf8) {
    struct Row {
        QSize element, preview;
        int shownColumns;
    } rows[] = {
        {{100, 170}, {94, 160}, 88},  // scale 170 / 160 = 1.0625
        {{5, 3}, {5, 3}, 5},          // narrower than 8: never 0 wide
        {{2000, 4}, {160, 1}, 160},   // 4 / 12.5 rounds to 0: one row is kept
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.element.width());
        EXPECT_EQ(PreviewSize(r.element.width(), r.element.height()), r.preview);
        EXPECT_EQ(ShownPreviewColumns(r.preview.width()), r.shownColumns);
    }
    EXPECT_EQ(PreviewOffset(205, 128), 38);
    EXPECT_EQ(PreviewOffset(205, 320), 2);  // zoomed past the panel: from its corner
}

TEST(ColourPreview, TakesThePixelUnderEachPreviewPixelsCentre) {
    PixelGrid preview;
    // Halved: preview pixel (x, y) covers element pixels 2x..2x+1, centre 2x + 1.
    const PixelGrid element = GridOf(Ramp(320, 200));
    SamplePreview(element, preview);
    for (QPoint p : {QPoint(0, 0), QPoint(7, 3), QPoint(159, 99)})
        EXPECT_EQ(preview.at(p.x(), p.y()), element.at(2 * p.x() + 1, 2 * p.y() + 1));
}

class ColourWindow : public AppFixture {
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

    std::unique_ptr<ColourAdjustWindow> window;
};

TEST_F(ColourWindow, ThePreviewFollowsTheBarsAndDirection) {
    show(Ramp(61, 20), ColourAdjustment::Emboss);  // shown at whole eights, one row shorter
    EXPECT_EQ(window->preview->picture().size(), QSize(56, 19));
    show(Solid(4, 2, QColor(100, 60, 200)), ColourAdjustment::Rgb);
    window->allChannelsBar->setValue(150);
    EXPECT_EQ(window->blueLabel->text(), "150");
    EXPECT_EQ(shown(3, 1), QColor(150, 90, 255));  // 300 clamped
    // The RGB settings start again at 100 at each showing; the direction counts only with
    // the progressive correction.
    show(Solid(4, 2, QColor(100, 100, 100)), ColourAdjustment::Rgb);
    window->redBar->setValue(200);
    window->directionButtons[0]->click();
    EXPECT_EQ(shown(0, 1), QColor(200, 100, 100));
    // Left to right on 4 columns: red factors 1.25, 1.5, 1.75, 2. Chosen as a screen reader
    // does, by toggling the button.
    window->progressiveCheck->setChecked(true);
    DoAccessibleAction(window->directionButtons[0]);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(shown(x, 1).red(), 125 + 25 * x);
    window->progressiveCheck->setChecked(false);
    EXPECT_EQ(shown(0, 1).red(), 200);

    // 200 + 73 x 100 / 255 = 228.6; 0 - 127 x 100 / 255 clamped; kept for the next showing.
    show(Solid(8, 8, QColor(200, 127, 0)), ColourAdjustment::Contrast);
    window->contrastBar->setValue(100);
    show(Solid(8, 8, QColor(200, 127, 0)), ColourAdjustment::Contrast);
    EXPECT_EQ(shown(0, 0), QColor(229, 127, 0));
}

TEST_F(ColourWindow, BackgroundChoiceDecidesColourTextureAndModes) {
    show(Solid(8, 4, QColor(100, 100, 100)), ColourAdjustment::Emboss);
    EXPECT_EQ(UnnamedControls(window.get()), "");
    // Mode 1, threshold 255 on grey 100: (100 + 155) >> 1.
    EXPECT_EQ(shown(0, 0), QColor(127, 127, 127));
    window->paletteButtons[15]->click();             // pure red
    EXPECT_FALSE(window->settings().emboss.colour);  // "Non" passes no colour

    DoAccessibleAction(window->colouredRadio);  // as a screen reader chooses
    EXPECT_EQ(window->settings().emboss.colour, ColourValue::fromRgb(255, 0, 0));
    prompts.expectColour(ColourValue::fromRgb(0x12, 0x34, 0x56));
    window->otherColourButton->click();
    EXPECT_EQ(window->settings().emboss.colour, ColourValue::fromRgb(0x12, 0x34, 0x56));

    DoAccessibleAction(window->strongInvertedEmbossRadio);
    window->texturedRadio->click();
    EXPECT_TRUE(window->settings().emboss.textured);
    EXPECT_FALSE(window->settings().emboss.colour);
    EXPECT_FALSE(window->strongInvertedEmbossRadio->isEnabled());
    window->noBackgroundRadio->click();
    EXPECT_TRUE(window->strongInvertedEmbossRadio->isEnabled());
    // Mode 2: round(127 x 1.9) = 241, 2 x (255 - 241).
    EXPECT_EQ(shown(0, 0), QColor(28, 28, 28));
}

TEST_F(ColourWindow, TextureComesFromTheTextureFolderAndAFailedOneIsNotKept) {
    show(Solid(8, 4, QColor(100, 100, 100)), ColourAdjustment::Emboss);
    ASSERT_TRUE(QDir(folder.path()).mkdir("TextureFond"));
    const QString textures = path("TextureFond/");
    const QString good = textures + "Fond.bmp";
    ASSERT_TRUE(Solid(3, 2, Qt::blue).save(good, "BMP"));
    const QString broken = textures + "Abime.bmp";
    ASSERT_TRUE(WriteBytes(broken, "BM not a bitmap"));

    prompts.expectFile(good);
    window->textureButton->click();
    EXPECT_EQ(prompts.dialogInitialPaths().back(), textures);
    EXPECT_EQ(window->texture().size(), QSize(3, 2));

    prompts.expectFile(broken).expectMessage(MessageKind::Error, QString());
    window->textureButton->click();
    prompts.expectMessage(MessageKind::Warning, "Impossible de lire la texture vide.bmp");
    window->setTexture(QImage(), "vide.bmp");
    EXPECT_EQ(window->texture().size(), QSize(3, 2));
    EXPECT_TRUE(prompts.scriptDone());
}

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

TEST_F(ColourEditor, OkAppliesWhatTheCoreMakesOfTheSettingsAndCancelNothing) {
    const QImage element = Ramp(20, 12), texture = Ramp(5, 3);
    open(element);
    auto rgb = [](ColourAdjustWindow& w) {
        w.redBar->setValue(150);
        w.greenBar->setValue(40);
        w.progressiveCheck->setChecked(true);
        w.directionButtons[7]->click();
    };
    adjust(editor->adjustButton, rgb, true);
    const QImage corrected = CoreResult(element, [](WorkingPicture& w) {
        RgbCorrection(w.image(), w.image(), 20, 12, 150, 40, 100, RgbDirection::FromBottomRight);
    });
    EXPECT_EQ(editor->picture(), corrected);
    // Cancel leaves the picture and its undo copy.
    adjust(
        editor->contrastButton, [](ColourAdjustWindow& w) { w.contrastBar->setValue(90); }, false);
    EXPECT_EQ(editor->picture(), corrected);
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);

    auto textured = [&](ColourAdjustWindow& w) {
        w.thresholdBar->setValue(180);
        w.saturationBar->setValue(90);
        w.texturedRadio->click();
        w.setTexture(texture, "Fond.bmp");
    };
    adjust(editor->embossButton, textured, true);
    EXPECT_EQ(editor->picture(), CoreResult(element, [&](WorkingPicture& w) {
                  EmbossSettings settings;
                  settings.threshold = 180;
                  settings.saturation = 90;
                  settings.textured = true;
                  Emboss(w.image(), w.image(), 20, 12, settings, texture);
              }));
}

}  // namespace
