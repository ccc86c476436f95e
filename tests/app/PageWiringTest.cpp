// The main window driving the page commands: new, add, replace, save, open, the source list.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/AppContext.h"
#include "app/ImageBox.h"
#include "app/PageView.h"
#include "app/PendingElementEditor.h"
#include "app/TFichePrincipale.h"
#include "app/TLabelNum.h"
#include "app/UpDown.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/ScriptedPrompts.h"
#include "texture/TFicheConfirmeLargeur.h"
#include "texture/TFicheNouveau.h"

using namespace tessella;
using app::TFichePrincipale;
using app::UpDown;
using platform::Answer;
using platform::MessageKind;

namespace {

const QColor kMagenta(255, 0, 255);
const QColor kWhite(255, 255, 255);

QImage Solid(int w, int h, QColor c) {
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(c);
    return image;
}

class PageWiringTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkdir("src");
        page.sourceFolder = platform::FolderWithSlash(folder.path());
        context = std::make_unique<app::AppContext>(
            app::AppContext{prompts, pacer, platform::ProgramFolder(folder.path()), page});
        window = std::make_unique<TFichePrincipale>(*context);
        widthDialog = new texture::TFicheConfirmeLargeur(window.get());
        context->windows.ficheConfirmeLargeur = widthDialog;
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    QString source(const QString& name, const QImage& picture) {
        const QString file = path("src/" + name);
        EXPECT_TRUE(picture.save(file, "BMP"));
        return file;
    }
    // Shows src/ in the source list and waits until it lists its files.
    void showSources(int files) {
        window->ShowSourceFolder(path("src/"));
        QFileSystemModel* model = window->FileModel();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return model->rowCount(window->FileListBox1->rootIndex()) == files; }, 5000));
    }
    // A click on the file: it becomes the only selection and is previewed.
    void clickSource(const QString& name) {
        QModelIndex index;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return (index = window->FileModel()->index(path("src/" + name))).isValid(); },
            5000))
            << name.toStdString();
        window->FileListBox1->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect);
        window->FileListBox1Click();
    }
    // "Nouvelle texture TGA" at the import size, answering "512" in the width dialog.
    void newPage(const QString& name) {
        QTimer::singleShot(0, widthDialog, [d = widthDialog] {
            d->RadioButton512->setChecked(true);
            d->BtFermer->click();
        });
        prompts.expectFile(path(name));
        window->NouvelletextureTGA1->trigger();
    }
    void openPage(const QString& file) {
        prompts.expectFile(file);
        window->OuvrirTGA1->trigger();
    }
    QColor pagePixel(int x, int y) const { return page.pageBitmap.pixel(x, y).toQColor(); }
    QColor viewPixel(int x, int y) const { return window->Image1->picture().pixelColor(x, y); }

    QTemporaryDir folder;
    tessella::testing::ScriptedPrompts prompts;
    tessella::testing::CountingPacer pacer;
    texture::TexturePage page;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<TFichePrincipale> window;
    texture::TFicheConfirmeLargeur* widthDialog = nullptr;
};

}  // namespace

