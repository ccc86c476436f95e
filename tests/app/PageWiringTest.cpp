// The main window driving the page commands: new, add, replace, save, open, the source list.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

#include "app/ImageBox.h"
#include "app/PendingElementEditor.h"
#include "app/TLabelNum.h"
#include "app/UpDown.h"
#include "tests/app/WindowFixture.h"
#include "texture/TFicheNouveau.h"

using tessella::app::UpDown;
using tessella::platform::Answer;
using tessella::platform::MessageKind;

namespace tessella::testing {
namespace {

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
        window->BtRemplacer->click();
    }
};

TEST_F(PageWiring, NewPageIsMagentaInAWhiteFrameAndSavesAs12306Bytes) {
    newPage("page.tga");
    EXPECT_EQ(page.maxPageWidth, 512);
    EXPECT_EQ(window->Image1->size(), QSize(64, 64));
    // The white frame is checked pixel by pixel in the page file tests.
    EXPECT_EQ(viewPixel(0, 0), kWhite);
    EXPECT_EQ(viewPixel(61, 61), kMagenta);
    EXPECT_EQ(viewPixel(62, 62), kWhite);
    EXPECT_EQ(window->StatusPanel(1)->text(), "page.tga");
    EXPECT_FALSE(window->Panel1->isHidden());
    window->SauverTGA1->trigger();
    // 18-byte header and 64 x 64 pixels of 3 bytes.
    EXPECT_EQ(QFileInfo(path("page.tga")).size(), 12306);
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageWiring, AddingTheClickedSourceGrowsThePage) {
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
    // A zoomed view follows the page's growth: 192 x 64 at 2.0.
    window->UpDown5->setPosition(20);
    window->UpDown5Click();
    window->BtAjouter->click();
    EXPECT_EQ(window->Image1->size(), QSize(384, 128));
}

TEST_F(PageWiring, ReplaceMovesByUpDownsAndByAClickThenValidates) {
    openGreenPageWithBlueSource();
    startReplace();
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
    startReplace();
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

TEST_F(PageWiring, ZoomKeepsTheReplaceMaskOnItsElement) {
    openGreenPageWithBlueSource();
    startReplace();
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

TEST_F(PageWiring, SaveAsOverAnExistingFileAnsweredNoWritesNothing) {
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

TEST_F(PageWiring, EnabledStatesThroughThePagesLife) {
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
    startReplace();
    check("replace", {true, true, false, true, true, true, true, true});
    window->BtValider->click();
    check("validate", {true, true, true, true, true, true, false, false});
}

TEST_F(PageWiring, PreviewBoxesOfClickedSources) {
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
    // The clicked entry's place in the list, from 0, and the selection count.
    EXPECT_EQ(window->LabelNum3->value(), window->FileModel()->index(path("src/d.bmp")).row());
    EXPECT_EQ(window->LabelNum1->value(), 1);
}

TEST_F(PageWiring, SelectAllTogglesAndAddsEverySelectedFileInListOrder) {
    source("1.bmp", Solid(64, 64, Qt::red));
    source("2.bmp", Solid(64, 64, Qt::blue));
    source("3.bmp", Solid(64, 64, Qt::yellow));
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
    ASSERT_TRUE(window->BtAjouter->isEnabled());
    window->BtAjouter->click();
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::red));
    EXPECT_EQ(pagePixel(64, 0), QColor(Qt::blue));
    EXPECT_EQ(pagePixel(128, 0), QColor(Qt::yellow));
    EXPECT_EQ(window->Image1->size(), QSize(256, 64));
    EXPECT_EQ(window->StatusPanel(3)->text(), "256 x 64");
    EXPECT_EQ(window->ProgressBar1->value(), 0);
}

TEST_F(PageWiring, OpenShowsTheSizeAndTheImportListSetsTheImportSize) {
    ASSERT_TRUE(Solid(300, 200, Qt::gray).save(path("grand.bmp"), "BMP"));
    openPage(path("grand.bmp"));
    EXPECT_EQ(window->StatusPanel(1)->text(), "grand.bmp");
    EXPECT_EQ(window->StatusPanel(3)->text(), " 300x200");
    EXPECT_EQ(window->StatusPanel(5)->text(), " 12");  // (300 div 64) x (200 div 64)
    EXPECT_EQ(window->Image1->size(), QSize(300, 200));
    window->ComboBox1->setCurrentText("32 x 128");
    window->ComboBox1Change();
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(32, 128));
    EXPECT_EQ(page.pageWidth, 300);
}

TEST_F(PageWiring, EditingGoesToTheEditorOnlyAfterTheNewElementDialogsOk) {
    source("a.bmp", Solid(8, 8, Qt::gray));
    showSources(1);
    clickSource("a.bmp");
    prompts.expectMessage(MessageKind::Information, app::kEditorPendingText);
    window->ModifierSource1->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(QDir(path("src")).entryList(QDir::Files).size(), 1);

    texture::TFicheNouveau dialog(context.newElement, prompts, window.get());
    context.windows.ficheNouveau = &dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.BtAnnuler->click(); });
    window->Nouveau1->trigger();
    EXPECT_EQ(prompts.shown().size(), 1u);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.BtOK->click(); });
    prompts.expectMessage(MessageKind::Information, app::kEditorPendingText);
    window->Nouveau1->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    context.windows.ficheNouveau = nullptr;
}

}  // namespace
}  // namespace tessella::testing
