// The contact-sheet run in both modes, through scripted prompts, an instant pacer and the
// recording printer (4800 pixels printable: magnification 5).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QTimer>

#include "platform/Error.h"
#include "platform/Pacer.h"
#include "platform/PrinterTexts.h"
#include "print/PrintTexts.h"
#include "tests/support/Pictures.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedPrompts.h"
#include "ui/print/ContactSheetWindow.h"

namespace tessella::testing {
namespace {

using platform::Answer;
using platform::MessageKind;
using Window = print::ContactSheetWindow;

QStringList Files(int n) {
    QStringList paths;
    for (int i = 0; i < n; ++i) paths << QStringLiteral("/src/%1.bmp").arg(i);
    return paths;
}

// Runs pending events as the event loop would: here, a timer tick that falls due.
class TickingPacer final : public platform::Pacer {
  public:
    void wait(int ms) override { totalMs += ms; }
    void processEvents() override {
        if (window) window->composeNextSheet();
    }
    Window* window = nullptr;
    long long totalMs = 0;
};

class ContactSheetRun : public ::testing::Test {
  protected:
    ContactSheetRun() {
        window.setLoader([this](const QString& path) {
            ++loads;
            if (path == failing) throw platform::TessellaError("illisible");
            return Solid(64, 64, Qt::darkGreen);
        });
    }
    void start(int files, Answer answer) {
        prompts.expectMessage(MessageKind::Confirmation,
                              print::kPreviewQuestion.arg((files + 23) / 24), answer);
        window.startRun(Files(files));
    }
    bool ended() const {
        return !window.running() && !window.tickTimer->isActive() &&
               !window.printButton->isEnabled();
    }

    ScriptedPrompts prompts;
    TickingPacer pacer;
    RecordingPrinter printer;
    Window window{prompts, pacer, printer};
    QString failing;
    int loads = 0;
};

TEST_F(ContactSheetRun, PreviewPrintThenSkipTheLastPage) {
    start(25, Answer::Yes);
    EXPECT_FALSE(window.confirmationBar->isHidden());
    EXPECT_TRUE(window.tickTimer->isActive());
    pacer.window = &window;  // a tick falling due while the page is composed waits its turn
    window.composeNextSheet();
    EXPECT_EQ(window.windowTitle(), print::kRunPageCaption + "1");
    EXPECT_EQ(loads, 24);
    EXPECT_EQ(window.sheet().pixelColor(162, 172), QColor(Qt::darkGreen));
    window.printButton->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].pictures.at(0).target, QRect(300, 50, 3125, 5205));
    EXPECT_EQ(window.tickTimer->interval(), Window::kAfterPrintMs);
    window.composeNextSheet();
    EXPECT_EQ(window.pageNumber(), 2);
    window.skipButton->click();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(printer.documents.size(), 1u);
    // The menu command during a run only brings the window forward: no second question.
    start(2, Answer::Yes);
    window.startRun(Files(5));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(ContactSheetRun, AutomaticModePrintsEveryPageWithPauses) {
    start(25, Answer::No);
    EXPECT_TRUE(window.confirmationBar->isHidden());
    window.composeNextSheet();
    EXPECT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(pacer.totalMs, Window::kPrintedPauseMs);
    EXPECT_EQ(window.tickTimer->interval(), Window::kAutomaticTickMs);
    EXPECT_TRUE(window.tickTimer->isActive());
    window.composeNextSheet();
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_TRUE(ended());
}

TEST_F(ContactSheetRun, RunsThatNeverPrint) {
    start(3, Answer::Cancel);  // the question dismissed
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window.isVisible());
    start(30, Answer::Yes);
    window.composeNextSheet();
    window.abandonButton->click();  // in preview
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window.isVisible());
    window.composeNextSheet();  // a late tick does nothing
    EXPECT_EQ(loads, 24);
    start(30, Answer::No);
    window.close();  // closing acts as Abandon
    EXPECT_TRUE(ended());
    window.composeNextSheet();
    printer.available = false;
    prompts.expectMessage(MessageKind::Error, platform::kNoPrinterMessage);
    window.startRun(Files(3));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(ContactSheetRun, UnreadableFileEndsTheRunCleanly) {
    failing = "/src/2.bmp";
    start(5, Answer::Yes);
    prompts.expectMessage(MessageKind::Error, "illisible");
    window.composeNextSheet();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(ended());
    EXPECT_TRUE(window.isVisible());  // on the partial page
    window.abandonButton->click();    // closes without loading the same file again
    EXPECT_EQ(loads, 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
}  // namespace tessella::testing
