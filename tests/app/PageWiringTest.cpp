// The main window driving the page commands: new, add, replace, save, open, the source list.

#include <QFile>

#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::testing {
namespace {

using widgets::StepArrows;

class PageWiring : public WindowFixture {
  protected:
    // base.bmp, 256 x 192 green, opened as the page; src/bleu.bmp previewed.
    void openGreenPageWithBlueSource() {
        ASSERT_TRUE(Solid(256, 192, Qt::green).save(path("base.bmp"), "BMP"));
        source("bleu.bmp", Solid(64, 64, Qt::blue));
        showSources(1);
        openPage(path("base.bmp"));
        clickSource("bleu.bmp");
    }
    void startReplace() {
        prompts.expectMessage(MessageKind::Information, QString());  // any instructions
        window->replaceButton->click();
    }
};

TEST_F(PageWiring, NewPageIsMagentaInAWhiteFrameAndSavesAs12306Bytes) {
    newPage("page.tga");
    EXPECT_EQ(page.maxPageWidth, 512);
    EXPECT_EQ(window->pageView->size(), QSize(64, 64));
    EXPECT_EQ(viewPixel(61, 61), kMagenta);
    EXPECT_EQ(window->statusPanel(1)->text(), "page.tga");
    EXPECT_FALSE(window->sourceFrame->isHidden());
    window->savePageAction->trigger();
    // 18-byte header and 64 x 64 pixels of 3 bytes.
    EXPECT_EQ(QFileInfo(path("page.tga")).size(), 12306);
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiring, AddingTheClickedSourceGrowsThePageAndNewOrOpenAskOnlyThen) {
    const QString abandon = QString::fromUtf8(
        "La texture a été modifiée !\n\rVOULEZ-VOUS VRAIMENT L'ABANDONNER SANS SAUVER ?");
    ASSERT_TRUE(Solid(64, 64, Qt::gray).save(path("gris.bmp"), "BMP"));
    source("rouge.bmp", Solid(64, 64, Qt::red));
    showSources(1);
    // Previewed before there is a page: "Ajouter" and "Remplacer" wake with the new page.
    clickSource("rouge.bmp");
    EXPECT_FALSE(window->addButton->isEnabled());
    newPage("page.tga");
    EXPECT_TRUE(window->replaceButton->isEnabled());
    window->addButton->click();
    // The band grows one element ahead: 128 x 64, the right slot still magenta.
    EXPECT_EQ(window->pageView->size(), QSize(128, 64));
    EXPECT_EQ(viewPixel(0, 0), QColor(Qt::red));
    EXPECT_EQ(viewPixel(64, 1), kMagenta);
    EXPECT_TRUE(page.modified);
    // A zoomed view follows the page's growth: 192 x 64 at 2.0.
    window->zoomArrows->setPosition(20);
    window->applyZoom();
    window->addButton->click();
    EXPECT_EQ(window->pageView->size(), QSize(384, 128));
    // A touched page: the question, answered Oui, then the file opens untouched. Enter on it
    // would keep the page.
    prompts.expectMessage(MessageKind::Confirmation, abandon, Answer::Yes);
    openPage(path("gris.bmp"));
    EXPECT_EQ(prompts.shown().at(0).defaultAnswer, Answer::No);
    EXPECT_FALSE(page.modified);
    // Neither the page just opened nor the one just made asks again (the script refuses any
    // question).
    newPage("autre.tga");
    EXPECT_FALSE(page.modified);
    openPage(path("gris.bmp"));
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(prompts.shown().size(), 1u);
}

TEST_F(PageWiring, AnAddThatStopsOnADamagedFileEmptiesTheProgressBar) {
    source("1.bmp", Solid(64, 64, Qt::red));
    ASSERT_TRUE(WriteBytes(path("src/2.bmp"), "BM not a bitmap at all"));
    source("3.bmp", Solid(64, 64, Qt::blue));
    showSources(3);
    newPage("page.tga");
    window->selectAllButton->click();
    prompts.acceptUnscriptedOkBoxes(true);  // the loader's message
    window->addButton->click();
    EXPECT_FALSE(prompts.shown().empty());
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::red));  // what came before the damaged file
    EXPECT_EQ(window->progressBar->value(), 0);
}

