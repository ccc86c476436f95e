// The main window's controls: menus, start values, status bar, zoom, quit, the source list.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QTreeView>
#include <array>

#include "app/TFicheAide.h"
#include "app/TLabelNum.h"
#include "app/UpDown.h"
#include "tests/app/WindowFixture.h"

using tessella::app::TFichePrincipale;
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

TEST_F(MainWindow, MenusCarryTheirCaptionsInOrder) {
    QStringList titles;
    for (QAction* a : window->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"Fichier", "Imprimer", "Edit", "Aide", "A propos"}));
    auto items = [](QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) out << a->text();
        return out;
    };
    EXPECT_EQ(items(window->Fichier1),
              (QStringList{"Nouvelle texture TGA", "Ouvrir une texture (TGA ou autre)",
                           "Sauver la texture TGA", "Sauver la texture TGA Sous",
                           "Extraire les images d'une texture",
                           QString::fromUtf8("Ouvrir la fenêtre des sources"), "Quitter"}));
    EXPECT_EQ(items(window->Imprimer1),
              (QStringList{"Texture TGA en cours", "Planche contact des sources BMP"}));
    EXPECT_EQ(items(window->Edit1), (QStringList{"Modifier le source BMP",
                                                 QString::fromUtf8("Nouvel élément de texture")}));
    EXPECT_EQ(window->Quitter1->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(window->Aide1->shortcut(), QKeySequence("F1"));
}

// What the commands allow through the page's life is checked in PageWiringTest.
TEST_F(MainWindow, StartValuesOfTheControlsAndTheDocument) {
    for (QAction* a : {window->NouvelletextureTGA1, window->OuvrirTGA1, window->PlancheContact1,
                       window->Nouveau1})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_FALSE(window->BtTout->isEnabled());
    EXPECT_TRUE(window->Panel1->isHidden());
    EXPECT_EQ(window->ComboBox1->count(), 10);
    EXPECT_EQ(window->ComboBox1->currentText(), "64 x 64");
    EXPECT_EQ(window->ComboBox1->itemText(9), "LIBRE Toutes dimensions");
    EXPECT_EQ(window->StaticText2->text(), "1");
    const struct {
        app::UpDown* u;
        int min, max, pos, step;
    } ranges[] = {
        {window->UpDown5, 5, 50, 10, 1},    {window->UpDown1, 0, 448, 0, 1},
        {window->UpDown3, 0, 448, 0, 16},   {window->UpDown2, -1024, 0, 0, 1},
        {window->UpDown4, -1024, 0, 0, 16},
    };
    for (const auto& r : ranges)
        EXPECT_EQ((std::array{r.u->minimum(), r.u->maximum(), r.u->position(), r.u->increment()}),
                  (std::array{r.min, r.max, r.pos, r.step}));
    EXPECT_EQ(window->Image1->maskInPage(), QRect(0, 0, 64, 64));
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(64, 64));
    EXPECT_EQ(page.maxPageWidth, 512);
    EXPECT_EQ(window->Image2->toolTip(), "Double click pour édition");
}

TEST_F(MainWindow, StatusBarHasSevenPanelsOfFixedWidth) {
    const struct {
        const char* text;
        int width;
    } panels[] = {{"  Fichier texture", 100},
                  {"", 200},
                  {" Dimensions", 80},
                  {"", 100},
                  {" Nombre de textures", 120},
                  {"", 50},
                  {"", 50}};
    for (int i = 0; i < TFichePrincipale::kStatusPanels; ++i) {
        EXPECT_EQ(window->StatusPanel(i)->text().toStdString(), panels[i].text);
        EXPECT_EQ(window->StatusPanel(i)->minimumWidth(), panels[i].width);
        EXPECT_EQ(window->StatusPanel(i)->maximumWidth(), panels[i].width);
    }
}

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
    // The arrows step it within the range and Button1 resets it.
    window->UpDown5->setPosition(10);
    window->UpDown5->nextButton()->click();
    EXPECT_EQ(window->StaticText2->text(), "1.1");
    EXPECT_EQ(window->Image1->size(), QSize(220, 110));
    for (int i = 0; i < 60; ++i) window->UpDown5->nextButton()->click();
    EXPECT_EQ(window->StaticText2->text(), "5.0");
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_EQ(window->StaticText2->text(), "1.0");
    EXPECT_EQ(window->Image1->size(), QSize(200, 100));
    EXPECT_DOUBLE_EQ(page.zoomFactor, 1.0);
    for (int i = 0; i < 60; ++i) window->UpDown5->prevButton()->click();
    EXPECT_EQ(window->StaticText2->text(), "0.5");
    // 3 x 5 at 0.5: 1.5 -> 2 and 2.5 -> 2, ties to even.
    window->Image1->setPicture(Solid(3, 5, Qt::white));
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
    EXPECT_TRUE(window->FileListBox1->isVisible());
    EXPECT_TRUE(window->Image2->isVisible());

    prompts.expectMessage(MessageKind::Warning,
                          QString::fromUtf8("Vous devez sélectionner les images à imprimer\n\r"
                                            "dans la liste des fichiers sources !"));
    window->PlancheContact1->trigger();
    EXPECT_TRUE(prompts.scriptDone());

    app::TFicheAide aide(context, window.get());
    context.windows.ficheAide = &aide;
    window->Aide1->trigger();
    EXPECT_TRUE(aide.isVisible());
    EXPECT_FALSE(aide.isModal());
    context.windows.ficheAide = nullptr;
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

TEST_F(MainWindow, AClickOnAFolderOpensItInTheFileList) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("src/vieux"));
    for (const char* name : {"src/a.bmp", "src/b.pcx", "src/c.doc"}) touch(name);
    window->ShowSourceFolder(platform::FolderWithSlash(folder.path()));
    QAbstractItemModel* folders = window->DirectoryListBox1->model();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return folders->rowCount(window->DirectoryListBox1->currentIndex()) == 1; }, 5000));
    const QModelIndex sub = folders->index(0, 0, window->DirectoryListBox1->currentIndex());
    EXPECT_EQ(sub.data().toString(), "src");
    window->DirectoryListBox1->setCurrentIndex(sub);
    window->DirectoryListBox1Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->LabelNum2->value() == 2; }, 5000))
        << window->LabelNum2->value();
    EXPECT_EQ(window->FileListFolder(), path("src/"));
    EXPECT_EQ(page.sourceFolder, path("src/"));
}

}  // namespace
}  // namespace tessella::testing
