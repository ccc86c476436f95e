// The main window as users met it: the element count, the source list after an element saved
// under a new name, compaction that refuses or has nothing to do, and a page given on the
// command line.

#include <QPainter>

#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "texture/AtlasData.h"
#include "texture/ElementEditFlow.h"
#include "texture/PageEvents.h"
#include "texture/PageTexts.h"

namespace tessella::testing {
namespace {

class UserReports : public WindowFixture {
  protected:
    // A 256 x 64 page: red, green and blue 64 x 64 elements from the left, white after them,
    // its list naming the three (or, with listed false, only the last two).
    void threeElementPage(bool listed = true) {
        QImage picture(256, 64, QImage::Format_BGR888);
        picture.fill(Qt::white);
        const QColor colours[3] = {Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 3; ++i) QPainter(&picture).fillRect(64 * i, 0, 64, 64, colours[i]);
        ASSERT_TRUE(picture.save(path("page.png"), "PNG"));
        std::vector<texture::AtlasFrame> frames = {{QRect(64, 0, 64, 64), "b.bmp"},
                                                   {QRect(128, 0, 64, 64), "c.bmp"}};
        if (listed) frames.insert(frames.begin(), {QRect(0, 0, 64, 64), "a.bmp"});
        ASSERT_TRUE(
            WriteBytes(path("page.json"), texture::AtlasJson(frames, "page.png", QSize(256, 64))));
    }
    QString elementCount() const {
        return window->statusPanel(texture::kPanelElementCount)->text();
    }
};

// With atlas data, the panel counts its elements (3, where the 64 x 64 cells would make 4), and
// follows "Ajouter" and "Compacter la texture"; a new page starts at none.
TEST_F(UserReports, TheElementCountIsTheListsAndStaysCurrent) {
    threeElementPage();
    source("x.bmp", Solid(64, 64, Qt::yellow));
    showSources(1);
    openPage(path("page.png"));
    EXPECT_EQ(elementCount(), " 3");

    clickSource("x.bmp");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.sourcePicture.isNull(); }, 5000));
    window->addButton->click();
    EXPECT_EQ(page.pageBitmap.height(), 128);  // a row of its own under the page's
    EXPECT_EQ(elementCount(), " 4");

    window->statusPanel(texture::kPanelElementCount)->clear();
    prompts.expectMessage(MessageKind::Confirmation, texture::kCompactQuestion.arg(4).arg(256),
                          Answer::Yes);
    window->compactPageAction->trigger();
    EXPECT_EQ(page.pageBitmap.height(), 64);
    EXPECT_EQ(elementCount(), " 4");

    prompts.expectMessage(MessageKind::Confirmation, QString(), Answer::Yes);  // abandon it
    newPage("neuve.tga");
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(elementCount(), " 0");
}

// Compaction that refuses or has nothing to do, each page opened in turn. The list names b and
// c but not a (saved by a page opened without its list): compacting would lose a, so the
// program refuses and names the first pixel of it. A page without a list is refused. One row
// of two elements listed right to left: a packer given them in name order would swap them in
// the same height. Already compact: said, nothing moved, the page not modified.
TEST_F(UserReports, CompactionRefusesUnlistedElementsAndLeavesACompactPageAlone) {
    threeElementPage(false);
    openPage(path("page.png"));
    prompts.expectMessage(MessageKind::Error, texture::kCompactUnlistedPixels.arg(0).arg(0));
    window->compactPageAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(page.pageBitmap.height(), 64);
    EXPECT_EQ(page.frames.size(), 2u);
    EXPECT_FALSE(page.modified);

    ASSERT_TRUE(Solid(128, 128, Qt::red).save(path("nue.bmp"), "BMP"));
    openPage(path("nue.bmp"));
    prompts.expectMessage(MessageKind::Error, texture::kCompactNoFrames);
    window->compactPageAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(page.pageBitmap.height(), 128);

    QImage picture(128, 64, QImage::Format_BGR888);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(0, 0, 64, 64, Qt::blue);
    ASSERT_TRUE(picture.save(path("page.png"), "PNG"));
    const std::vector<texture::AtlasFrame> frames = {{QRect(64, 0, 64, 64), "a.bmp"},
                                                     {QRect(0, 0, 64, 64), "b.bmp"}};
    ASSERT_TRUE(
        WriteBytes(path("page.json"), texture::AtlasJson(frames, "page.png", QSize(128, 64))));
    openPage(path("page.png"));
    prompts
        .expectMessage(MessageKind::Confirmation, texture::kCompactQuestion.arg(2).arg(128),
                       Answer::Yes)
        .expectMessage(MessageKind::Information, texture::kCompactAlreadyTight);
    window->compactPageAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(page.frames, frames);
    EXPECT_EQ(pagePixel(5, 5), QColor(Qt::blue));
    EXPECT_FALSE(page.modified);
    EXPECT_FALSE(window->windowTitle().contains('*'));
}

