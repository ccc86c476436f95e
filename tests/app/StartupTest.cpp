#include <gtest/gtest.h>

#include <QApplication>

#include "tests/app/WindowFixture.h"
#include "ui/app/SplashScreen.h"
#include "ui/app/Startup.h"
#include "ui/catalogue/CatalogueWindow.h"
#include "ui/editor/DrawingTools.h"

using namespace tessella;

namespace {

// Records whether the splash shows at each wait of the start-up.
class WatchingPacer final : public platform::Pacer {
  public:
    void wait(int) override { splashSeen += startup->splash() && startup->splash()->isVisible(); }
    void processEvents() override {}

    app::Startup* startup = nullptr;
    int splashSeen = 0;
};

}  // namespace

using Startup =
    tessella::testing::ContextFixture<tessella::testing::ScriptedPrompts, WatchingPacer>;

TEST_F(Startup, SplashThenTheMainWindowAndEachDialogStacksAboveItsOpener) {
    app::Startup startup(context);
    pacer.startup = &startup;
    startup.run();
    EXPECT_GT(pacer.splashSeen, 0);
    EXPECT_EQ(startup.splash(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(startup.mainWindow()->isVisible());
    EXPECT_TRUE(prompts.shown().empty());

    app::MainWindow* main = startup.mainWindow();
    editor::ElementEditor* editor = startup.elementEditor();
    EXPECT_EQ(editor->parentWidget(), main);
    EXPECT_EQ(main->pageWidthDialog->parentWidget(), main);
    // The catalogue opens from the drawing palette, which stays on top.
    EXPECT_EQ(startup.catalogueWindow()->parentWidget(), editor->drawingTools());
}
