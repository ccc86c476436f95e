// On a real desktop (X server and window manager, started by on-desktop.sh) every window and
// dialog comes up on top of the window that opened it and takes the focus. The window manager
// is asked, not Qt: the stacking order and the active window are the root window's
// _NET_CLIENT_LIST_STACKING and _NET_ACTIVE_WINDOW. Windows are opened by real clicks (xdotool),
// so the window manager sees the user's time as it would with a person at the desk.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <map>

#include "tests/support/CountingPacer.h"
#include "tests/support/Pictures.h"
#include "texture/TexturePage.h"
#include "ui/app/AppContext.h"
#include "ui/app/MainWindow.h"
#include "ui/app/Startup.h"
#include "ui/editor/DrawingTools.h"
#include "ui/editor/ElementEditor.h"
#include "ui/print/ContactSheetWindow.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::testing {
namespace {

// How long the window manager gets to map, raise and focus a window: generous, for a machine
// busy with a parallel build and test run.
constexpr int kWindowManagerMs = 15000;

// What the window manager says: client windows bottom to top, and the focused one.
struct WmState {
    std::vector<WId> stacking;
    WId active = 0;
};

WmState AskWindowManager() {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {"-root", "-notype", "_NET_CLIENT_LIST_STACKING", "_NET_ACTIVE_WINDOW"});
    xprop.waitForFinished(2000);
    WmState state;
    const QRegularExpression id(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const QString& line : QString::fromLatin1(xprop.readAllStandardOutput()).split('\n')) {
        std::vector<WId> ids;
        for (const auto& m : id.globalMatch(line))
            ids.push_back(m.captured().toULongLong(nullptr, 16));
        if (line.startsWith("_NET_CLIENT_LIST_STACKING")) state.stacking = ids;
        if (line.startsWith("_NET_ACTIVE_WINDOW") && !ids.empty()) state.active = ids.front();
    }
    return state;
}

QWidget* WindowOfId(WId id) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->internalWinId() == id) return w;
    return nullptr;
}

QString Describe(const QWidget* w) {
    if (!w) return QStringLiteral("(none)");
    return QStringLiteral("%1 \"%2\"").arg(w->metaObject()->className(), w->windowTitle());
}

// A press and release of the left button at a point of widget, through the X server.
void UseWithMouse(QWidget* widget, QPoint at) {
    const QPoint global = widget->mapToGlobal(at);
    QProcess::execute(QStringLiteral("xdotool"), {"mousemove", QString::number(global.x()),
                                                  QString::number(global.y()), "click", "1"});
}
void UseWithMouse(QWidget* widget) {
    UseWithMouse(widget, widget->rect().center());
}

// The action chosen with the mouse: from the menu bar, or from its menu opened there.
void UseWithMouse(QAction* action) {
    for (QObject* holder : action->associatedObjects()) {
        if (auto* bar = qobject_cast<QMenuBar*>(holder)) {
            UseWithMouse(bar, bar->actionGeometry(action).center());
            return;
        }
        auto* menu = qobject_cast<QMenu*>(holder);
        if (!menu) continue;
        for (QObject* barHolder : menu->menuAction()->associatedObjects()) {
            auto* bar = qobject_cast<QMenuBar*>(barHolder);
            if (!bar) continue;
            UseWithMouse(bar, bar->actionGeometry(menu->menuAction()).center());
            if (!QTest::qWaitFor([&] { return menu->isVisible(); }, kWindowManagerMs)) {
                ADD_FAILURE() << "menu did not open: " << menu->title().toStdString();
                return;
            }
            UseWithMouse(menu, menu->actionGeometry(action).center());
            return;
        }
    }
    ADD_FAILURE() << "no menu holds " << action->text().toStdString();
}

// The modal window in front when it is of this class.
QWidget* ModalOf(const char* className) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->inherits(className) ? modal : nullptr;
}

// One window as the window manager showed it.
struct Seen {
    QString window;
    bool onTop = false;
    bool active = false;
    QString above;  // the window over it, when it is not on top
    QString focused;
    qint64 ms = 0;
    QString stacking;  // bottom to top, when it is not on top
};