TEST_F(PageWiringTest, NewPageIsMagentaInAWhiteFrameAndSavesAs12306Bytes) {
    newPage("page.tga");
    EXPECT_EQ(page.maxPageWidth, 512);
    EXPECT_EQ(window->Image1->size(), QSize(64, 64));
    const struct {
        int x, y;
        QColor colour;
    } pixels[] = {{0, 0, kWhite},     {30, 0, kWhite},   {0, 30, kWhite},  {1, 1, kMagenta},
                  {61, 61, kMagenta}, {62, 62, kWhite},  {62, 30, kWhite}, {63, 30, kWhite},
                  {30, 62, kWhite},   {30, 61, kMagenta}};
    for (const auto& p : pixels) EXPECT_EQ(viewPixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    EXPECT_EQ(window->StatusPanel(1)->text(), "page.tga");
    EXPECT_FALSE(window->Panel1->isHidden());

    window->SauverTGA1->trigger();
    // 18-byte header and 64 x 64 pixels of 3 bytes.
    EXPECT_EQ(QFileInfo(path("page.tga")).size(), 12306);
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiringTest, AddingTheClickedSourceGrowsThePage) {
    source("rouge.bmp", Solid(64, 64, Qt::red));
    showSources(1);
    newPage("page.tga");
    clickSource("rouge.bmp");
    window->BtAjouter->click();
    // The band grows one element ahead: 128 x 64, the right slot still magenta.
    EXPECT_EQ(window->Image1->size(), QSize(128, 64));
    EXPECT_EQ(viewPixel(0, 0), QColor(Qt::red));
    EXPECT_EQ(viewPixel(63, 63), QColor(Qt::red));
    EXPECT_EQ(viewPixel(64, 1), kMagenta);
    EXPECT_EQ(window->StatusPanel(3)->text(), "128 x 64");
    EXPECT_TRUE(page.modified);
}

TEST_F(PageWiringTest, ReplaceMovesByUpDownsAndByAClickThenValidates) {
    QImage base = Solid(256, 192, Qt::green);
    ASSERT_TRUE(base.save(path("base.bmp"), "BMP"));
    source("bleu.bmp", Solid(64, 64, Qt::blue));
    showSources(1);
    openPage(path("base.bmp"));
    clickSource("bleu.bmp");

    const QString information = QString();  // any text: the instructions
    prompts.expectMessage(MessageKind::Information, information);
    window->BtRemplacer->click();
    EXPECT_TRUE(window->Image1->maskVisible());
    EXPECT_EQ(window->UpDown1->maximum(), 192);
    EXPECT_EQ(window->UpDown2->minimum(), -128);
    window->UpDown3->click(UpDown::Button::Next);  // X 16
    window->UpDown1->click(UpDown::Button::Next);  // X 17
    window->UpDown4->click(UpDown::Button::Prev);  // -Y -16
    window->UpDown2->click(UpDown::Button::Prev);  // -Y -17
    EXPECT_EQ(window->StaticText1->text(), "17 x 17");
    EXPECT_EQ(window->UpDown3->position(), 17);
    EXPECT_EQ(window->UpDown4->position(), -17);
    EXPECT_EQ(window->Image1->maskRect(), QRect(17, 17, 64, 64));
    window->BtValider->click();
    EXPECT_FALSE(window->Image1->maskVisible());
    const struct {
        int x, y;
        QColor colour;
    } first[] = {{17, 17, Qt::blue},  {80, 80, Qt::blue},  {16, 17, Qt::green},
                 {17, 16, Qt::green}, {81, 80, Qt::green}, {80, 81, Qt::green}};
    for (const auto& p : first) EXPECT_EQ(pagePixel(p.x, p.y), p.colour) << p.x << "," << p.y;

    // A click past the corner puts the mask flush with the right and bottom edges.
    prompts.expectMessage(MessageKind::Information, information);
    window->BtRemplacer->click();
    QTest::mouseClick(window->Image1, Qt::LeftButton, {}, QPoint(250, 190));
    EXPECT_EQ(window->UpDown1->position(), 192);
    EXPECT_EQ(window->UpDown2->position(), -128);
    EXPECT_EQ(window->StaticText1->text(), "17 x 17");  // a click leaves the text alone
    window->BtValider->click();
    EXPECT_EQ(pagePixel(255, 191), QColor(Qt::blue));
    EXPECT_EQ(pagePixel(192, 128), QColor(Qt::blue));
    EXPECT_EQ(pagePixel(191, 128), QColor(Qt::green));
    EXPECT_EQ(viewPixel(255, 191), QColor(Qt::blue));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiringTest, ClicksOnThePageMoveNoHiddenMask) {
    QTest::mouseClick(window->Image1, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(window->UpDown1->position(), 0);
    EXPECT_EQ(window->StaticText1->text(), "0 x 0");
}

TEST_F(PageWiringTest, SaveAsOverAnExistingFileAnsweredNoWritesNothing) {
    newPage("page.tga");
    QFile old(path("autre.tga"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    prompts.expectFile(path("autre.tga"))
        .expectMessage(
            MessageKind::Confirmation,
            QString::fromUtf8("Le fichier spécifié %1 existe !\n\r  FAUT IL LE REMPLACER ?")
                .arg(path("autre.tga")),
            Answer::No);
    window->SauverTextureSous1->trigger();
    EXPECT_EQ(QFileInfo(path("autre.tga")).size(), 3);
    EXPECT_FALSE(QFileInfo::exists(path("page.tga")));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiringTest, EnabledStatesThroughThePagesLife) {
    source("bleu.bmp", Solid(64, 64, Qt::blue));
    showSources(1);
    struct States {
        bool save, print, extract, edit, add, replace, validate, positions;
    };
    auto check = [this](const char* stage, States s) {
        SCOPED_TRACE(stage);
        EXPECT_EQ(window->SauverTGA1->isEnabled(), s.save);
        EXPECT_EQ(window->SauverTextureSous1->isEnabled(), s.save);
        EXPECT_EQ(window->TextureTGAenCours1->isEnabled(), s.print);
        EXPECT_EQ(window->ExtraireBitmaps1->isEnabled(), s.extract);
        EXPECT_EQ(window->ModifierSource1->isEnabled(), s.edit);
        EXPECT_EQ(window->Image2->isEnabled(), s.edit);
        EXPECT_EQ(window->BtAjouter->isEnabled(), s.add);
        EXPECT_EQ(window->BtRemplacer->isEnabled(), s.replace);
        EXPECT_EQ(window->BtValider->isEnabled(), s.validate);
        EXPECT_EQ(window->BtAbandon->isEnabled(), s.validate);
        for (UpDown* u : {window->UpDown1, window->UpDown2, window->UpDown3, window->UpDown4})
            EXPECT_EQ(u->isEnabled(), s.positions);
    };
    check("start", {false, false, false, false, false, false, false, true});
    newPage("page.tga");
    check("new", {true, true, false, false, false, false, false, true});
    clickSource("bleu.bmp");
    check("preview", {true, true, false, true, true, true, false, true});
    window->BtAjouter->click();
    check("add", {true, true, false, true, true, true, false, true});
    prompts.expectMessage(MessageKind::Information, QString());
    window->BtRemplacer->click();
    check("replace", {true, true, false, true, true, true, true, true});
    window->BtValider->click();
    check("validate", {true, true, true, true, true, true, false, false});
}

TEST_F(PageWiringTest, PreviewBoxesOfClickedSources) {
    const struct {
        const char* name;
        QSize picture, box;
    } rows[] = {{"a.bmp", {256, 64}, {128, 32}},
                {"b.bmp", {200, 300}, {85, 128}},
                {"c.bmp", {16, 16}, {128, 128}},
                {"d.bmp", {40, 20}, {120, 60}}};
    for (const auto& row : rows)
        source(row.name, Solid(row.picture.width(), row.picture.height(), Qt::gray));
    showSources(4);
    for (const auto& row : rows) {
        clickSource(row.name);
        EXPECT_EQ(window->Image2->size(), row.box) << row.name;
        EXPECT_TRUE(window->Image2->stretch());
        EXPECT_EQ(window->LabelDim->text(),
                  QStringLiteral("%1 x %2").arg(row.picture.width()).arg(row.picture.height()));
        EXPECT_EQ(window->GroupBoxSource->title(), row.name);
    }
    // No page: the preview does not enable adding or replacing.
    EXPECT_FALSE(window->BtAjouter->isEnabled());
    EXPECT_FALSE(window->BtRemplacer->isEnabled());
    // The clicked entry's place in the list, from 0.
    EXPECT_EQ(window->LabelNum3->value(), window->FileModel()->index(path("src/d.bmp")).row());
    EXPECT_EQ(window->LabelNum1->value(), 1);
}

TEST_F(PageWiringTest, SelectAllToggles) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) source(name, Solid(8, 8, Qt::gray));
    showSources(3);
    EXPECT_TRUE(window->BtTout->isEnabled());
    EXPECT_EQ(window->LabelNum2->value(), 3);

    window->BtTout->click();
    EXPECT_EQ(window->BtTout->text(), QString::fromUtf8("Tout déselectionner"));
    EXPECT_EQ(window->LabelNum1->value(), 3);
    EXPECT_TRUE(page.allSelected);
    EXPECT_FALSE(window->BtAjouter->isEnabled());  // no page yet
    window->BtTout->click();
    EXPECT_EQ(window->BtTout->text(), QString::fromUtf8("Tout sélectionner"));
    EXPECT_EQ(window->LabelNum1->value(), 0);
    EXPECT_FALSE(window->FileListBox1->selectionModel()->hasSelection());

    newPage("page.tga");
    window->BtTout->click();
    EXPECT_TRUE(window->BtAjouter->isEnabled());
}

TEST_F(PageWiringTest, AddingEverySelectedFileInListOrder) {
    source("1.bmp", Solid(64, 64, Qt::red));
    source("2.bmp", Solid(64, 64, Qt::blue));
    source("3.bmp", Solid(64, 64, Qt::yellow));
    showSources(3);
    newPage("page.tga");
    window->BtTout->click();
    window->BtAjouter->click();
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::red));
    EXPECT_EQ(pagePixel(64, 0), QColor(Qt::blue));
    EXPECT_EQ(pagePixel(128, 0), QColor(Qt::yellow));
    EXPECT_EQ(window->Image1->size(), QSize(256, 64));
    EXPECT_EQ(window->StatusPanel(3)->text(), "256 x 64");
    EXPECT_EQ(window->ProgressBar1->value(), 0);
}