TEST_F(PageWiring, ReplaceMovesByUpDownsThenValidates) {
    openGreenPageWithBlueSource();
    startReplace();
    EXPECT_TRUE(window->pageView->maskVisible());
    EXPECT_EQ(window->replaceXFineArrows->maximum(), 192);
    EXPECT_EQ(window->replaceYFineArrows->minimum(), -128);
    window->replaceXCoarseArrows->click(StepArrows::Button::Next);  // X 16
    window->replaceXFineArrows->click(StepArrows::Button::Next);    // X 17
    window->replaceYCoarseArrows->click(StepArrows::Button::Prev);  // -Y -16
    window->replaceYFineArrows->click(StepArrows::Button::Prev);    // -Y -17
    EXPECT_EQ(window->replacePositionLabel->text(), "17 x 17");
    EXPECT_EQ(window->replaceXCoarseArrows->position(), 17);
    EXPECT_EQ(window->replaceYCoarseArrows->position(), -17);
    EXPECT_EQ(window->pageView->maskRect(), QRect(17, 17, 64, 64));
    // The copy's edges are the mask's own test: here the page and the view take it.
    window->validateButton->click();
    EXPECT_FALSE(window->pageView->maskVisible());
    EXPECT_EQ(pagePixel(17, 17), QColor(Qt::blue));
    EXPECT_EQ(viewPixel(80, 80), QColor(Qt::blue));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiring, ZoomKeepsTheReplaceMaskOnItsElement) {
    openGreenPageWithBlueSource();
    startReplace();
    window->replaceXCoarseArrows->click(StepArrows::Button::Next);  // X 16
    window->replaceYCoarseArrows->click(StepArrows::Button::Prev);  // Y 16
    window->zoomArrows->setPosition(25);
    window->applyZoom();
    EXPECT_EQ(window->pageView->size(), QSize(640, 480));
    EXPECT_EQ(window->pageView->maskRect(), QRect(40, 40, 160, 160));
    // A click on the zoomed view is divided by the zoom: R(101 / 2.5) = R(40.4) = 40.
    QTest::mousePress(window->pageView, Qt::LeftButton, {}, QPoint(101, 250));
    EXPECT_EQ(window->replaceXFineArrows->position(), 40);
    EXPECT_EQ(window->replaceYFineArrows->position(), -100);
    EXPECT_EQ(window->pageView->maskRect(), QRect(100, 250, 160, 160));
}