class WindowStacking : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run through on-desktop.sh";
        QDir(folder.path()).mkdir("src");
        sourceFile = folder.filePath("src/brique.bmp");
        ASSERT_TRUE(Solid(64, 48, QColor(200, 80, 40)).save(sourceFile, "BMP"));
        startup.run();
        main = startup.mainWindow();
        editor = startup.elementEditor();
        prompts.setParent(main);
        // A page is open, so that it can be printed.
        page.pageBitmap = texture::PageBitmap::filled(128, 128, platform::kMagenta);
        page.pageOpen = true;
        main->showSourceFolder(folder.filePath("src/"));
        main->printPageAction->setEnabled(true);
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    // Opens a window with open, waits until find gives it, asks the window manager whether it
    // is on top of every window and focused, runs inside while it is up, then closes it with
    // close.
    void expectOnTop(const QString& name, const std::function<void()>& open,
                     const std::function<QWidget*()>& find,
                     const std::function<void(QWidget*)>& close,
                     const std::function<void(QWidget*)>& inside = {}) {
        std::fprintf(stderr, "opening %s\n", name.toUtf8().constData());
        bool done = false;
        QWidget* window = nullptr;
        QElapsedTimer clock;
        QTimer poll;
        poll.setInterval(25);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!window) {
                window = find();
                if (window && window->isVisible()) return;
                window = nullptr;
                if (clock.elapsed() < kWindowManagerMs) return;
                poll.stop();
                seen[name] = Seen{QStringLiteral("never shown"), false, false, {}, {}, 0, {}};
                done = true;
                return;
            }
            Seen now = check(window);
            now.ms = clock.elapsed();
            if (!(now.onTop && now.active) && clock.elapsed() < kWindowManagerMs) return;
            poll.stop();
            seen[name] = now;
            if (inside) inside(window);
            close(window);
            done = true;
        });
        clock.start();
        poll.start();
        open();
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 60000)) << name.toStdString();
        QTest::qWait(100);  // the window manager gives the focus back
    }

    // A modal dialog of the given class, opened by a click on the button or action.
    template <class Opener>
    void expectModal(const QString& name, Opener* opener, const char* className,
                     const std::function<void(QWidget*)>& inside = {}) {
        expectOnTop(
            name, [opener] { UseWithMouse(opener); }, [className] { return ModalOf(className); },
            [](QWidget* w) {
                if (w->isVisible()) qobject_cast<QDialog*>(w)->reject();
            },
            inside);
    }

    // What the window manager showed, passed or not.
    void TearDown() override {
        std::printf("%-40s %-6s %-7s %6s  %s\n", "window", "on top", "focused", "ms", "detail");
        for (const auto& [name, s] : seen) {
            const QString under = s.above.isEmpty() ? QString() : " under " + s.above;
            const QString focus = s.active ? QString() : " focus on " + s.focused;
            std::printf("%-40s %-6s %-7s %6lld  %s%s%s\n", name.toUtf8().constData(),
                        s.onTop ? "yes" : "NO", s.active ? "yes" : "NO",
                        static_cast<long long>(s.ms), s.window.toUtf8().constData(),
                        under.toUtf8().constData(), focus.toUtf8().constData());
        }
    }

    // Closes the dialog (accepted when acceptFirst), then expects the next one on top.
    std::function<void(QWidget*)> rejectThenExpect(const QString& next, const char* className,
                                                   bool acceptFirst = false) {
        return [this, next, className, acceptFirst](QWidget* w) {
            QTimer::singleShot(0, main, [this, next, className] {
                expectOnTop(
                    next, [] {}, [className] { return ModalOf(className); },
                    [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
            });
            if (acceptFirst)
                qobject_cast<QDialog*>(w)->accept();
            else
                qobject_cast<QDialog*>(w)->reject();
        };
    }

    Seen check(QWidget* window) const {
        const WmState wm = AskWindowManager();
        Seen s;
        s.window = Describe(window);
        s.active = wm.active == window->internalWinId();
        s.focused = Describe(WindowOfId(wm.active));
        const auto at = std::find(wm.stacking.begin(), wm.stacking.end(), window->internalWinId());
        if (at == wm.stacking.end()) {
            s.above = QStringLiteral("(not in the stacking list)");
            return s;
        }
        // On top of every other window, the ones that stay on top (the editor, its palette)
        // included: a dialog under the palette may be hidden by it.
        s.onTop = at + 1 == wm.stacking.end();
        if (s.onTop) return s;
        s.above = Describe(WindowOfId(wm.stacking.back()));
        for (WId id : wm.stacking) {
            const QWidget* w = WindowOfId(id);
            const bool stays = w && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            s.stacking += Describe(w) + (stays ? " [stays on top]" : "") + " < ";
        }
        return s;
    }

    QTemporaryDir folder;
    widgets::QtPrompts prompts;
    CountingPacer pacer;
    texture::TexturePage page;
    app::AppContext context{prompts, pacer, platform::ProgramFolder(folder.path()), page};
    app::Startup startup{context};
    app::MainWindow* main = nullptr;
    editor::ElementEditor* editor = nullptr;
    QString sourceFile;
    std::map<QString, Seen> seen;
};

TEST_F(WindowStacking, EveryWindowComesUpOnTopOfItsOpenerAndFocused) {
    QElapsedTimer total;
    total.start();

    // Over the main window.
    expectModal("A propos", main->aboutAction, "tessella::app::AboutBox");
    // The width question, then the file name of the new page.
    expectOnTop(
        "Nouvelle texture: largeur", [this] { UseWithMouse(main->newPageAction); },
        [] { return ModalOf("tessella::texture::PageWidthDialog"); },
        // Its close box cancels; its button goes on to the file name.
        rejectThenExpect("Nouvelle texture: fichier", "QFileDialog", true));
    expectModal("Nouvel élément (fenêtre principale)", main->newElementAction,
                "tessella::editor::NewElementDialog");
    expectModal("Impression de la texture", main->printPageAction, "tessella::print::PrintDialog");
    // No source selected: a warning box.
    expectModal("Message (fenêtre principale)", main->contactSheetAction, "QMessageBox");

    // A source chosen with the mouse in the sources' panel.
    UseWithMouse(main->showSourcesAction);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->fileList->isVisible(); }, 3000));
    QModelIndex index;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (index = main->fileListIndex(sourceFile)).isValid(); }, 5000));
    UseWithMouse(main->fileList->viewport(), main->fileList->visualRect(index).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->selectedFileCount() == 1; }, 3000));

    // "Planche contact": the question of the run, answered Yes (preview), then the window.
    print::ContactSheetWindow* sheet = main->contactSheetWindow;
    expectModal("Message (planche contact)", main->contactSheetAction, "QMessageBox",
                [](QWidget* box) {
                    for (QAbstractButton* b : qobject_cast<QMessageBox*>(box)->buttons())
                        if (b->text() == QString::fromUtf8("&Oui")) UseWithMouse(b);
                    EXPECT_TRUE(QTest::qWaitFor([box] { return !box->isVisible(); }, 3000));
                });
    expectOnTop(
        "Planche contact", [] {}, [sheet] { return sheet->running() ? sheet : nullptr; },
        [sheet](QWidget*) {
            // Abandon once the first page is shown: no printing.
            EXPECT_TRUE(QTest::qWaitFor([sheet] { return sheet->printButton->isEnabled(); }, 5000));
            UseWithMouse(sheet->abandonButton);
            EXPECT_TRUE(QTest::qWaitFor([sheet] { return !sheet->isVisible(); }, 3000));
        });

    // The element editor, and what it opens while it is up.
    expectOnTop(
        "Editeur d'élément", [&] { UseWithMouse(main->editSourceAction); },
        [this]() -> QWidget* { return editor->isVisible() ? editor : nullptr; },
        [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); },
        [this](QWidget*) {
            drawing::DrawingTools* tools = editor->drawingTools();
            EXPECT_TRUE(QTest::qWaitFor([tools] { return tools->isVisible(); }, 3000));
            expectModal("Flou", editor->blurButton, "tessella::editor::BlurDialog");
            expectModal("Inverser RVB", editor->swapChannelsButton,
                        "tessella::editor::ChannelDialog");
            expectModal("Fusionner", editor->fuseButton, "tessella::editor::ChannelDialog");
            expectModal("Dimensions", editor->resizeButton, "tessella::editor::ResizeDialog");
            expectModal("Nouvel élément (éditeur)", editor->newElementAction,
                        "tessella::editor::NewElementDialog");
            expectModal("Propriétés de l'image", editor->propertiesAction,
                        "tessella::editor::NewElementDialog");
            expectModal("Ajuster RVB", editor->adjustButton,
                        "tessella::pixels::ColourAdjustWindow");
            // No catalogue folder yet: the question whether to make it, answered No.
            expectOnTop(
                "Message (catalogue absent)", [tools] { UseWithMouse(tools->catalogueButton); },
                [] { return ModalOf("QMessageBox"); },
                rejectThenExpect("Catalogue", "tessella::catalogue::CatalogueWindow"));
        });

    std::printf("total %lld ms\n", static_cast<long long>(total.elapsed()));

    // Every window above, the nested ones included, was seen on top and focused.
    EXPECT_EQ(seen.size(), 18u);
    for (const auto& [name, s] : seen)
        EXPECT_TRUE(s.onTop && s.active)
            << name.toStdString() << ": " << s.window.toStdString() << " under "
            << s.above.toStdString() << ", focus on " << s.focused.toStdString()
            << "\n  stacking: " << s.stacking.toStdString();
}

}  // namespace
}  // namespace tessella::testing
