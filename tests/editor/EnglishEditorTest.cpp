// The element editor built once English is in force: its menus, a dialog, its question and its
// numbers in English. A text left out of the translation, or filed under another context than
// the one it is looked up in, would show in French here.

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "platform/Language.h"
#include "tests/editor/EditorWindowFixture.h"
#include "ui/editor/LitPreview.h"
#include "ui/editor/NormalMapDialog.h"
#include "ui/editor/NormalMapTools.h"
#include "ui/editor/ResizeDialog.h"

using namespace tessella;
using namespace tessella::testing;
using platform::Answer;
using platform::MessageKind;

namespace {

// Widgets keep the texts they were built with: the language comes before the editor.
struct EnglishFirst {
    EnglishFirst() { platform::UseLanguage(platform::kEnglish); }
};

class EnglishEditor : public EnglishFirst, public EditorWindow {
  protected:
    void TearDown() override { platform::UseLanguage(platform::kFrench); }
};

// As UTF-8, so that a failure prints the text.
std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The items of a menu, separators left out, one " | " between two.
std::string Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator()) texts << action->text();
    return Utf8(texts.join(" | "));
}

TEST_F(EnglishEditor, MenusAndButtonsAreEnglish) {
    open(Ramp(8, 4));
    EXPECT_EQ(Utf8(editor->windowTitle()), "Image editor");

    const auto* bar = editor->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Texts(bar->actions()),
              "Close and save  | Close | New element | Edit | Zone | Image properties | View | "
              "Game engines | Help");
    // Undo is "Annuler" in French, Cancel everywhere else: it has a context of its own.
    EXPECT_EQ(Texts(editor->editMenu->actions()),
              "Undo | Redo | Copy | Copy selection | Paste as new image | Paste into image");
    // The normal map tools add theirs to both menus.
    EXPECT_EQ(Texts(editor->viewMenu->actions()),
              "Drawing tools | Tiled preview | Mipmap preview | Lit preview");
    EXPECT_EQ(Texts(editor->engineMenu->actions()),
              "Normal map… | Transparent color… | Remove transparency…");

    EXPECT_EQ(Utf8(editor->rotateLeftButton->text()), "Rotate");
    EXPECT_EQ(Utf8(editor->rotateLeftButton->accessibleName()), "Rotate 90° left");
    EXPECT_EQ(Utf8(editor->resizeButton->text()), "Size");
    EXPECT_EQ(Utf8(editor->makeTileableButton->text()), "Make tileable");

    // Changed without a file: the title names it Untitled, marked as the main window marks a
    // modified page.
    editor->negativeButton->click();
    EXPECT_EQ(Utf8(editor->windowTitle()), "Image editor — Untitled*");
    // The zone item says how to leave the zone while one is being made.
    editor->zoneAction->trigger();
    EXPECT_EQ(Utf8(editor->zoneAction->text()), "Close zone");
}

TEST_F(EnglishEditor, TheResizeWindowAndItsQuestionAreEnglish) {
    open(Ramp(64, 32));
    editor::ResizeDialog* dialog = editor->resizeDialog();
    QString title, warning;
    // 9000 x 1000 = 9,000,000 pixels: past the 8 megapixels, so OK asks first.
    prompts.expectMessage(MessageKind::Warning,
                          "The resize you are asking for\n\rexceeds 8 megapixels.\n\rThis version "
                          "of Tessella\n\rstruggles with such large sizes.\n\rDo you want to "
                          "continue?",
                          Answer::No);
    whenModal([&] {
        title = dialog->windowTitle();
        dialog->keepRatioCheck->setChecked(false);
        dialog->widthSpin->selectAll();
        QTest::keyClicks(dialog->widthSpin, "9000");
        dialog->heightSpin->selectAll();
        QTest::keyClicks(dialog->heightSpin, "1000");
        dialog->okButton->click();
        warning = dialog->warningLabel->text();
    });
    editor->resizeButton->click();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(Utf8(title), "Resize");
    EXPECT_EQ(Utf8(dialog->okButton->text()), "OK");
    EXPECT_EQ(Utf8(dialog->cancelButton->text()), "Cancel");
    EXPECT_EQ(Utf8(warning), "The total exceeds 8 megapixels\n( 9 megapixels )");
    EXPECT_EQ(editor->picture().size(), QSize(64, 32));  // answered No: nothing changed
    EXPECT_FALSE(editor->undoButton->isEnabled());
}

TEST_F(EnglishEditor, TheBumpStrengthHasAPoint) {
    // 2.0, the strength the window opens with; French shows "2,0".
    editor::NormalMapTools* tools = editor->normalMapTools();
    EXPECT_EQ(Utf8(tools->dialog()->strengthSpin->text()), "2.0");
    EXPECT_EQ(Utf8(tools->litPreview()->hintLabel->text()),
              "The light follows the pointer. Bump strength: 2.0");
}

}  // namespace
