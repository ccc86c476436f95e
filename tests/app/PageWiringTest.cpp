#include <QFile>

#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::testing {
namespace {

using widgets::StepArrows;

class PageWiring : public WindowFixture {};

TEST_F(PageWiring, NewAddSaveZoomThenOpenAsksBeforeLosingTheTouchedPage) {
    const QString abandon = QString::fromUtf8(
        "La texture a été modifiée !\n\rVOULEZ-VOUS VRAIMENT L'ABANDONNER SANS SAUVER ?");
    ASSERT_TRUE(Solid(64, 64, Qt::gray).save(path("gris.bmp"), "BMP"));
    source("rouge.bmp", Solid(64, 64, Qt::red));
    showSources(1);
    newPage("page.tga");
    EXPECT_EQ(viewPixel(61, 61), kMagenta);
    EXPECT_EQ(window->statusPanel(1)->text(), "page.tga");
    window->savePageAction->trigger();
    EXPECT_EQ(QFileInfo(path("page.tga")).size(), 12306);
    // The title names the page, marked once it is modified.
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("page.tga — TESSELLA"));
    clickSource("rouge.bmp");
    window->addButton->click();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("page.tga* — TESSELLA"));
    // The band grows one element ahead: 128 x 64, the right slot still magenta.
    EXPECT_EQ(window->pageView->size(), QSize(128, 64));
    EXPECT_EQ(viewPixel(0, 0), QColor(Qt::red));
    EXPECT_EQ(viewPixel(64, 1), kMagenta);
    // A zoomed view follows the page's growth: 192 x 64 at 2.0.
    window->zoomArrows->setPosition(20);
    window->applyZoom();
    window->addButton->click();
    EXPECT_EQ(window->pageView->size(), QSize(384, 128));
    // Enter on the question keeps the page; Oui opens the file, which then asks nothing.
    prompts.expectMessage(MessageKind::Confirmation, abandon, Answer::Yes);
    openPage(path("gris.bmp"));
    EXPECT_EQ(prompts.shown().at(0).defaultAnswer, Answer::No);
    EXPECT_FALSE(page.modified);
    openPage(path("gris.bmp"));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiring, SelectAllAddsInListOrderAndStopsAtADamagedFile) {
    source("1.bmp", Solid(64, 64, Qt::red));
    source("2.bmp", Solid(64, 64, Qt::blue));
    ASSERT_TRUE(WriteBytes(path("src/3.bmp"), "BM not a bitmap at all"));
    source("4.bmp", Solid(64, 64, Qt::yellow));
    showSources(4);
    newPage("page.tga");
    window->selectAllButton->click();
    EXPECT_EQ(window->selectedCountLabel->value(), 4);
    prompts.acceptUnscriptedOkBoxes(true);  // the loader's message
    window->addButton->click();
    EXPECT_FALSE(prompts.shown().empty());
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::red));
    EXPECT_EQ(pagePixel(64, 0), QColor(Qt::blue));
    EXPECT_EQ(page.insertX, 128);  // 4.bmp, after the damaged file, is not placed
    EXPECT_EQ(window->progressBar->value(), 0);
}

TEST_F(PageWiring, ReplaceMovesByTheArrowsThenValidates) {
    ASSERT_TRUE(Solid(256, 192, Qt::green).save(path("base.bmp"), "BMP"));
    source("bleu.bmp", Solid(64, 64, Qt::blue));
    showSources(1);
    openPage(path("base.bmp"));
    clickSource("bleu.bmp");
    prompts.expectMessage(MessageKind::Information, QString());  // any instructions
    window->replaceButton->click();
    window->replaceXCoarseArrows->click(StepArrows::Button::Next);  // X 16
    window->replaceXFineArrows->click(StepArrows::Button::Next);    // X 17
    window->replaceYCoarseArrows->click(StepArrows::Button::Prev);  // -Y -16
    window->replaceYFineArrows->click(StepArrows::Button::Prev);    // -Y -17
    EXPECT_EQ(window->replacePositionLabel->text(), "17 x 17");
    EXPECT_EQ(window->pageView->maskRect(), QRect(17, 17, 64, 64));
    window->validateButton->click();
    EXPECT_FALSE(window->pageView->maskVisible());
    EXPECT_EQ(pagePixel(17, 17), QColor(Qt::blue));
    EXPECT_EQ(viewPixel(80, 80), QColor(Qt::blue));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiring, SaveAsOverAnExistingFileAnsweredNoWritesNothing) {
    newPage("page.tga");
    ASSERT_TRUE(WriteBytes(path("autre.tga"), "old"));
    // The program asks about the .tga it makes of another name.
    prompts.expectFile(path("autre.bmp"))
        .expectMessage(
            MessageKind::Confirmation,
            QString::fromUtf8("Le fichier spécifié %1 existe !\n\r  FAUT-IL LE REMPLACER ?")
                .arg(path("autre.tga")),
            Answer::No);
    window->savePageAsAction->trigger();
    EXPECT_EQ(prompts.shown().at(0).defaultAnswer, Answer::No);
    EXPECT_EQ(QFileInfo(path("autre.tga")).size(), 3);
    EXPECT_FALSE(QFileInfo::exists(path("page.tga")));
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
}  // namespace tessella::testing
