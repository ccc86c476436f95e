// The contact-sheet run in both modes, through scripted prompts, an instant pacer and the
// recording printer (4800 pixels printable: magnification 5).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QTimer>

#include "platform/Error.h"
#include "platform/PrinterTexts.h"
#include "print/ContactSheetWindow.h"
#include "print/PrintTexts.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedPrompts.h"

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

class ContactSheetRun : public ::testing::Test {
  protected:
    ContactSheetRun() {
        window.setLoader([this](const QString& path) {
            ++loads;
            if (path == failing) throw platform::TessellaError("illisible");
            QImage picture(64, 64, QImage::Format_BGR888);
            picture.fill(Qt::darkGreen);
            return picture;
        });
    }
    // Starts a run over n files, answering the question.
    void start(int n, Answer answer) {
        prompts.expectMessage(MessageKind::Confirmation,
                              print::kPreviewQuestion.arg((n + 23) / 24), answer);
        window.startRun(Files(n));
    }

    ScriptedPrompts prompts;
    CountingPacer pacer;
    RecordingPrinter printer;
    Window window{prompts, pacer, printer};
    QString failing;
    int loads = 0;
};

TEST_F(ContactSheetRun, PreviewPrintThenSkipTheLastPage) {
    start(25, Answer::Yes);
    EXPECT_TRUE(window.running());
    EXPECT_FALSE(window.confirmationBar->isHidden());
    EXPECT_TRUE(window.tickTimer->isActive());
    window.composeNextSheet();
    EXPECT_EQ(window.windowTitle(), print::kRunPageCaption + "1");
    EXPECT_EQ(loads, 24);
    EXPECT_TRUE(window.printButton->isEnabled());
    EXPECT_EQ(window.sheet().pixelColor(162, 172), QColor(Qt::darkGreen));
    window.printButton->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].pictures.at(0).target, QRect(300, 50, 3125, 5205));
    EXPECT_EQ(window.tickTimer->interval(), Window::kAfterPrintMs);
    window.composeNextSheet();
    EXPECT_EQ(loads, 25);
    window.skipShownSheet();
    EXPECT_FALSE(window.running());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.tickTimer->isActive());
    EXPECT_EQ(printer.documents.size(), 1u);
}

TEST_F(ContactSheetRun, AbandonInPreviewPrintsNothingMore) {
    start(30, Answer::Yes);
    window.composeNextSheet();
    window.abandonButton->click();
    EXPECT_FALSE(window.running());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.tickTimer->isActive());
    window.composeNextSheet();  // a late tick does nothing
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_EQ(loads, 24);
}

TEST_F(ContactSheetRun, AutomaticModePrintsEveryPageWithPauses) {
    start(25, Answer::No);
    EXPECT_TRUE(window.confirmationBar->isHidden());
    window.composeNextSheet();
    EXPECT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(pacer.waits, 1);
    EXPECT_EQ(pacer.totalMs, Window::kPrintedPauseMs);
    EXPECT_EQ(window.tickTimer->interval(), Window::kAutomaticTickMs);
    EXPECT_TRUE(window.tickTimer->isActive());
    window.composeNextSheet();
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_FALSE(window.running());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ContactSheetRun, DismissedQuestionCancelsTheRun) {
    start(3, Answer::Cancel);
    EXPECT_FALSE(window.running());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.tickTimer->isActive());
}

TEST_F(ContactSheetRun, ClosingActsAsAbandon) {
    start(30, Answer::No);
    window.close();
    EXPECT_FALSE(window.running());
    EXPECT_FALSE(window.tickTimer->isActive());
    window.composeNextSheet();
    EXPECT_TRUE(printer.documents.empty());
}

TEST_F(ContactSheetRun, NoTickInsideAnotherAndNoSecondRun) {
    start(30, Answer::Yes);
    // Pending events run after each thumbnail; a timer tick among them must wait its turn.
    struct ReentrantPacer final : platform::Pacer {
        Window* window = nullptr;
        void wait(int) override {}
        void processEvents() override { window->composeNextSheet(); }
    };
    ReentrantPacer reentrant;
    reentrant.window = &window;
    Window nested{prompts, reentrant, printer};
    nested.setLoader([](const QString&) { return QImage(8, 8, QImage::Format_BGR888); });
    prompts.expectMessage(MessageKind::Confirmation, {}, Answer::Yes);
    nested.startRun(Files(2));
    reentrant.window = &nested;
    nested.composeNextSheet();
    EXPECT_EQ(nested.pageNumber(), 1);
    // The menu command during a run only brings the window forward: no second question.
    window.startRun(Files(5));
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_TRUE(window.running());
}

TEST_F(ContactSheetRun, UnreadableFileEndsTheRunCleanly) {
    failing = "/src/2.bmp";
    start(5, Answer::Yes);
    prompts.expectMessage(MessageKind::Error, "illisible");
    window.composeNextSheet();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(window.running());
    EXPECT_TRUE(window.isVisible());  // on the partial page
    EXPECT_FALSE(window.printButton->isEnabled());
    window.abandonButton->click();  // closes without composing the same file again
    EXPECT_EQ(loads, 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(ContactSheetRun, WithoutAPrinterNothingStarts) {
    printer.available = false;
    prompts.expectMessage(MessageKind::Error, platform::kNoPrinterMessage);
    window.startRun(Files(3));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.running());
}

}  // namespace
}  // namespace tessella::testing
