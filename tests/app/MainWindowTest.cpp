// The main window's controls: zoom, quit, the source window and the source list.

#include <QFile>

#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"

namespace tessella::testing {
namespace {

class MainWindow : public WindowFixture {};

TEST_F(MainWindow, ZoomShowsTheFactorAndScalesTheView) {
    window->pageView->setPicture(Solid(200, 100, Qt::white));
    const struct {
        int position;
        const char* text;
        QSize size;
    } rows[] = {{5, "0.5", {100, 50}}, {50, "5.0", {1000, 500}}, {7, "0.7", {140, 70}}};
    for (const auto& row : rows) {
        window->zoomArrows->setPosition(row.position);
        window->applyZoom();
        EXPECT_EQ(window->zoomLabel->text().toStdString(), row.text);
        EXPECT_EQ(window->pageView->size(), row.size) << row.text;
        EXPECT_DOUBLE_EQ(page.zoomFactor, row.position / 10.0);
    }
    EXPECT_TRUE(window->pageView->stretch() && !window->pageView->autoSize());
    // An arrow steps it and zoomResetButton resets it.
    window->zoomArrows->setPosition(10);
    window->zoomArrows->nextButton()->click();
    EXPECT_EQ(window->zoomLabel->text(), "1.1");
    EXPECT_EQ(window->pageView->size(), QSize(220, 110));
    window->zoomResetButton->click();
    EXPECT_EQ(window->zoomLabel->text(), "1.0");
    EXPECT_EQ(window->pageView->size(), QSize(200, 100));
    // 3 x 5 at 0.5: 1.5 -> 2 and 2.5 -> 2, ties to even.
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
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].buttons, platform::kYesNo);
    EXPECT_EQ(prompts.shown()[0].defaultAnswer, Answer::No);  // Enter keeps the page
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::Yes);
    EXPECT_TRUE(window->close());  // the close box takes the same road
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(page.pageOwned());
}

TEST_F(MainWindow, SourceWindowContactSheetAndHelpItems) {
    window->show();
    window->showSourcesAction->trigger();
    EXPECT_TRUE(window->sourceFrame->isVisible());

    prompts.expectMessage(MessageKind::Warning,
                          QString::fromUtf8("Vous devez sélectionner les images à imprimer\n\r"
                                            "dans la liste des fichiers sources !"));
    window->contactSheetAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(MainWindow, FileListShowsTheSourcesOfTheFolder) {
    for (const char* name : {"a.bmp", "b.JPG", "c.tga", "notes.txt", "d.bw"})
        ASSERT_TRUE(WriteBytes(path(name)));
    window->showSourceFolder(platform::FolderWithSlash(folder.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->fileCountLabel->value() == 4; }, 5000))
        << window->fileCountLabel->value();
    EXPECT_TRUE(window->selectAllButton->isEnabled());
    EXPECT_EQ(page.sourceFolder, platform::FolderWithSlash(folder.path()));
    EXPECT_EQ(window->fileList->selectionMode(), QAbstractItemView::ExtendedSelection);
}

}  // namespace
}  // namespace tessella::testing
