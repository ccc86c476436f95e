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
        // round(64 x 48 / 32) = 96.
        {"height 48", true, [](ResizeDialog& d) { Type(d.heightSpin, "48"); }, 96, 48},
        {"ratio off", false, [](ResizeDialog& d) { Type(d.widthSpin, "100"); }, 100, 32},
        // 50 % of 64 is 32 at once; the ratio box is ticked and the height follows: 16.
        {"percentage", false, [](ResizeDialog& d) { Type(d.percentageSpin, "50"); }, 32, 16},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto size = ask(64, 32, [&] {
            EXPECT_EQ(dialog.sizeText->text(), "64 x 32");
            dialog.keepRatioCheck->setChecked(r.keepRatio);
            r.type(dialog);
            EXPECT_TRUE(dialog.reconcileTimer->isActive());
            QTest::qWait(ResizeDialog::kReconcileDelayMs / 2);
            EXPECT_TRUE(dialog.reconcileTimer->isActive());  // not yet
            QTest::qWait(ResizeDialog::kReconcileDelayMs);
            EXPECT_EQ(dialog.widthSpin->value(), r.width);
            EXPECT_EQ(dialog.heightSpin->value(), r.height);
            dialog.okButton->click();
        });
        EXPECT_EQ(size, QSize(r.width, r.height));
    }
    EXPECT_TRUE(dialog.keepRatioCheck->isChecked());
    // The next showing keeps the percentage last typed, beside the new element's own size.
    ask(20, 10, [&] {
        EXPECT_EQ(dialog.percentageSpin->value(), 50);
        EXPECT_EQ(dialog.widthSpin->value(), 20);
        dialog.cancelButton->click();
    });
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

    // The next showing speaks of its own size.
    ask(64, 32, [&] {
        EXPECT_FALSE(warningShown());
        EXPECT_EQ(dialog.percentageSpin->value(), 100);
        dialog.cancelButton->click();
    });
}

TEST_F(ResizeWindow, AFieldKeepsWhatIsTypedAndOkSaysWhyItRefusesIt) {
    const QString refused = QString::fromUtf8(
        "%1 : « %2 » n'est pas accepté.\n\rTapez un nombre entier de %3 à %4, sans signe, sans "
        "virgule ni lettre.");
    const struct {
        const char* typed;
        bool inPercentage;
        const char* range;  // "min à max" of the field
    } rows[] = {
        {"-5", false, "1 32767"},  {"12,5", false, "1 32767"},  {"12.5", false, "1 32767"},
        {"1e3", false, "1 32767"}, {"0", false, "1 32767"},     {"abc", false, "1 32767"},
        {"", false, "1 32767"},    {"40000", false, "1 32767"}, {"5a0", true, "1 1000"},
        {"1001", true, "1 1000"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        QSpinBox* spin = r.inPercentage ? dialog.percentageSpin : dialog.widthSpin;
        const QStringList range = QString(r.range).split(' ');
        prompts.expectMessage(
            MessageKind::Warning,
            refused.arg(r.inPercentage ? "Pourcentage" : "Largeur", r.typed, range[0], range[1]));
        const auto size = ask(64, 32, [&] {
            Type(spin, r.typed);
            if (!*r.typed) {  // the field emptied
                QTest::keyPress(spin, Qt::Key_Backspace);
                QTest::keyRelease(spin, Qt::Key_Backspace);
            }
            // Leaving the field keeps the text as typed.
            dialog.heightSpin->setFocus();
            EXPECT_EQ(spin->cleanText(), r.typed);
            dialog.okButton->click();
            EXPECT_TRUE(dialog.isVisible());  // refused: the window stays for a correction
            EXPECT_EQ(spin->cleanText(), r.typed);
            dialog.cancelButton->click();
        });
        EXPECT_EQ(size, std::nullopt);
        EXPECT_TRUE(prompts.scriptDone());
    }
    // A whole number in range is taken as typed.
    EXPECT_EQ(ask(64, 32,
                  [&] {
                      dialog.keepRatioCheck->setChecked(false);
                      Type(dialog.widthSpin, "32767");
                      dialog.okButton->click();
                  }),
              QSize(32767, 32));
}

TEST_F(ResizeWindow, OkWithinASecondOfTypingKeepsTheRatioAndStillWarns) {
    // Kept ratio: 64 x 32 typed to 100 wide and OK at once gives 100 x 50.
    EXPECT_EQ(ask(64, 32,
                  [&] {
                      Type(dialog.widthSpin, "100");
                      dialog.okButton->click();
                  }),
              QSize(100, 50));
    EXPECT_FALSE(dialog.reconcileTimer->isActive());

    // 4000 x 2001 typed and OK at once: the question comes, and No gives nothing.
    prompts.expectMessage(MessageKind::Warning, kQuestion, Answer::No);
    EXPECT_EQ(ask(2000, 1000,
                  [&] {
                      Type(dialog.widthSpin, "4000");
                      Type(dialog.heightSpin, "2001");
                      dialog.okButton->click();
                  }),
              std::nullopt);
    EXPECT_TRUE(prompts.scriptDone());

    // Closed within the second: the timer goes with the window.
    ask(64, 32, [&] {
        Type(dialog.widthSpin, "10");
        dialog.cancelButton->click();
    });
    EXPECT_FALSE(dialog.reconcileTimer->isActive());
    EXPECT_EQ(dialog.heightSpin->value(), 32);
}

// --- "Dimensions" in the editor -----------------------------------------------------------

TEST_F(EditorWindow, DimensionsResamplesTheElementInTheOperationPattern) {
    const QImage element = Ramp(64, 32);
    open(element);
    editor->negativeButton->click();
    const QImage negative = editor->picture();
    ResizeDialog* dialog = editor->resizeDialog();

    // OK with the size unchanged, or a 0 refused and the window cancelled, changes nothing and
    // takes no undo copy; OK answered No to the question neither.
    whenModal([dialog] { dialog->okButton->click(); });
    editor->resizeButton->click();
    prompts.expectMessage(MessageKind::Warning, QString());  // why 0 is refused
    whenModal([dialog] {
        Type(dialog->widthSpin, "0");
        dialog->okButton->click();
        dialog->cancelButton->click();
    });
    editor->resizeButton->click();
    prompts.expectMessage(MessageKind::Warning, kQuestion, Answer::No);
    whenModal([dialog] {
        dialog->keepRatioCheck->setChecked(false);
        Type(dialog->widthSpin, "9000");
        Type(dialog->heightSpin, "1000");
        dialog->okButton->click();
    });
    editor->resizeButton->click();
    EXPECT_TRUE(prompts.scriptDone());
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
    EXPECT_EQ(editor->dimensionsLabel->text(), "32x16");
    EXPECT_TRUE(editor->undoButton->isEnabled());
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), element);
}

}  // namespace
