#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <memory>

#include "app/AppContext.h"
#include "app/PageView.h"
#include "app/TFicheAide.h"
#include "app/TFichePrincipale.h"
#include "app/TLabelNum.h"
#include "app/UpDown.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/ScriptedPrompts.h"

using namespace tessella;
using app::TFichePrincipale;
using platform::Answer;
using platform::MessageKind;

namespace {

const QString kQuitQuestion = QString::fromUtf8(
    "\t          La texture a été modifiée !\n\r\nVOULEZ VOUS VRAIMENT QUITTER SANS SAUVER ?");

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        page.sourceFolder = platform::FolderWithSlash(folder.path());
        context = std::make_unique<app::AppContext>(
            app::AppContext{prompts, pacer, platform::ProgramFolder(folder.path()), page});
        window = std::make_unique<TFichePrincipale>(*context);
    }

    QImage Picture(int w, int h) {
        QImage image(w, h, QImage::Format_BGR888);
        image.fill(Qt::white);
        return image;
    }

    QTemporaryDir folder;
    tessella::testing::ScriptedPrompts prompts;
    tessella::testing::CountingPacer pacer;
    texture::TexturePage page;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<TFichePrincipale> window;
};

}  // namespace

TEST_F(MainWindowTest, MenusCarryTheirCaptionsInOrder) {
    const QList<QAction*> top = window->menuBar()->actions();
    QStringList titles;
    for (QAction* a : top) titles << a->text();
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

TEST_F(MainWindowTest, EnabledStatesAtStart) {
    const struct {
        QAction* action;
        bool enabled;
    } actions[] = {
        {window->NouvelletextureTGA1, true},
        {window->OuvrirTGA1, true},
        {window->FenetreSources1, true},
        {window->Quitter1, true},
        {window->PlancheContact1, true},
        {window->Nouveau1, true},
        {window->Aide1, true},
        {window->APropos1, true},
        {window->SauverTGA1, false},
        {window->SauverTextureSous1, false},
        {window->TextureTGAenCours1, false},
        {window->ExtraireBitmaps1, false},
        {window->ModifierSource1, false},
    };
    for (const auto& row : actions)
        EXPECT_EQ(row.action->isEnabled(), row.enabled) << row.action->text().toStdString();
    for (QPushButton* b : {window->BtAjouter, window->BtRemplacer, window->BtTout,
                           window->BtValider, window->BtAbandon})
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    for (app::UpDown* u : {window->UpDown1, window->UpDown2, window->UpDown3, window->UpDown4})
        EXPECT_TRUE(u->isEnabled());
    EXPECT_TRUE(window->Panel1->isHidden());
    EXPECT_FALSE(window->Image1->maskVisible());
}

TEST_F(MainWindowTest, StartValuesOfTheControlsAndTheDocument) {
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
    for (const auto& r : ranges) {
        EXPECT_EQ(r.u->minimum(), r.min);
        EXPECT_EQ(r.u->maximum(), r.max);
        EXPECT_EQ(r.u->position(), r.pos);
        EXPECT_EQ(r.u->increment(), r.step);
    }
    EXPECT_EQ(window->Image1->maskInPage(), QRect(0, 0, 64, 64));
    EXPECT_EQ(page.zoomFactor, 1.0);
    EXPECT_EQ(page.importWidth, 64);
    EXPECT_EQ(page.importHeight, 64);
    EXPECT_FALSE(page.freeSize);
    EXPECT_EQ(page.maxPageWidth, 512);
    EXPECT_FALSE(page.pageOwned());
    EXPECT_EQ(window->Image2->toolTip(), "Double click pour édition");
}

TEST_F(MainWindowTest, StatusBarHasSevenPanelsOfFixedWidth) {
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

TEST_F(MainWindowTest, ZoomShowsTheFactorAndScalesTheView) {
    window->Image1->setPicture(Picture(200, 100));
    const struct {
        int position;
        const char* text;
        QSize size;
    } rows[] = {
        {5, "0.5", {100, 50}},   {50, "5.0", {1000, 500}}, {15, "1.5", {300, 150}},
        {10, "1.0", {200, 100}}, {7, "0.7", {140, 70}},
    };
    for (const auto& row : rows) {
        window->UpDown5->setPosition(row.position);
        window->UpDown5Click();
        EXPECT_EQ(window->StaticText2->text().toStdString(), row.text);
        EXPECT_EQ(window->Image1->size(), row.size) << row.text;
        EXPECT_DOUBLE_EQ(page.zoomFactor, row.position / 10.0);
        EXPECT_TRUE(window->Image1->stretch());
        EXPECT_FALSE(window->Image1->autoSize());
    }
}

TEST_F(MainWindowTest, ZoomRoundsHalvesToEvenAndMovesTheMask) {
    window->Image1->setPicture(Picture(3, 5));
    window->Image1->setMask(3, 5, 64, 64);
    window->UpDown5->setPosition(5);
    window->UpDown5Click();
    // 1.5 -> 2 and 2.5 -> 2 (ties to even); 32 x 32 mask at (2, 2).
    EXPECT_EQ(window->Image1->size(), QSize(2, 2));
    EXPECT_EQ(window->Image1->maskRect(), QRect(2, 2, 32, 32));
    window->Image1->setMask(64, 448, 64, 64);
    window->UpDown5->setPosition(15);
    window->UpDown5Click();
    EXPECT_EQ(window->Image1->maskRect(), QRect(96, 672, 96, 96));
}

TEST_F(MainWindowTest, ArrowsStepTheZoomAndButton1ResetsIt) {
    window->Image1->setPicture(Picture(200, 100));
    window->UpDown5->nextButton()->click();
    EXPECT_EQ(window->StaticText2->text(), "1.1");
    EXPECT_EQ(window->Image1->size(), QSize(220, 110));
    for (int i = 0; i < 60; ++i) window->UpDown5->nextButton()->click();
    EXPECT_EQ(window->StaticText2->text(), "5.0");  // stops at the top of the range
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_EQ(window->UpDown5->position(), 10);
    EXPECT_EQ(window->StaticText2->text(), "1.0");
    EXPECT_EQ(window->Image1->size(), QSize(200, 100));
    EXPECT_DOUBLE_EQ(page.zoomFactor, 1.0);
    for (int i = 0; i < 60; ++i) window->UpDown5->prevButton()->click();
    EXPECT_EQ(window->StaticText2->text(), "0.5");
}

TEST_F(MainWindowTest, QuitClosesAtOnceWhenTheTextureIsClean) {
    window->show();
    window->Quitter1->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(MainWindowTest, QuitAsksWhenModifiedAndNoKeepsTheWindow) {
    page.pageBitmap = texture::PageBitmap::filled(64, 64, platform::kMagenta);
    page.modified = true;
    window->show();
    prompts.expectMessage(MessageKind::Confirmation, kQuitQuestion, Answer::No);
    window->Quitter1->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(page.pageOwned());
    EXPECT_TRUE(page.modified);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].buttons, platform::kYesNo);

    prompts.expectMessage(MessageKind::Confirmation, kQuitQuestion, Answer::Yes);
    EXPECT_TRUE(window->close());  // the close box takes the same road
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(page.pageOwned());
}

TEST_F(MainWindowTest, OpeningTheSourceWindowShowsThePanel) {
    window->show();
    window->FenetreSources1->trigger();
    EXPECT_TRUE(window->Panel1->isVisible());
    EXPECT_TRUE(window->FileListBox1->isVisible());
    EXPECT_TRUE(window->Image2->isVisible());
}

TEST_F(MainWindowTest, ContactSheetWithoutSelectionWarns) {
    prompts.expectMessage(MessageKind::Warning,
                          QString::fromUtf8("Vous devez sélectionner les images à imprimer\n\r"
                                            "dans la liste des fichiers sources !"));
    window->PlancheContact1->trigger();
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(MainWindowTest, FileListShowsTheSourcesOfTheFolder) {
    for (const char* name : {"a.bmp", "b.JPG", "c.tga", "notes.txt", "d.bw"}) {
        QFile f(QDir(folder.path()).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    window->ShowSourceFolder(platform::FolderWithSlash(folder.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->LabelNum2->value() == 4; }, 5000))
        << window->LabelNum2->value();
    EXPECT_TRUE(window->BtTout->isEnabled());
    EXPECT_EQ(page.sourceFolder, platform::FolderWithSlash(folder.path()));
    EXPECT_EQ(window->FileListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(MainWindowTest, AClickOnAFolderOpensItInTheFileList) {
    QDir root(folder.path());
    ASSERT_TRUE(root.mkpath("murs/vieux"));
    for (const char* name : {"murs/a.bmp", "murs/b.pcx", "murs/c.doc"}) {
        QFile f(root.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    window->ShowSourceFolder(platform::FolderWithSlash(folder.path()));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return window->DirectoryListBox1->model()->rowCount(
                       window->DirectoryListBox1->currentIndex()) == 1;
        },
        5000));
    const QModelIndex sub =
        window->DirectoryListBox1->model()->index(0, 0, window->DirectoryListBox1->currentIndex());
    EXPECT_EQ(sub.data().toString(), "murs");
    window->DirectoryListBox1->setCurrentIndex(sub);
    window->DirectoryListBox1Click();
    const QString expected = platform::FolderWithSlash(root.filePath("murs"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->LabelNum2->value() == 2; }, 5000))
        << window->LabelNum2->value();
    EXPECT_EQ(window->FileListFolder(), expected);
    EXPECT_EQ(page.sourceFolder, expected);
}

TEST_F(MainWindowTest, HelpItemShowsTheHelpWindowWithoutBlocking) {
    app::TFicheAide aide(*context, window.get());
    context->windows.ficheAide = &aide;
    window->Aide1->trigger();
    EXPECT_TRUE(aide.isVisible());
    EXPECT_FALSE(aide.isModal());
    context->windows.ficheAide = nullptr;
}
