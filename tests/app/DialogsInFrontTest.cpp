// Dialogs and message boxes come up in front of the window the user is working in, even with
// the help window, which stays on top, showing.

#include <QApplication>
#include <functional>

#include "tests/app/WindowFixture.h"
#include "ui/app/HelpWindow.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::testing {
namespace {

// The modal dialog that comes up while `act` runs, closed at once.
struct ShownDialog {
    QString className;
    QWidget* owner = nullptr;
    bool onTop = false;
};

ShownDialog DialogShownBy(const std::function<void()>& act) {
    ShownDialog shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll.stop();
        shown = {modal->metaObject()->className(), modal->parentWidget(),
                 modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint)};
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    poll.start(10);
    act();
    return shown;
}

class DialogsInFront : public ContextFixture<widgets::QtPrompts> {
  protected:
    void SetUp() override {
        window = std::make_unique<app::MainWindow>(context.mainWindowServices(printer));
        help = new app::HelpWindow(prompts, context.programFolder.helpFile(), window.get());
        prompts.setParent(window.get());
        window->show();
        help->show();
    }
    void activate(QWidget* w) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }

    std::unique_ptr<app::MainWindow> window;
    app::HelpWindow* help = nullptr;
};

TEST_F(DialogsInFront, OfTheHelpWindowAndOfTheMainWindowWhileHelpShows) {
    // "Imprimer" of the help window: the printer set-up belongs to the help window.
    activate(help);
    ShownDialog shown = DialogShownBy([&] { help->printAction->trigger(); });
    EXPECT_EQ(shown.className, "QPrintDialog");
    EXPECT_EQ(shown.owner, help);
    EXPECT_TRUE(shown.onTop);

    // Quitting a modified page from the main window: the question stays above the help.
    page.pageBitmap = texture::PageBitmap::filled(64, 64, platform::kMagenta);
    page.modified = true;
    activate(window.get());
    shown = DialogShownBy([&] { window->quitAction->trigger(); });
    EXPECT_EQ(shown.className, "QMessageBox");
    EXPECT_EQ(shown.owner, window.get());
    EXPECT_TRUE(shown.onTop);
    EXPECT_TRUE(window->isVisible());  // closing the box answers No
}

}  // namespace
}  // namespace tessella::testing
