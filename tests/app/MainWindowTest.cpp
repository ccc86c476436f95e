// The main window's controls: zoom, quit, the source window and the source list.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QToolButton>
#include <QTreeView>

#include "app/TLabelNum.h"
#include "app/UpDown.h"
#include "tests/app/WindowFixture.h"

using tessella::platform::Answer;
using tessella::platform::MessageKind;

namespace tessella::testing {
namespace {

class MainWindow : public WindowFixture {
  protected:
    void touch(const char* name) {
        QFile f(path(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(MainWindow, ZoomShowsTheFactorAndScalesTheView) {
    window->Image1->setPicture(Solid(200, 100, Qt::white));
    const struct {
        int position;
        const char* text;
        QSize size;
    } rows[] = {{5, "0.5", {100, 50}}, {50, "5.0", {1000, 500}}, {7, "0.7", {140, 70}}};
    for (const auto& row : rows) {
        window->UpDown5->setPosition(row.position);
        window->UpDown5Click();
        EXPECT_EQ(window->StaticText2->text().toStdString(), row.text);
        EXPECT_EQ(window->Image1->size(), row.size) << row.text;
        EXPECT_DOUBLE_EQ(page.zoomFactor, row.position / 10.0);
        EXPECT_TRUE(window->Image1->stretch());
        EXPECT_FALSE(window->Image1->autoSize());
    }
    // An arrow steps it and Button1 resets it.
    window->UpDown5->setPosition(10);
    window->UpDown5->nextButton()->click();
    EXPECT_EQ(window->StaticText2->text(), "1.1");
    EXPECT_EQ(window->Image1->size(), QSize(220, 110));
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_EQ(window->StaticText2->text(), "1.0");
    EXPECT_EQ(window->Image1->size(), QSize(200, 100));
    // 3 x 5 at 0.5: 1.5 -> 2 and 2.5 -> 2, ties to even.
    window->Image1->setPicture(Solid(3, 5, Qt::white));
    window->UpDown5->setPosition(5);
    window->UpDown5Click();
    EXPECT_EQ(window->Image1->size(), QSize(2, 2));
}

TEST_F(MainWindow, QuitClosesAtOnceWhenCleanAndAsksWhenModified) {
    window->show();
    window->Quitter1->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompts.shown().empty());

    const QString question = QString::fromUtf8(
        "\t          La texture a été modifiée !\n\r\nVOULEZ VOUS VRAIMENT QUITTER SANS SAUVER ?");
    page.pageBitmap = texture::PageBitmap::filled(64, 64, platform::kMagenta);
    page.modified = true;
    window->show();
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::No);
    window->Quitter1->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(page.pageOwned() && page.modified);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].buttons, platform::kYesNo);
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::Yes);
    EXPECT_TRUE(window->close());  // the close box takes the same road
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(page.pageOwned());
}

TEST_F(MainWindow, SourceWindowContactSheetAndHelpItems) {
    window->show();
    window->FenetreSources1->trigger();
    EXPECT_TRUE(window->Panel1->isVisible());

    prompts.expectMessage(MessageKind::Warning,
                          QString::fromUtf8("Vous devez sélectionner les images à imprimer\n\r"
                                            "dans la liste des fichiers sources !"));
    window->PlancheContact1->trigger();
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(MainWindow, FileListShowsTheSourcesOfTheFolder) {
    for (const char* name : {"a.bmp", "b.JPG", "c.tga", "notes.txt", "d.bw"}) touch(name);
    window->ShowSourceFolder(platform::FolderWithSlash(folder.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->LabelNum2->value() == 4; }, 5000))
        << window->LabelNum2->value();
    EXPECT_TRUE(window->BtTout->isEnabled());
    EXPECT_EQ(page.sourceFolder, platform::FolderWithSlash(folder.path()));
    EXPECT_EQ(window->FileListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);
}

}  // namespace
}  // namespace tessella::testing
