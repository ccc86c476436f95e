// The help window.

#include <QFile>
#include <QTextEdit>

#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "ui/app/HelpWindow.h"

namespace tessella::testing {
namespace {

class HelpWindow : public AppFixture {
  protected:
    void writeHelp(const QByteArray& rtf) { ASSERT_TRUE(WriteBytes(path("Tessella.rtf"), rtf)); }
};

TEST_F(HelpWindow, ReloadsTheFileAtEachShowingAndKeepsItsTextWhenItIsMissing) {
    app::HelpWindow help(prompts, context.programFolder.helpFile());
    help.show();  // no file yet: empty, and no message
    EXPECT_TRUE(help.helpText->toPlainText().isEmpty());
    help.hide();
    writeHelp("{\\rtf1\\ansi premi\\'e8re version}");
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), QString::fromUtf8("première version"));
    help.closeAction->trigger();
    EXPECT_FALSE(help.isVisible());
    writeHelp("{\\rtf1\\ansi seconde}");
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), "seconde");
    help.hide();
    ASSERT_TRUE(QFile::remove(path("Tessella.rtf")));
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), "seconde");
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(HelpWindow, PrintingStopsWhenThePrinterSetUpIsCancelled) {
    app::HelpWindow help(prompts, context.programFolder.helpFile());
    prompts.expectPrinterSetup(false);
    help.printAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace tessella::testing
