#include "tests/app/WindowFixture.h"

namespace tessella::testing {
namespace {

class MainWindow : public WindowFixture {};

TEST_F(MainWindow, ZoomShowsTheFactorAndScalesTheViewWithTiesToEven) {
    window->pageView->setPicture(Solid(200, 100, Qt::white));
    window->zoomArrows->setPosition(7);
    window->applyZoom();
    EXPECT_EQ(window->zoomLabel->text(), "0.7");
    EXPECT_EQ(window->pageView->size(), QSize(140, 70));
    window->zoomResetButton->click();
    EXPECT_EQ(window->zoomLabel->text(), "1.0");
    EXPECT_EQ(window->pageView->size(), QSize(200, 100));
    // 3 x 5 at 0.5: 1.5 -> 2 and 2.5 -> 2.
    window->pageView->setPicture(Solid(3, 5, Qt::white));
    window->zoomArrows->setPosition(5);
    window->applyZoom();
    EXPECT_EQ(window->pageView->size(), QSize(2, 2));
}

TEST_F(MainWindow, QuitClosesAtOnceWhenCleanAndAsksWhenModified) {
    window->show();
    window->quitAction->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompts.shown().empty());

    const QString question = QString::fromUtf8(
        "\t          La texture a été modifiée !\n\r\nVOULEZ-VOUS VRAIMENT QUITTER SANS SAUVER ?");
    page.pageBitmap = texture::PageBitmap::filled(64, 64, platform::kMagenta);
    page.modified = true;
    window->show();
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::No);
    window->quitAction->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(page.pageOwned() && page.modified);
    EXPECT_EQ(prompts.shown().at(0).defaultAnswer, Answer::No);  // Enter keeps the page
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::Yes);
    EXPECT_TRUE(window->close());  // the close box takes the same road
    EXPECT_FALSE(page.pageOwned());
}

TEST_F(MainWindow, ContactSheetWithoutASelectionIsRefused) {
    prompts.expectMessage(MessageKind::Warning,
                          QString::fromUtf8("Vous devez sélectionner les images à imprimer\n\r"
                                            "dans la liste des fichiers sources !"));
    window->contactSheetAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
}  // namespace tessella::testing
