// Editing a source or a new element in the element editor, and the new element dialog.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "platform/Error.h"
#include "tests/support/FakeElementEditor.h"
#include "tests/texture/PageFixture.h"
#include "tests/texture/Sprites.h"
#include "texture/ElementEditFlow.h"
#include "ui/editor/NewElementDialog.h"

using namespace tessella;
using namespace tessella::testing;
using editor::NewElementDialog;
using platform::Answer;
using platform::ColourValue;
using platform::MessageKind;

namespace {

using texture::EditorResult;
using texture::NewElementSettings;

// Colours are kept as 0xBBGGRR: red from the list is 0x0000FF.
TEST(Nouveau, ColoursComeFromTheListOrFromAutre) {
    NewElementSettings settings;
    ScriptedPrompts prompts;
    NewElementDialog dialog{settings, prompts};
    const auto& colours = NewElementDialog::Colours();
    const auto red = std::find_if(colours.begin(), colours.end(),
                                  [](const auto& c) { return c.first == QStringLiteral("Rouge"); });
    ASSERT_NE(red, colours.end());
    emit dialog.colourCombo->activated(static_cast<int>(red - colours.begin()));
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x0000FF));
    EXPECT_EQ(dialog.colourSwatch->palette().color(QPalette::Window), QColor(255, 0, 0));
    prompts.expectColour(ColourValue(0x123456));
    dialog.otherColourButton->click();
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x123456));
    prompts.expectColour(std::nullopt);  // cancelled: nothing changes
    dialog.otherColourButton->click();
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x123456));
}

class ElementEditFlowTest : public PageFixture {
  protected:
    texture::ElementEditFlow flow() {
        return texture::ElementEditFlow(context(), editor, [this] { ++listRefreshes; });
    }
    // A previewed source, as a click on sources/mur.jpg would leave it.
    void previewSource() {
        page.sourceFileName = path("sources/mur.jpg");
        page.sourcePicture = Solid(16, 8, Qt::red);
    }
    FakeElementEditor editor;
    int listRefreshes = 0;
};

}  // namespace

