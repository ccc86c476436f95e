// The catalogue window used as a person would: showing, paging, zoom, the folder questions and
// the hand-over of a texture, through the scripted prompts.

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <QAccessible>
#include "ui/catalogue/CatalogueTexts.h"
#include "ui/catalogue/CatalogueWindow.h"
#include "ui/catalogue/ThumbnailBox.h"
#include "ui/editor/ElementEditor.h"
#include "ui/widgets/ImageBox.h"

#include "tests/support/ContextFixture.h"
#include "tests/support/Pictures.h"
#include "tests/support/TestFiles.h"

using namespace tessella;
using namespace tessella::testing;
using catalogue::CatalogueWindow;
using platform::Answer;
using platform::MessageKind;

namespace {

class Catalogue : public AppFixture {
  protected:
    Catalogue() { window = std::make_unique<CatalogueWindow>(prompts, context.programFolder); }

    QString textures() const { return path("Clips_Textures"); }
    // name.bmp, w x h, in folder.
    static void writeBitmap(const QString& folder, const QString& name, QSize size,
                            QColor colour = Qt::darkCyan) {
        QDir().mkpath(folder);
        ASSERT_TRUE(
            Solid(size.width(), size.height(), colour).save(QDir(folder).filePath(name), "BMP"));
    }
    void writeTextures(int count) {
        for (int i = 1; i <= count; ++i)
            writeBitmap(textures(), QStringLiteral("t%1.bmp").arg(i, 2, 10, QChar('0')), {50, 20});
    }
    // The picture control's signal, as a double click of the mouse raises it.
    static void doubleClickOn(catalogue::ThumbnailBox* box) { emit box->picture->doubleClicked(); }
    static void click(catalogue::ThumbnailBox* box) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box->picture, &event);
    }
    QStringList captions() const {
        QStringList titles;
        for (auto* box : window->boxes) titles << box->title();
        return titles;
    }

    std::unique_ptr<CatalogueWindow> window;
};

TEST_F(Catalogue, FourteenFilesPageBySixAndTheLastPageIsTheLastSix) {
    writeTextures(14);
    window->begin();
    window->finishReading();
    EXPECT_EQ(window->summaryLabel->text(), "  [ Clips_Textures ]      14 texture(s)");
    EXPECT_TRUE(window->gridPanel->isEnabled());
    struct Step {
        QToolButton* CatalogueWindow::*button;
        const char* range;
        int first, last;  // the files shown, t<first>.bmp to t<last>.bmp
    } steps[] = {
        {&CatalogueWindow::nextPageButton, "7 à 12", 7, 12},
        {&CatalogueWindow::nextPageButton, "13 à 14", 13, 14},
        // On the last page "Suivante" is disabled: a click changes nothing.
        {&CatalogueWindow::nextPageButton, "13 à 14", 13, 14},
        {&CatalogueWindow::firstPageButton, "1 à 6", 1, 6},
        {&CatalogueWindow::lastPageButton, "9 à 14", 9, 14},
        {&CatalogueWindow::previousPageButton, "3 à 8", 3, 8},
    };
    EXPECT_EQ(window->rangeLabel->text(), "1 à 6");
    // A screen reader reads the range with its name.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->rangeLabel)->text(QAccessible::Name),
              QString::fromUtf8("Images affichées : 1 à 6"));
    auto enabled = [this] {
        return std::vector<bool>{
            window->firstPageButton->isEnabled(), window->previousPageButton->isEnabled(),
            window->nextPageButton->isEnabled(), window->lastPageButton->isEnabled()};
    };
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, true, true}));
    for (const Step& s : steps) {
        (window.get()->*s.button)->click();
        window->finishReading();
        EXPECT_EQ(window->rangeLabel->text(), s.range);
        QStringList shown(6, " ");  // empty boxes show a blank title
        for (int n = s.first; n <= s.last; ++n)
            shown[n - s.first] = QStringLiteral("t%1.bmp").arg(n, 2, 10, QChar('0'));
        EXPECT_EQ(captions(), shown);
        const bool first = s.first == 1, last = s.last == 14;
        EXPECT_EQ(enabled(), (std::vector<bool>{!first, !first, !last, !last})) << s.range;
    }
}

