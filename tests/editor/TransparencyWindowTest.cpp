// The editor's transparency commands and its menu bar: "Couleur transparente…" and "Supprimer
// la transparence…" undone like every operation, the clipboard keeping alpha, and the menus
// that hold what came after the menus of old.

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>

#include "platform/ColourValue.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/UnnamedControls.h"
#include "ui/editor/ColourKeyDialog.h"
#include "ui/editor/EditorTexts.h"
#include "ui/editor/NormalMapTools.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::editor {
namespace {

using namespace tessella::testing;

// Two texels: magenta, and a grey one.
QImage MagentaAndGrey() {
    QImage picture(2, 1, QImage::Format_BGR888);
    picture.setPixelColor(0, 0, QColor(255, 0, 255));
    picture.setPixelColor(1, 0, QColor(100, 100, 100));
    return picture;
}

class Transparency : public EditorWindow {
  protected:
    Transparency() : EditorWindow(&clipboard) {}
    FakeClipboard clipboard;
};

TEST_F(Transparency, TheColourKeyAsksMagentaFirstAndIsUndone) {
    open(MagentaAndGrey());
    ColourKeyDialog* dialog = editor->operations().colourKeyDialog();
    EXPECT_EQ(UnnamedControls(dialog), "");
    whenModal([dialog] {
        EXPECT_EQ(dialog->redSpin->value(), 255);
        EXPECT_EQ(dialog->greenSpin->value(), 0);
        EXPECT_EQ(dialog->blueSpin->value(), 255);
        EXPECT_EQ(dialog->toleranceSpin->value(), 0);
        // Wide enough that a window manager shows "Couleur transparente" whole.
        EXPECT_GE(dialog->width(), widgets::WholeTitleWidth(*dialog));
        dialog->cancelButton->click();
    });
    editor->colourKeyAction->trigger();
    EXPECT_EQ(editor->picture(), MagentaAndGrey());
    EXPECT_FALSE(editor->undoButton->isEnabled());

    whenModal([dialog] { dialog->okButton->click(); });
    editor->colourKeyAction->trigger();
    // The magenta texel is transparent and keeps its colour; the grey one is untouched.
    EXPECT_EQ(editor->picture().pixel(0, 0), qRgba(255, 0, 255, 0));
    EXPECT_EQ(editor->picture().pixel(1, 0), qRgba(100, 100, 100, 255));
    editor->undoButton->click();
    EXPECT_EQ(editor->picture(), MagentaAndGrey());
    EXPECT_FALSE(editor->picture().hasAlphaChannel());
}

TEST_F(Transparency, FlattenAsksTheColourWhiteFirstAndIsUndone) {
    QImage sprite(1, 1, QImage::Format_ARGB32);
    sprite.setPixel(0, 0, qRgba(200, 30, 30, 100));
    open(sprite);
    // (200 x 100 + 255 x 155) / 255 = 233.4; (30 x 100 + 255 x 155) / 255 = 166.7.
    prompts.expectColour(platform::kWhite);
    editor->flattenAction->trigger();
    EXPECT_FALSE(editor->picture().hasAlphaChannel());
    EXPECT_EQ(editor->picture().pixelColor(0, 0), QColor(233, 167, 167));
    editor->undoAction->trigger();
    EXPECT_EQ(editor->picture().pixel(0, 0), qRgba(200, 30, 30, 100));
    // Cancelled, nothing changes; on an opaque element, the user is told and nothing is asked.
    prompts.expectColour(std::nullopt);
    editor->flattenAction->trigger();
    EXPECT_EQ(editor->picture().pixel(0, 0), qRgba(200, 30, 30, 100));
    open(MagentaAndGrey());
    prompts.expectMessage(platform::MessageKind::Information, kNoTransparency);
    editor->flattenAction->trigger();
    EXPECT_FALSE(editor->undoButton->isEnabled());
}

TEST_F(Transparency, CopyPutsTheAlphaOnTheClipboard) {
    QImage sprite(2, 1, QImage::Format_ARGB32);
    sprite.setPixel(0, 0, qRgba(1, 2, 3, 0));
    sprite.setPixel(1, 0, qRgba(200, 30, 30, 100));
    open(sprite);
    editor->copyAction->trigger();
    EXPECT_EQ(clipboard.picture.format(), QImage::Format_ARGB32);
    EXPECT_EQ(clipboard.picture.pixel(1, 0), qRgba(200, 30, 30, 100));
    // An opaque element goes as 24 bits, as before.
    open(MagentaAndGrey());
    editor->copyAction->trigger();
    EXPECT_EQ(clipboard.picture.format(), QImage::Format_BGR888);
    // A picture with alpha pasted as the new element brings its alpha.
    clipboard.picture = sprite;
    editor->pasteAsNewAction->setEnabled(true);
    editor->pasteAsNewAction->trigger();
    EXPECT_EQ(editor->picture().pixel(1, 0), qRgba(200, 30, 30, 100));
    EXPECT_EQ(editor->picture().pixel(0, 0), qRgba(1, 2, 3, 0));
}

// The pipette takes the colour of a transparent texel, not its transparency: the tools paint
// opaque.
TEST_F(Transparency, ThePipettePicksAnOpaqueColour) {
    QImage sprite(1, 1, QImage::Format_ARGB32);
    sprite.setPixel(0, 0, qRgba(200, 30, 30, 0));
    open(sprite);
    QColor picked;
    QObject::connect(editor.get(), &ElementEditor::colourPicked,
                     [&](QColor colour) { picked = colour; });
    editor->requestColourPick();
    press({0, 0});
    EXPECT_EQ(picked, QColor(200, 30, 30));
    EXPECT_EQ(picked.alpha(), 255);
}

// The items of a menu, separators left out, one " | " between two.
QString Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator()) texts << action->text();
    return texts.join(" | ");
}

// The menus of old keep their names and places; what came after them is in two menus, and the
// bar fits a 1024-pixel editor.
TEST_F(Transparency, TheMenuBarFitsANarrowEditor) {
    open(MagentaAndGrey());
    auto* bar = editor->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Texts(bar->actions()),
              "Fermer et sauver  | Fermer | Nouvel élément | Edit | Zone | Propriétés de l'image | "
              "Affichage | Moteurs de jeu | Aide");
    EXPECT_LE(bar->sizeHint().width(), 1024);
    EXPECT_EQ(Texts(editor->viewMenu->actions()),
              "Outils de dessin | Aperçu en mosaïque | Aperçu des mipmaps | Aperçu éclairé");
    EXPECT_EQ(Texts(editor->engineMenu->actions()),
              "Carte de normales… | Couleur transparente… | Supprimer la transparence…");
}

}  // namespace
}  // namespace tessella::editor
