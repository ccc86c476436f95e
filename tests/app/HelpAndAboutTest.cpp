// The help window and the about box.

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTextEdit>

#include "app/TFicheAide.h"
#include "app/TForm3.h"
#include "tests/app/WindowFixture.h"

namespace tessella::testing {
namespace {

class HelpWindow : public AppFixture {
  protected:
    void writeHelp(const QByteArray& rtf) {
        QFile f(path("Tessella.rtf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(rtf);
    }
};

TEST_F(HelpWindow, ReloadsTheFileAtEachShowingAndKeepsItsTextWhenItIsMissing) {
    app::TFicheAide aide(context);
    aide.show();  // no file yet: empty, and no message
    EXPECT_TRUE(aide.RichEdit1->toPlainText().isEmpty());
    aide.hide();
    writeHelp("{\\rtf1\\ansi premi\\'e8re version}");
    aide.show();
    EXPECT_EQ(aide.RichEdit1->toPlainText(), QString::fromUtf8("première version"));
    aide.Fermer1->trigger();
    EXPECT_FALSE(aide.isVisible());
    writeHelp("{\\rtf1\\ansi seconde}");
    aide.show();
    EXPECT_EQ(aide.RichEdit1->toPlainText(), "seconde");
    aide.hide();
    ASSERT_TRUE(QFile::remove(path("Tessella.rtf")));
    aide.show();
    EXPECT_EQ(aide.RichEdit1->toPlainText(), "seconde");
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(HelpWindow, PrintingStopsWhenThePrinterSetUpIsCancelled) {
    app::TFicheAide aide(context);
    prompts.expectPrinterSetup(false);
    aide.Imprimer1->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(HelpWindow, AboutBoxCaptionVersionAndOk) {
    app::TForm3 about(context);
    about.show();
    about.BtOK->click();
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace tessella::testing