TEST_F(Catalogue, ThePagesBesideTheOneShownAreReadAheadAndAPageSeenShowsAtOnce) {
    writeTextures(14);
    window->begin();
    window->finishReading();
    // Without waiting for the worker: the pictures were read with the first page.
    window->showNextPage();
    EXPECT_EQ(captions(),
              QStringList({"t07.bmp", "t08.bmp", "t09.bmp", "t10.bmp", "t11.bmp", "t12.bmp"}));
    window->finishReading();
    window->showFirstPage();
    EXPECT_EQ(captions().first(), "t01.bmp");
    // A texture changed since: its box waits for the new picture, the others do not.
    writeBitmap(textures(), "t02.bmp", {30, 30});
    window->showNextPage();
    window->showFirstPage();
    EXPECT_EQ(captions(),
              QStringList({"t01.bmp", " ", "t03.bmp", "t04.bmp", "t05.bmp", "t06.bmp"}));
    window->finishReading();
    EXPECT_EQ(window->boxes[1]->title(), "t02.bmp");
    EXPECT_EQ(window->boxes[1]->dimensionText(), "30 x 30");
}

TEST_F(Catalogue, TheSizePanelFitsItsTextAndForgetsAnotherFoldersTexture) {
    writeBitmap(textures(), "grand.bmp", {128, 128});
    writeBitmap(path("autre"), "petit.bmp", {8, 8});
    window->begin();
    window->finishReading();
    click(window->boxes[0]);
    QLabel* size = window->statusPanels[2];
    EXPECT_EQ(window->statusPanels[1]->text(), "grand.bmp");
    EXPECT_EQ(size->text(), "128 x 128  ");
    EXPECT_GE(size->contentsRect().width(), size->fontMetrics().horizontalAdvance("128 x 128"));
    prompts.expectFolder(path("autre"));
    window->chooseFolderAction->trigger();
    EXPECT_EQ(window->statusPanels[1]->text(), "");
    EXPECT_EQ(size->text(), "");
}

TEST_F(Catalogue, TheZoomBoxRefitsWithoutReadingAgainAndAClickShowsTheFile) {
    writeBitmap(textures(), "mur.bmp", {50, 20});
    window->begin();
    window->finishReading();
    auto* box = window->boxes[0];
    EXPECT_EQ(box->picture->geometry(), QRect(2, 45, 100, 40));
    ASSERT_TRUE(QDir(textures()).removeRecursively());
    window->zoomSmallCheck->setChecked(false);
    EXPECT_EQ(box->picture->geometry(), QRect(27, 55, 50, 20));
    EXPECT_FALSE(box->picture->picture().isNull());
    click(box);
    EXPECT_EQ(window->statusPanels[1]->text(), "mur.bmp");
    EXPECT_EQ(window->statusPanels[2]->text(), "50 x 20  ");
    click(window->boxes[1]);  // empty: nothing
    EXPECT_EQ(window->statusPanels[1]->text(), "mur.bmp");
}

