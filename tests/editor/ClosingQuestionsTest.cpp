// The element editor never gives an edited element up without a question: its close box,
// "Fermer", Escape, and the save roads of "Fermer et sauver " through ElementEditFlow.

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "tests/editor/EditorWindowFixture.h"
#include "texture/ElementEditFlow.h"
#include "texture/QuietPageEvents.h"

using namespace tessella;
using namespace tessella::testing;
using platform::Answer;
using platform::MessageKind;
using texture::EditorResult;

namespace {

const QString kUnsaved =
    QString::fromUtf8("L'élément a été modifié.\n\rVoulez-vous l'enregistrer ?");

// Pixel (1, 0) of the ramp is red 3, green 0, blue 1; its negative 252, 255, 254.
const QColor kNegativeOfRampPixel(252, 255, 254);

}  // namespace

TEST_F(EditorWindow, EachClosingRoadAsksAboutAnEditAndAnnulerKeepsIt) {
    const struct {
        const char* name;
        bool byMenu;  // "Fermer", else the close box
        Answer answer;
        EditorResult result;
    } rows[] = {
        {"close box, Oui", false, Answer::Yes, EditorResult::SaveConfirmed},
        {"Fermer, Non", true, Answer::No, EditorResult::Closed},
        {"Fermer, Annuler", true, Answer::Cancel, EditorResult::Closed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        texture::ElementRequest request;
        request.picture = Ramp(8, 8);
        onEachShowing({[&] {
            editor->negativeButton->click();
            prompts.expectMessage(MessageKind::Confirmation, kUnsaved, row.answer);
            row.byMenu ? editor->closeAction->trigger() : void(editor->close());
            if (row.answer != Answer::Cancel) return;
            // Still open, the edit intact; the next close gives it up.
            EXPECT_TRUE(editor->isVisible());
            EXPECT_EQ(editor->picture().pixelColor(1, 0), kNegativeOfRampPixel);
            EXPECT_TRUE(editor->undoButton->isEnabled());
            prompts.expectMessage(MessageKind::Confirmation, kUnsaved, Answer::No);
            editor->close();
        }});
        const texture::EditResult result = editor->edit(request);
        EXPECT_TRUE(prompts.scriptDone());
        EXPECT_EQ(result.result, row.result);
        if (row.result == EditorResult::SaveConfirmed) {
            EXPECT_EQ(result.picture.pixelColor(1, 0), kNegativeOfRampPixel);
        }
        // Enter on the question never gives the edit up: "Annuler" is its default button.
        ASSERT_FALSE(prompts.shown().empty());
        EXPECT_EQ(prompts.shown().back().buttons.front(), Answer::Cancel);
    }
}

TEST_F(EditorWindow, EscapeNeitherClosesNorAsks) {
    texture::ElementRequest request;
    request.picture = Ramp(8, 8);
    onEachShowing({[this] {
        editor->negativeButton->click();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(editor.get(), &escape);
        EXPECT_TRUE(editor->isVisible());
        editor->closeAndSaveAction->trigger();
    }});
    const texture::EditResult result = editor->edit(request);
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(result.result, EditorResult::SaveAsked);
    EXPECT_EQ(result.picture.pixelColor(1, 0), kNegativeOfRampPixel);
}

// The editor handed a source by the main window's flow, which writes what comes back.
class EditorFlow : public EditorWindow {
  protected:
    EditorFlow() {
        page.sourceFileName = folder.filePath("mur.bmp");
        page.sourcePicture = Ramp(8, 8);
    }
    QString editSource() {
        return texture::ElementEditFlow(texture::PageContext{page, prompts, pacer, events}, *editor)
            .editSource();
    }
    QTemporaryDir folder;
    texture::QuietPageEvents events;
};

TEST_F(EditorFlow, NonToSauvegardeAsksAndAnnulerGoesBackToTheEdit) {
    onEachShowing({[this] {
                       editor->negativeButton->click();
                       prompts.expectMessage(MessageKind::Confirmation, "Sauvegarde", Answer::No)
                           .expectMessage(MessageKind::Confirmation, kUnsaved, Answer::Cancel);
                       editor->closeAndSaveAction->trigger();
                   },
                   [this] {
                       // Shown again: the negative is still there, with its undo copy.
                       EXPECT_EQ(editor->picture().pixelColor(1, 0), kNegativeOfRampPixel);
                       EXPECT_TRUE(editor->undoButton->isEnabled());
                       // Now given up on purpose: the close box, then "Non".
                       prompts.expectMessage(MessageKind::Confirmation, kUnsaved, Answer::No);
                       editor->close();
                   }});
    EXPECT_TRUE(editSource().isEmpty());
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}