TEST_F(PageWiring, SaveAsOverAnExistingFileAnsweredNoWritesNothing) {
    newPage("page.tga");
    ASSERT_TRUE(WriteBytes(path("autre.tga"), "old"));
    // The dialog asks about the name it answers; the program asks about the .tga it makes of
    // another name.
    prompts.expectFile(path("autre.bmp"))
        .expectMessage(
            MessageKind::Confirmation,
            QString::fromUtf8("Le fichier spécifié %1 existe !\n\r  FAUT-IL LE REMPLACER ?")
                .arg(path("autre.tga")),
            Answer::No);
    window->savePageAsAction->trigger();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].defaultAnswer, Answer::No);
    EXPECT_EQ(QFileInfo(path("autre.tga")).size(), 3);
    EXPECT_FALSE(QFileInfo::exists(path("page.tga")));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiring, EnabledStatesThroughThePagesLife) {
    source("bleu.bmp", Solid(64, 64, Qt::blue));
    showSources(1);
    struct States {
        bool save, print, extract, edit, add, replace, validate, positions;
    };
    auto check = [this](const char* stage, States s) {
        SCOPED_TRACE(stage);
        EXPECT_EQ(window->savePageAction->isEnabled(), s.save);
        EXPECT_EQ(window->savePageAsAction->isEnabled(), s.save);
        EXPECT_EQ(window->engineExportAction->isEnabled(), s.save);
        EXPECT_EQ(window->printPageAction->isEnabled(), s.print);
        EXPECT_EQ(window->extractElementsAction->isEnabled(), s.extract);
        EXPECT_EQ(window->editSourceAction->isEnabled(), s.edit);
        EXPECT_EQ(window->sourcePreview->isEnabled(), s.edit);
        EXPECT_EQ(window->addButton->isEnabled(), s.add);
        EXPECT_EQ(window->replaceButton->isEnabled(), s.replace);
        EXPECT_EQ(window->validateButton->isEnabled(), s.validate);
        EXPECT_EQ(window->abandonButton->isEnabled(), s.validate);
        for (StepArrows* u : {window->replaceXFineArrows, window->replaceYFineArrows,
                              window->replaceXCoarseArrows, window->replaceYCoarseArrows})
            EXPECT_EQ(u->isEnabled(), s.positions);
    };
    check("start", {false, false, false, false, false, false, false, true});
    newPage("page.tga");
    check("new", {true, true, false, false, false, false, false, true});
    clickSource("bleu.bmp");
    check("preview", {true, true, false, true, true, true, false, true});
    window->addButton->click();
    check("add", {true, true, false, true, true, true, false, true});
    startReplace();
    check("replace", {true, true, false, true, true, true, true, true});
    window->validateButton->click();
    check("validate", {true, true, true, true, true, true, false, false});
}

TEST_F(PageWiring, SelectAllTogglesAndAddsEverySelectedFileInListOrder) {
    source("1.bmp", Solid(64, 64, Qt::red));
    source("2.bmp", Solid(64, 64, Qt::blue));
    source("3.bmp", Solid(64, 64, Qt::yellow));
    showSources(3);
    EXPECT_TRUE(window->selectAllButton->isEnabled());
    window->selectAllButton->click();
    EXPECT_EQ(window->selectAllButton->text(), QString::fromUtf8("Tout désélectionner"));
    EXPECT_EQ(window->selectedCountLabel->value(), 3);
    EXPECT_FALSE(window->addButton->isEnabled());  // no page yet
    window->selectAllButton->click();
    EXPECT_EQ(window->selectAllButton->text(), QString::fromUtf8("Tout sélectionner"));
    EXPECT_EQ(window->selectedCountLabel->value(), 0);
    EXPECT_FALSE(window->fileList->selectionModel()->hasSelection());

    newPage("page.tga");
    window->selectAllButton->click();
    ASSERT_TRUE(window->addButton->isEnabled());
    window->addButton->click();
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::red));
    EXPECT_EQ(pagePixel(64, 0), QColor(Qt::blue));
    EXPECT_EQ(pagePixel(128, 0), QColor(Qt::yellow));
    EXPECT_EQ(window->pageView->size(), QSize(256, 64));
    EXPECT_EQ(window->progressBar->value(), 0);
}

TEST_F(PageWiring, OpenShowsTheSizeAndTheImportListSetsTheImportSize) {
    ASSERT_TRUE(Solid(300, 200, Qt::gray).save(path("grand.bmp"), "BMP"));
    openPage(path("grand.bmp"));
    window->importSizeCombo->setCurrentText("32 x 128");
    window->changeImportSize();
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(32, 128));
    EXPECT_EQ(page.pageWidth, 300);
}

TEST_F(PageWiring, NewElementGoesToTheEditorOnlyAfterItsDialogsOk) {
    editor::NewElementDialog& dialog = *window->newElementDialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.cancelButton->click(); });
    window->newElementAction->trigger();
    EXPECT_TRUE(elementEditor.requests.empty());
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.okButton->click(); });
    window->newElementAction->trigger();
    ASSERT_EQ(elementEditor.requests.size(), 1u);
    EXPECT_TRUE(elementEditor.requests[0].newElementMode);
    EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace tessella::testing