// "Fermer et sauver" under a new name: the preview shows the new file, and the list selects it
// instead of the edited one, so that "Ajouter" and the list agree.
TEST_F(UserReports, AfterSavingAnElementUnderANewNameTheListSelectsIt) {
    source("feuille.bmp", Solid(64, 64, Qt::green));
    showSources(1);
    clickSource("feuille.bmp");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.sourcePicture.isNull(); }, 5000));
    elementEditor.answer = {texture::EditorResult::SaveAsked, Solid(64, 64, Qt::black), true};
    prompts.expectMessage(MessageKind::Confirmation, texture::kSaveElementQuestion, Answer::Yes)
        .expectFile(path("src/feuille_neg.bmp"));
    window->editSourceAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(page.sourceFileName, path("src/feuille_neg.bmp"));
    const auto selected = [&] {
        QStringList names;
        for (const texture::SourceEntry& e : window->sourceEntries())
            if (e.selected) names << QFileInfo(e.path).fileName();
        return names;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return selected() == QStringList{"feuille_neg.bmp"}; }, 5000))
        << selected().join(' ').toStdString();
    EXPECT_EQ(window->selectedCountLabel->value(), 1);
}

// "tessella page.png", as a file manager starts it: the page opens, without a file dialog.
TEST_F(UserReports, AFileGivenAtStartOpensAsThePage) {
    threeElementPage();
    window->openPageFile(path("page.png"));
    EXPECT_TRUE(page.pageOpen);
    EXPECT_EQ(page.textureFileName, path("page.png"));
    EXPECT_EQ(page.frames.size(), 3u);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("page.png — TESSELLA"));
    // Without atlas data the count is of import-size cells: 256 x 64 holds four.
    ASSERT_TRUE(QFile::remove(path("page.json")));
    window->openPageFile(path("page.png"));
    EXPECT_EQ(elementCount(), " 4");
}

// A list whose frame leaves the page: opening says why, and the export names the frame instead
// of saying there is no list.
TEST_F(UserReports, AListThatDoesNotFitNamesItsFrame) {
    threeElementPage();
    ASSERT_TRUE(WriteBytes(path("page.json"),
                           R"({"frames": {"a.bmp": {"frame": {"x":224,"y":0,"w":64,"h":64}}}})"));
    const QString why =
        QString::fromUtf8("l'élément a.bmp (64 x 64 en 224, 0) sort de la texture (256 x 64).");
    prompts.expectMessage(
        MessageKind::Warning,
        texture::kAtlasMismatchWarning.arg(path("page.json")) + "\n\rRaison : " + why);
    window->openPageFile(path("page.png"));
    prompts.expectMessage(MessageKind::Error,
                          texture::kEngineAtlasDataRefused.arg(path("page.json"), why));
    window->engineExportAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
}  // namespace tessella::testing