TEST_F(PageWiringTest, OpenShowsTheSizeAndTheElementCount) {
    ASSERT_TRUE(Solid(300, 200, Qt::gray).save(path("grand.bmp"), "BMP"));
    openPage(path("grand.bmp"));
    EXPECT_EQ(window->StatusPanel(1)->text(), "grand.bmp");
    EXPECT_EQ(window->StatusPanel(3)->text(), " 300x200");
    EXPECT_EQ(window->StatusPanel(5)->text(), " 12");  // (300 div 64) x (200 div 64)
    EXPECT_EQ(window->Image1->size(), QSize(300, 200));
}

TEST_F(PageWiringTest, ImportSizeListSetsTheImportSize) {
    window->ComboBox1->setCurrentText("32 x 128");
    window->ComboBox1Change();
    EXPECT_EQ(page.importWidth, 32);
    EXPECT_EQ(page.importHeight, 128);
    EXPECT_FALSE(page.freeSize);
}

TEST_F(PageWiringTest, EditingASourceSaysTheEditorIsNotThereYet) {
    source("a.bmp", Solid(8, 8, Qt::gray));
    showSources(1);
    clickSource("a.bmp");
    prompts.expectMessage(MessageKind::Information, app::kEditorPendingText);
    window->ModifierSource1->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(QDir(path("src")).entryList(QDir::Files).size(), 1);
}

