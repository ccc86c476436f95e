#include <QFile>
#include <QTextEdit>

#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "ui/app/HelpWindow.h"

namespace tessella::testing {
namespace {

class HelpWindow : public AppFixture {};

TEST_F(HelpWindow, ReloadsTheFileAtEachShowingAndKeepsItsTextWhenItIsMissing) {
    app::HelpWindow help(prompts, context.programFolder.helpFile());
    help.show();  // no file yet: empty, and no message
    help.closeAction->trigger();
    ASSERT_TRUE(WriteBytes(path("Tessella.rtf"), "{\\rtf1\\ansi seconde}"));
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), "seconde");
    help.hide();
    ASSERT_TRUE(QFile::remove(path("Tessella.rtf")));
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), "seconde");
    EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace tessella::testing
