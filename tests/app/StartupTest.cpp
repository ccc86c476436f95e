#include <gtest/gtest.h>

#include <QApplication>
#include <array>

#include "tests/app/WindowFixture.h"
#include "ui/app/AboutBox.h"
#include "ui/app/HelpWindow.h"
#include "ui/app/SplashScreen.h"
#include "ui/app/Startup.h"
#include "ui/catalogue/CatalogueWindow.h"
#include "ui/editor/BlurDialog.h"
#include "ui/editor/ChannelDialog.h"
#include "ui/editor/ColourAdjustWindow.h"
#include "ui/editor/DrawingTools.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/editor/ResizeDialog.h"
#include "ui/print/ContactSheetWindow.h"
#include "ui/print/PrintDialog.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/Resources.h"

using namespace tessella;

namespace {

// Records what is on screen at each wait of the start-up.
class WatchingPacer final : public platform::Pacer {
  public:
    struct Seen {
        int ms;
        bool splashVisible;
        bool mainVisible;
        bool otherWindowsMade;
        bool hourglass;
    };
    void wait(int ms) override {
        const QCursor* c = QApplication::overrideCursor();
        seen.push_back(
            {ms, startup->splash() && startup->splash()->isVisible(),
             startup->mainWindow() && startup->mainWindow()->isVisible(),
             startup->elementEditor() && startup->catalogueWindow() && startup->helpWindow(),
             c && c->shape() == Qt::WaitCursor});
    }
    void processEvents() override { ++eventRuns; }

    app::Startup* startup = nullptr;
    std::vector<Seen> seen;
    int eventRuns = 0;
};

}  // namespace

using Startup =
    tessella::testing::ContextFixture<tessella::testing::ScriptedPrompts, WatchingPacer>;

TEST_F(Startup, SplashWaitsWindowsAndCursorsInOrder) {
    app::Startup startup(context);
    pacer.startup = &startup;
    startup.run();

    // The splash waits 2 s alone, then 1 s over the main window, under the hourglass.
    ASSERT_EQ(pacer.seen.size(), 2u);
    const WatchingPacer::Seen& first = pacer.seen[0];
    const WatchingPacer::Seen& second = pacer.seen[1];
    EXPECT_EQ((std::array{first.ms, second.ms}), (std::array{2000, 1000}));
    EXPECT_TRUE(first.splashVisible && first.hourglass);
    EXPECT_FALSE(first.mainVisible || first.otherWindowsMade);
    EXPECT_TRUE(second.splashVisible && second.mainVisible && second.otherWindowsMade &&
                second.hourglass);
    EXPECT_GE(pacer.eventRuns, 2);  // the splash and the main window got to paint

    EXPECT_EQ(startup.splash(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(startup.mainWindow()->isVisible());
    for (auto which : {widgets::ToolCursor::Pencil, widgets::ToolCursor::PaintPot,
                       widgets::ToolCursor::ColourPicker}) {
        EXPECT_TRUE(context.cursors.installed(which)) << int(which);
        EXPECT_EQ(context.cursors.cursor(which).pixmap().size(), QSize(32, 32));
    }
    EXPECT_TRUE(prompts.shown().empty());

    // Each dialog belongs to the window that opens it, so that it stacks above that window.
    app::MainWindow* main = startup.mainWindow();
    editor::ElementEditor* editor = startup.elementEditor();
    EXPECT_EQ(editor->parentWidget(), main);
    EXPECT_EQ(startup.helpWindow()->parentWidget(), main);
    for (QWidget* ownedByMain : std::initializer_list<QWidget*>{
             main->aboutBox, main->pageWidthDialog, main->newElementDialog, main->printDialog,
             main->contactSheetWindow})
        EXPECT_EQ(ownedByMain->parentWidget(), main) << ownedByMain->metaObject()->className();
    for (QWidget* ownedByEditor : std::initializer_list<QWidget*>{
             editor->blurDialog(), editor->channelDialog(), editor->resizeDialog(),
             editor->newElementDialog(), editor->colourWindow(), editor->drawingTools()})
        EXPECT_EQ(ownedByEditor->parentWidget(), editor)
            << ownedByEditor->metaObject()->className();
    // The catalogue opens from the drawing palette, which stays on top.
    EXPECT_EQ(startup.catalogueWindow()->parentWidget(), editor->drawingTools());
}

class Splash : public tessella::testing::AppFixture {};

TEST_F(Splash, IsBorderlessOnTopAndShowsTheJpegResource) {
    app::SplashScreen splash(prompts);
    EXPECT_EQ(splash.size(), QSize(332, 313));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    splash.show();
    const QImage& shown = splash.picture->picture();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.format(), QImage::Format_BGR888);
    // Qt's own JPEG reader, when it is there, must see the same picture.
    widgets::EnsureResources();
    QImage reference(QStringLiteral(":/Splash"));
    if (!reference.isNull()) {
        ASSERT_EQ(reference.size(), shown.size());
        int worst = 0;
        for (QPoint p : {QPoint(10, 10), QPoint(166, 120), QPoint(300, 290), QPoint(60, 200)}) {
            const QColor a = reference.pixelColor(p), b = shown.pixelColor(p);
            worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                              std::abs(a.blue() - b.blue())});
        }
        EXPECT_LE(worst, 4);
    }
    EXPECT_TRUE(prompts.shown().empty());
}

TEST(StepArrows, StepsStayInsideTheRange) {
    widgets::StepArrows u(Qt::Vertical, -1024, 0, 0, 16);
    int clicks = 0;
    QObject::connect(&u, &widgets::StepArrows::clicked, [&] { ++clicks; });
    u.click(widgets::StepArrows::Button::Next);
    EXPECT_EQ(u.position(), 0);  // already at the top
    u.click(widgets::StepArrows::Button::Prev);
    EXPECT_EQ(u.position(), -16);
    u.setPosition(-1020);
    u.click(widgets::StepArrows::Button::Prev);
    EXPECT_EQ(u.position(), -1024);
    EXPECT_EQ(clicks, 3);
    u.setPosition(5000);
    EXPECT_EQ(u.position(), 0);
    u.setRange(-100, -50);
    EXPECT_EQ(u.position(), -50);
}