TEST_F(PageWiringTest, ZoomKeepsTheReplaceMaskOnItsElement) {
    ASSERT_TRUE(Solid(256, 192, Qt::green).save(path("base.bmp"), "BMP"));
    source("bleu.bmp", Solid(64, 64, Qt::blue));
    showSources(1);
    openPage(path("base.bmp"));
    clickSource("bleu.bmp");
    prompts.expectMessage(MessageKind::Information, QString());
    window->BtRemplacer->click();
    window->UpDown3->click(UpDown::Button::Next);  // X 16
    window->UpDown4->click(UpDown::Button::Prev);  // Y 16
    window->UpDown5->setPosition(25);
    window->UpDown5Click();
    EXPECT_EQ(window->Image1->size(), QSize(640, 480));
    EXPECT_EQ(window->Image1->maskRect(), QRect(40, 40, 160, 160));
    // A click on the zoomed view is divided by the zoom: R(101 / 2.5) = R(40.4) = 40.
    QTest::mouseClick(window->Image1, Qt::LeftButton, {}, QPoint(101, 250));
    EXPECT_EQ(window->UpDown1->position(), 40);
    EXPECT_EQ(window->UpDown2->position(), -100);
    EXPECT_EQ(window->Image1->maskRect(), QRect(100, 250, 160, 160));
}

TEST_F(PageWiringTest, NewElementRunsOnlyAfterTheDialogsOk) {
    texture::TFicheNouveau dialog(context->newElement, prompts, window.get());
    context->windows.ficheNouveau = &dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.BtAnnuler->click(); });
    window->Nouveau1->trigger();
    EXPECT_TRUE(prompts.shown().empty());

    QTimer::singleShot(0, &dialog, [&dialog] { dialog.BtOK->click(); });
    prompts.expectMessage(MessageKind::Information, app::kEditorPendingText);
    window->Nouveau1->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    context->windows.ficheNouveau = nullptr;
}