TEST_F(ElementEditFlowTest, EditSavedWritesTheBmpAndBecomesThePreview) {
    EXPECT_TRUE(flow().editSource().isEmpty());  // nothing previewed, nothing edited
    EXPECT_TRUE(editor.requests.empty());
    previewSource();
    const QImage edited = Solid(24, 16, QColor(0, 0, 255));
    editor.answer = {EditorResult::SaveAsked, edited};
    prompts.expectMessage(MessageKind::Confirmation, "Sauvegarde", Answer::Yes)
        .expectFile(path("elt.gif"));
    const QString written = flow().editSource();
    ASSERT_EQ(editor.requests.size(), 1u);
    EXPECT_EQ(editor.requests[0].picture, Solid(16, 8, Qt::red));
    // The chosen name takes .bmp; the dialog proposed the source's name with .bmp.
    EXPECT_EQ(written, path("elt.bmp"));
    EXPECT_EQ(prompts.dialogInitialPaths()[0], path("sources/mur.bmp"));
    EXPECT_FALSE(QFileInfo::exists(path("elt.gif")));
    // 24-bit BMP: 54-byte headers, 16 rows of 24 x 3 = 72 bytes.
    EXPECT_EQ(QFileInfo(written).size(), 54 + 16 * 72);
    EXPECT_EQ(QImage(written, "BMP").pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(page.sourcePicture, edited);
    EXPECT_EQ(page.sourceFileName, written);
    EXPECT_EQ(listRefreshes, 1);
}

// A name in .PNG is written as a PNG; a sprite is offered back as a PNG and written with its
// alpha texel for texel.
TEST_F(ElementEditFlowTest, PngNamesAndSpritesAreWrittenAsPng) {
    const struct {
        QImage preview, edited;
        const char *chosen, *proposed;
    } rows[] = {
        {Solid(16, 8, Qt::red), Solid(24, 16, QColor(10, 200, 30)), "elt.PNG", "sources/mur.bmp"},
        {Sprite(16, 8), Sprite(16, 8, 90), "mur.png", "sources/mur.png"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.chosen);
        previewSource();
        page.sourcePicture = row.preview;
        editor.answer = {EditorResult::SaveAsked, row.edited};
        prompts.expectMessage(MessageKind::Confirmation, "Sauvegarde", Answer::Yes)
            .expectFile(path(row.chosen));
        const QString written = flow().editSource();
        EXPECT_EQ(prompts.dialogInitialPaths().back(), path(row.proposed));
        ASSERT_EQ(written, path(row.chosen));
        EXPECT_EQ(QImage(written, "PNG").convertToFormat(row.edited.format()), row.edited);
    }
}

// "Non" to "Sauvegarde" on an unchanged element, or the save dialog cancelled: nothing written,
// the preview kept. The unsaved-changes question after "Non" is editor/ClosingQuestionsTest's.
TEST_F(ElementEditFlowTest, DecliningLeavesFilesAndPreviewAlone) {
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save);
        previewSource();
        editor.resumed = 0;
        editor.answer = {EditorResult::SaveAsked, Solid(8, 8, Qt::green), save};
        prompts.expectMessage(MessageKind::Confirmation, "Sauvegarde",
                              save ? Answer::Yes : Answer::No);
        if (save) prompts.expectFile(std::nullopt);
        EXPECT_TRUE(flow().editSource().isEmpty());
        EXPECT_TRUE(prompts.scriptDone());
        EXPECT_EQ(editor.resumed, save ? 1 : 0);  // back in the editor with the edit
        EXPECT_EQ(page.sourcePicture, Solid(16, 8, Qt::red));
        EXPECT_EQ(page.sourceFileName, path("sources/mur.jpg"));
        EXPECT_EQ(listRefreshes, 0);
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
}

TEST_F(ElementEditFlowTest, AFailedWriteGoesBackToTheEditorAndTheNextPlaceIsWritten) {
    previewSource();
    const QImage edited = Solid(4, 4, Qt::blue);
    editor.answer = {EditorResult::SaveAsked, edited, true};
    editor.resumeAnswers.push_back({EditorResult::SaveConfirmed, edited, true});
    prompts.expectMessage(MessageKind::Confirmation, "Sauvegarde", Answer::Yes)
        .expectFile(path("missing/folder/elt.bmp"))
        .expectMessage(MessageKind::Error, QString())
        .expectFile(path("elt.bmp"));
    EXPECT_EQ(flow().editSource(), path("elt.bmp"));
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(editor.resumed, 1);
    EXPECT_EQ(page.sourcePicture, edited);
}

TEST_F(ElementEditFlowTest, NewElementHandsOverTheSettingsAndSavesInTheSourceFolder) {
    page.sourceFolder = dir.path() + '/';
    page.sourceFileName = path("sources/mur.jpg");  // the preview of before
    texture::NewElementSettings settings{48, 16, platform::ColourValue(0x00123456u)};
    editor.answer = {EditorResult::SaveAsked, Solid(48, 16, Qt::white)};
    prompts.expectMessage(MessageKind::Confirmation, "Sauvegarde", Answer::Yes)
        .expectFile(path("neuf"));
    EXPECT_EQ(flow().newElement(settings), path("neuf.bmp"));
    ASSERT_EQ(editor.requests.size(), 1u);
    EXPECT_TRUE(editor.requests[0].newElementMode);
    EXPECT_EQ(editor.requests[0].settings.backgroundColour, platform::ColourValue(0x00123456u));
    EXPECT_EQ(prompts.dialogInitialPaths()[0], page.sourceFolder);
    EXPECT_EQ(QFileInfo(path("neuf.bmp")).size(), 54 + 16 * 144);  // 48 x 3 bytes a row
    EXPECT_TRUE(page.sourcePicture.isNull());                      // the preview is not replaced
}