TEST_F(Catalogue, AMissingFolderIsCreatedOnYesAndIsAnEmptyCatalogueOtherwise) {
    const QString question = catalogue::kMissingFolderQuestion.arg("Clips_Textures");
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::Yes)
        .expectMessage(MessageKind::Warning, catalogue::kEmptyFolderWarning);
    window->begin();
    window->finishReading();
    EXPECT_TRUE(QFileInfo(textures()).isDir());
    EXPECT_FALSE(window->gridPanel->isEnabled());

    ASSERT_TRUE(QDir(textures()).removeRecursively());
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::No);
    window->begin();
    window->finishReading();
    EXPECT_FALSE(QFileInfo(textures()).exists());
    EXPECT_EQ(window->summaryLabel->text(), "  [ Clips_Textures ]      0 texture(s)");
    EXPECT_FALSE(window->gridPanel->isEnabled());
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(Catalogue, AFolderThatCannotBeCreatedIsSaidAndEmpty) {
    // The program's folder is a file: nothing can be made inside it.
    ASSERT_TRUE(WriteBytes(path("program")));
    context.programFolder = platform::ProgramFolder(path("program"));
    const QString folder = path("program") + "/Clips_Textures";
    prompts.expectMessage(MessageKind::Confirmation, {}, Answer::Yes)
        .expectMessage(MessageKind::Error, catalogue::kFolderNotCreated.arg(folder));
    window->begin();
    window->finishReading();
    EXPECT_EQ(window->summaryLabel->text(), "  [ Clips_Textures ]      0 texture(s)");
    EXPECT_FALSE(window->gridPanel->isEnabled());
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(Catalogue, AnUnreadableFileLeavesItsBoxEmptyAndTheOthersFollow) {
    writeBitmap(textures(), "a.bmp", {8, 8});
    writeBitmap(textures(), "c.bmp", {8, 8});
    ASSERT_TRUE(WriteBytes(QDir(textures()).filePath("b.bmp"), "BM not a bitmap"));
    prompts.expectMessage(MessageKind::Error, catalogue::kUnreadableTextures.arg("b.bmp"));
    window->begin();
    window->finishReading();
    EXPECT_EQ(captions(), QStringList({"a.bmp", " ", "c.bmp", " ", " ", " "}));
    EXPECT_EQ(window->rangeLabel->text(), "1 à 3");
    doubleClickOn(window->boxes[1]);  // an empty box: nothing happens
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(Catalogue, TheMenuChoosesAnotherFolderAndRefreshFindsNewFiles) {
    writeTextures(2);
    window->begin();
    window->finishReading();
    const QString other = path("autres");
    writeBitmap(other, "x.bmp", {4, 4});
    prompts.expectFolder(other);
    window->chooseFolderAction->trigger();
    window->finishReading();
    EXPECT_EQ(window->summaryLabel->text(), "  [ autres ]      1 texture(s)");
    EXPECT_EQ(captions().first(), "x.bmp");
    writeBitmap(other, "y.bmp", {4, 4});
    window->refresh();
    EXPECT_EQ(window->summaryLabel->text(), "  [ autres ]      2 texture(s)");
    // An empty folder chosen: the grid is off, without a message.
    QDir().mkpath(path("vide"));
    prompts.expectFolder(path("vide"));
    window->chooseFolderAction->trigger();
    EXPECT_FALSE(window->gridPanel->isEnabled());
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(Catalogue, ADoubleClickHandsTheTextureToTheColourWindowAndCloses) {
    const QString folder = path("TextureFond");
    writeBitmap(folder, "fond.bmp", {16, 16}, Qt::darkRed);
    QImage received;
    QString receivedPath;
    QObject::connect(window.get(), &CatalogueWindow::textureForColourWindow,
                     [&](const QImage& picture, const QString& path) {
                         received = picture;
                         receivedPath = path;
                     });
    window->show();
    window->begin(folder);
    window->finishReading();
    doubleClickOn(window->boxes[0]);
    EXPECT_EQ(receivedPath, QDir(folder).filePath("fond.bmp"));
    EXPECT_EQ(received.pixelColor(3, 3), QColor(Qt::darkRed));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Catalogue, ADoubleClickHandsTheTextureToTheEditorWhichKeepsAnUndoCopy) {
    writeBitmap(textures(), "bois.bmp", {16, 8}, Qt::darkYellow);
    writeBitmap(textures(), "pierre.bmp", {16, 8}, Qt::gray);
    editor::ElementEditor editor(context.editorServices());
    QObject::connect(window.get(), &CatalogueWindow::textureForEditor, &editor,
                     &editor::ElementEditor::takeTexture);
    texture::ElementRequest request;
    request.picture = Solid(4, 4, Qt::white);
    editor.begin(request);
    window->show();
    window->begin();
    window->finishReading();
    doubleClickOn(window->boxes[0]);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(editor.picture(), Solid(16, 8, Qt::darkYellow));
    EXPECT_EQ(editor.reloadPath(), QDir(textures()).filePath("bois.bmp"));
    EXPECT_EQ(editor.dimensionsLabel->text(), "16x8");
    ASSERT_TRUE(editor.undoButton->isEnabled());

    // A file spoilt since the page was shown: a message, and the element stays.
    ASSERT_TRUE(WriteBytes(QDir(textures()).filePath("pierre.bmp")));
    prompts.expectMessage(MessageKind::Error, {});
    doubleClickOn(window->boxes[1]);
    EXPECT_EQ(editor.picture(), Solid(16, 8, Qt::darkYellow));

    editor.undoButton->click();
    EXPECT_EQ(editor.picture(), Solid(4, 4, Qt::white));
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
