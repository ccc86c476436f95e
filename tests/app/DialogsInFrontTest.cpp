// Dialogs and message boxes come up in front of the window the user is working in, even with
// the help window, which stays on top, showing.

#include <QApplication>
#include <functional>

#include "tests/app/WindowFixture.h"
#include "ui/app/HelpWindow.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::testing {
namespace {

// The modal dialog that comes up while `act` runs: its owner and whether it stays on top;
// it is closed at once.
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
        widthDialog = window->pageWidthDialog;
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
    texture::PageWidthDialog* widthDialog = nullptr;
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

TEST_F(DialogsInFront, ADialogMadeAtStartUpComesBeforeTheActiveWindowThenGoesBack) {
    page.modified = false;
    activate(help);
    QWidget* ownerWhileShown = nullptr;
    bool onTop = false;
    QTimer::singleShot(0, widthDialog, [&] {
        ownerWhileShown = widthDialog->parentWidget();
        onTop = widthDialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        widthDialog->reject();
    });
    widthDialog->askWidth();
    EXPECT_EQ(ownerWhileShown, help);
    EXPECT_TRUE(onTop);
    EXPECT_EQ(widthDialog->parentWidget(), window.get());
    // With the help hidden, nothing stays on top.
    help->hide();
    activate(window.get());
    QTimer::singleShot(0, widthDialog, [&] {
        onTop = widthDialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        widthDialog->reject();
    });
    widthDialog->askWidth();
    EXPECT_FALSE(onTop);
}

TEST_F(DialogsInFront, ThePageWidthQuestionIsReadableInTheDialog) {
    help->hide();
    int titleRoom = 0;
    bool questionShown = false;
    QTimer::singleShot(0, widthDialog, [&] {
        const QString question = QString::fromUtf8("Largeur de la texture ?");
        EXPECT_EQ(widthDialog->windowTitle(), question);
        questionShown = widthDialog->questionLabel->isVisible() &&
                        widthDialog->questionLabel->text() == question;
        titleRoom = widthDialog->width() - widthDialog->fontMetrics().horizontalAdvance(question);
        widthDialog->width512Radio->setChecked(true);
        widthDialog->closeButton->click();
    });
    EXPECT_EQ(widthDialog->askWidth(), 512);
    EXPECT_TRUE(questionShown);
    // Beside the caption: an icon and three buttons of a title bar, about 100 pixels.
    EXPECT_GE(titleRoom, 100);
}

// A modal window with a palette of its own that the user clicked (the element editor and its
// drawing tools): what the palette opens belongs to the palette, or the window manager keeps it
// under the palette, which stays on top.
TEST(DialogsOfAPalette, BelongToThePaletteNotToTheModalWindowBehindIt) {
    QDialog modal;
    auto* palette = new QDialog(&modal, Qt::Tool | Qt::WindowStaysOnTopHint);
    auto* catalogue = new QDialog(palette);
    QWidget* frontWhileModal = nullptr;
    QWidget* ownerWhileShown = nullptr;
    QTimer::singleShot(0, &modal, [&] {
        palette->show();
        palette->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(palette));
        frontWhileModal = widgets::FrontWindow();
        QTimer::singleShot(0, catalogue, [&] {
            ownerWhileShown = catalogue->parentWidget();
            catalogue->reject();
        });
        widgets::ExecInFront(*catalogue);
        modal.reject();
    });
    modal.exec();
    EXPECT_EQ(frontWhileModal, palette);
    EXPECT_EQ(ownerWhileShown, palette);
}

}  // namespace
}  // namespace tessella::testing
