#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <memory>

#include "app/AppContext.h"
#include "app/TFicheAide.h"
#include "app/TForm3.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/ScriptedPrompts.h"

using namespace tessella;

namespace {

class HelpWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        context = std::make_unique<app::AppContext>(
            app::AppContext{prompts, pacer, platform::ProgramFolder(folder.path()), page});
    }
    void WriteHelp(const QByteArray& rtf) {
        QFile f(QDir(folder.path()).filePath("Tessella.rtf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(rtf);
    }

    QTemporaryDir folder;
    tessella::testing::ScriptedPrompts prompts;
    tessella::testing::CountingPacer pacer;
    texture::TexturePage page;
    std::unique_ptr<app::AppContext> context;
};

}  // namespace

TEST_F(HelpWindowTest, LooksAsItShould) {
    app::TFicheAide aide(*context);
    EXPECT_EQ(aide.windowTitle(), "TESSELLA   Aide");
    EXPECT_EQ(aide.size(), QSize(592, 364));
    EXPECT_TRUE(aide.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(aide.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(aide.RichEdit1->isReadOnly());
    EXPECT_EQ(aide.RichEdit1->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(aide.RichEdit1->palette().color(QPalette::Base), QColor(0xE3, 0xE3, 0xE3));
    EXPECT_EQ(aide.Imprimer1->text(), "Imprimer");
    EXPECT_EQ(aide.Fermer1->text(), "Fermer");
}

TEST_F(HelpWindowTest, ReloadsTheFileAtEachShowing) {
    WriteHelp("{\\rtf1\\ansi premi\\'e8re version}");
    app::TFicheAide aide(*context);
    EXPECT_TRUE(aide.RichEdit1->toPlainText().isEmpty());  // nothing read before the showing
    aide.show();
    EXPECT_EQ(aide.RichEdit1->toPlainText(), QString::fromUtf8("première version"));
    aide.Fermer1->trigger();
    EXPECT_FALSE(aide.isVisible());

    WriteHelp("{\\rtf1\\ansi seconde}");
    aide.show();
    EXPECT_EQ(aide.RichEdit1->toPlainText(), "seconde");
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(HelpWindowTest, KeepsItsTextWhenTheFileIsMissing) {
    WriteHelp("{\\rtf1 texte}");
    app::TFicheAide aide(*context);
    aide.show();
    aide.hide();
    ASSERT_TRUE(QFile::remove(QDir(folder.path()).filePath("Tessella.rtf")));
    aide.show();
    EXPECT_EQ(aide.RichEdit1->toPlainText(), "texte");
    EXPECT_TRUE(prompts.shown().empty());  // no message for a missing help file
}

TEST_F(HelpWindowTest, EmptyWithoutAFileAndWithoutAMessage) {
    app::TFicheAide aide(*context);
    aide.show();
    EXPECT_TRUE(aide.RichEdit1->toPlainText().isEmpty());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(HelpWindowTest, PrintingStopsWhenThePrinterSetUpIsCancelled) {
    app::TFicheAide aide(*context);
    prompts.expectPrinterSetup(false);
    aide.Imprimer1->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(HelpWindowTest, AboutBoxCaptionVersionAndOk) {
    app::TForm3 about(*context);
    EXPECT_EQ(about.windowTitle(), "A PROPOS");
    EXPECT_EQ(about.Label2->text(), "Ver.   4.0      Janvier 2003");
    EXPECT_TRUE(about.Label1->font().bold());
    EXPECT_TRUE(about.Label1->alignment() & Qt::AlignHCenter);
    about.show();
    about.BtOK->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
