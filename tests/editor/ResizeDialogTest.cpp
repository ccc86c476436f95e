// "Redimensionner" with its real one-second timer, run through the event loop, and the
// editor's "Dimensions" that applies the size chosen.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "tests/editor/EditorWindowFixture.h"
#include "ui/editor/ResizeDialog.h"

using namespace tessella;
using namespace tessella::testing;
using editor::ResizeDialog;
using platform::Answer;
using platform::MessageKind;

namespace {

const QString kQuestion = QString::fromUtf8(
    "Le redimensionnement que vous demandez,\n\rdépasse les 8 méga pixels.\n\rCette version de "
    "Tessella\n\rgère difficilement ces grands formats\n\rVoulez-vous continuer ?");

// Replaces the spin's text by typing text into it, key by key.
void Type(QAbstractSpinBox* spin, const char* text) {
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

class ResizeWindow : public ::testing::Test {
  protected:
    // Shows the window for w x h, runs steps in it and answers what OK gave.
    std::optional<QSize> ask(int w, int h, std::function<void()> steps) {
        QTimer::singleShot(0, std::move(steps));
        return dialog.ask(QSize(w, h));
    }
    bool warningShown() const {
        return !dialog.warningLabel->text().isEmpty() &&
               dialog.warningLabel->palette().color(QPalette::Window) == QColor(Qt::red);
    }

    ScriptedPrompts prompts;
    ResizeDialog dialog{prompts};
};

TEST_F(ResizeWindow, TheOtherSideFollowsOneSecondAfterTyping) {
    struct Row {
        const char* what;
        bool keepRatio;
        std::function<void(ResizeDialog&)> type;
        int width, height;  // shown after the timer
    } rows[] = {
        // round(32 x 100 / 64) = 50.
        {"width 100", true, [](ResizeDialog& d) { Type(d.widthSpin, "100"); }, 100, 50},
        // 50 % of 64 is 32 at once; the ratio box is ticked and the height follows: 16.
        {"percentage", false, [](ResizeDialog& d) { Type(d.percentageSpin, "50"); }, 32, 16},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto size = ask(64, 32, [&] {
            dialog.keepRatioCheck->setChecked(r.keepRatio);
            r.type(dialog);
            QTest::qWait(ResizeDialog::kReconcileDelayMs + 200);
            EXPECT_EQ(dialog.widthSpin->value(), r.width);
            EXPECT_EQ(dialog.heightSpin->value(), r.height);
            dialog.okButton->click();
        });
        EXPECT_EQ(size, QSize(r.width, r.height));
    }
    // OK within the second still keeps the ratio.
    EXPECT_EQ(ask(64, 32,
                  [&] {
                      Type(dialog.widthSpin, "100");
                      dialog.okButton->click();
                  }),
              QSize(100, 50));
}

TEST_F(ResizeWindow, WarnsOnRedBeyondEightMegapixelsAndOkAsksFirst) {
    const auto size = ask(64, 32, [&] {
        dialog.keepRatioCheck->setChecked(false);
        Type(dialog.widthSpin, "4000");
        Type(dialog.heightSpin, "2000");
        QTest::qWait(ResizeDialog::kReconcileDelayMs + 200);
        EXPECT_FALSE(warningShown());  // 8 000 000 exactly
        Type(dialog.heightSpin, "2001");
        QTest::qWait(ResizeDialog::kReconcileDelayMs + 200);
        EXPECT_TRUE(warningShown());
        EXPECT_EQ(dialog.warningLabel->text(),
                  QString::fromUtf8("Le total dépasse 8 Méga pixel\n( 8 Méga pixels )"));
        prompts.expectMessage(MessageKind::Warning, kQuestion, Answer::Yes);
        dialog.okButton->click();
    });
    EXPECT_EQ(size, QSize(4000, 2001));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(ResizeWindow, AFieldKeepsWhatIsTypedAndOkSaysWhyItRefusesIt) {
    prompts.expectMessage(MessageKind::Warning,
                          QString::fromUtf8("Pourcentage : « 10,5 » n'est pas accepté.\n\rTapez "
                                            "un nombre entier de 1 à 1000, sans signe, sans "
                                            "virgule ni lettre."));
    const auto size = ask(64, 32, [&] {
        Type(dialog.percentageSpin, "10,5");
        dialog.heightSpin->setFocus();  // leaving the field keeps the text as typed
        EXPECT_EQ(dialog.percentageSpin->cleanText(), "10,5");
        dialog.okButton->click();
        EXPECT_TRUE(dialog.isVisible());  // refused: the window stays for a correction
        dialog.cancelButton->click();
    });
    EXPECT_EQ(size, std::nullopt);
    EXPECT_TRUE(prompts.scriptDone());
    // A whole number in range is taken as typed.
    EXPECT_EQ(ask(64, 32,
                  [&] {
                      dialog.keepRatioCheck->setChecked(false);
                      Type(dialog.widthSpin, "32767");
                      dialog.okButton->click();
                  }),
              QSize(32767, 32));
}

TEST_F(EditorWindow, DimensionsResamplesTheElementInTheOperationPattern) {
    const QImage element = Ramp(64, 32);
    open(element);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    ResizeDialog* dialog = editor->resizeDialog();

    // OK with the size unchanged changes nothing and takes no undo copy (answered No to the
    // question: EnglishEditorTest).
    whenModal([dialog] { dialog->okButton->click(); });
    editor->resizeButton->click();
    EXPECT_EQ(editor->picture(), negative);
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);  // still the negative's copy

    // 50 %: 32 x 16, each pixel the one at the centre of its 2 x 2 footprint.
    whenModal([dialog] {
        Type(dialog->percentageSpin, "50");
        dialog->okButton->click();
    });
    editor->resizeButton->click();
    ASSERT_EQ(editor->picture().size(), QSize(32, 16));
    EXPECT_EQ(editor->picture().pixelColor(5, 3), element.pixelColor(11, 7));
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);
}

}  // namespace
