// The two print windows driven through their controls, with scripted prompts and the recording
// printer (600 dpi A4, printable area 4800 x 6800 pixels from (80, 100): 3 and 4 mm).

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "platform/Error.h"
#include "platform/Pacer.h"
#include "platform/PrinterTexts.h"
#include "print/PrintTexts.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/Pictures.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedPrompts.h"
#include "ui/print/ContactSheetWindow.h"
#include "ui/print/PrintDialog.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::testing {
namespace {

using platform::Answer;
using platform::MessageKind;
using platform::PaperOrientation;
using Button = widgets::StepArrows::Button;
using Window = print::ContactSheetWindow;

// 256 x 512, red with a blue top-left pixel (to see which way the miniature turns).
QImage TallPage() {
    QImage page = Solid(256, 512, Qt::red);
    page.setPixelColor(0, 0, Qt::blue);
    return page;
}

class PrintDialogTest : public ::testing::Test {
  protected:
    void showPage(const QImage& page) {
        dialog.setPage(page);
        dialog.show();
    }
    // The size texts and the miniature's size, as one line.
    QString shownSize() const {
        const QSize m = dialog.miniatureView->size();
        return QStringLiteral("%1 x %2 cm, %3 x %4")
            .arg(dialog.widthText->text(), dialog.heightText->text())
            .arg(m.width())
            .arg(m.height());
    }
    void answerDialog(bool ok) {
        QTimer::singleShot(0, &dialog,
                           [this, ok] { (ok ? dialog.okButton : dialog.cancelButton)->click(); });
    }

    ScriptedPrompts prompts;
    CountingPacer pacer;
    RecordingPrinter printer;
    print::PrintDialog dialog{prompts, pacer, printer};
};

TEST_F(PrintDialogTest, OrientationTurnsTheMiniatureAndThePrintAlike) {
    dialog.printNameCheck->setChecked(true);
    QTimer::singleShot(0, &dialog, [this] {
        dialog.orientationButton->click();
        EXPECT_EQ(shownSize(), "15.0 x 7.5 cm, 69 x 34");
        // Clockwise: the top-left pixel goes to the top-right corner.
        EXPECT_EQ(dialog.miniature().pixelColor(511, 0), QColor(Qt::blue));
        dialog.okButton->click();
    });
    dialog.printPage(TallPage(), "/textures/mur.tga");
    EXPECT_FALSE(dialog.landscape());  // not kept
    // On portrait paper, turned as the miniature shows it: 150 mm wide (3543.3 pixels), 75 mm
    // high (1771.65), at (20 - 3, 20 - 4) mm.
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto& doc = printer.documents[0];
    EXPECT_EQ(doc.orientation, PaperOrientation::Portrait);
    EXPECT_EQ(doc.title, "mur.tga");
    const auto& printed = doc.pictures.at(0);
    EXPECT_EQ(printed.target, QRect(402, 378, 3543, 1772));
    EXPECT_EQ(printed.picture.pixelColor(3542, 0), QColor(Qt::blue));
    EXPECT_EQ(printed.picture.pixelColor(0, 0), QColor(Qt::red));
}

// The printable area is 4800 x 6800 pixels (203.2 x 287.9 mm) from the paper's (3, 4) mm.
TEST_F(PrintDialogTest, OverflowShowsRedAsksAtOkAndFitsToThePage) {
    showPage(TallPage());  // 30 cm high from 2 cm
    EXPECT_TRUE(dialog.overflows());
    prompts.expectMessage(MessageKind::Confirmation, print::kPrintCutQuestion, Answer::No);
    dialog.okButton->click();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_TRUE(dialog.isVisible());  // "Non": back to the settings

    // Y 16 mm is 378 pixels: w <= (6800 - 378) / (2 x 23.622) = 135.9.
    dialog.fitButton->click();
    EXPECT_EQ(dialog.widthFineArrows->position(), 135);
    EXPECT_FALSE(dialog.overflows());
    dialog.widthFineArrows->click(Button::Next);  // 136 mm no longer fits
    EXPECT_TRUE(dialog.overflows());
    dialog.widthFineArrows->click(Button::Prev);
    dialog.okButton->click();  // no question now
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.cutAccepted());
}

TEST_F(PrintDialogTest, CancelNoPrinterOrARefusedStartPrintNothing) {
    answerDialog(false);
    dialog.printPage(TallPage(), {});
    printer.available = false;
    prompts.expectMessage(platform::MessageKind::Error, platform::kNoPrinterMessage);
    dialog.printPage(TallPage(), {});  // no dialog: nothing would answer it
    printer.available = true;
    printer.refuseStart = true;
    answerDialog(true);
    prompts.expectMessage(MessageKind::Confirmation, print::kPrintCutQuestion, Answer::Yes);
    prompts.expectMessage(platform::MessageKind::Error, platform::kPrintRefusedMessage);
    dialog.printPage(TallPage(), {});
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_TRUE(prompts.scriptDone());
}

// The contact-sheet run in both modes (magnification 5 on the recording printer).
QStringList Files(int n) {
    QStringList paths;
    for (int i = 0; i < n; ++i) paths << QStringLiteral("/src/%1.bmp").arg(i);
    return paths;
}

// Runs pending events as the event loop would: here, a timer tick that falls due.
class TickingPacer final : public platform::Pacer {
  public:
    void wait(int) override {}
    void processEvents() override {
        if (window) window->composeNextSheet();
    }
    Window* window = nullptr;
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
    bool ended() const { return !window.running() && !window.tickTimer->isActive(); }

    ScriptedPrompts prompts;
    TickingPacer pacer;
    RecordingPrinter printer;
    Window window{prompts, pacer, printer};
    QString failing;
    int loads = 0;
};

TEST_F(ContactSheetRun, PreviewPrintThenSkipTheLastPage) {
    start(25, Answer::Yes);
    pacer.window = &window;  // a tick falling due while the page is composed waits its turn
    window.composeNextSheet();
    EXPECT_EQ(loads, 24);
    EXPECT_EQ(window.sheet().pixelColor(162, 172), QColor(Qt::darkGreen));
    window.printButton->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    window.composeNextSheet();
    EXPECT_EQ(window.pageNumber(), 2);
    window.skipButton->click();
    EXPECT_TRUE(ended());
    EXPECT_EQ(printer.documents.size(), 1u);
    // The menu command during a run only brings the window forward: no second question.
    start(2, Answer::Yes);
    window.startRun(Files(5));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(ContactSheetRun, AutomaticModePrintsEveryPageWithPauses) {
    start(25, Answer::No);
    window.composeNextSheet();
    EXPECT_EQ(printer.documents.size(), 1u);
    window.composeNextSheet();
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_TRUE(ended());
}

TEST_F(ContactSheetRun, RunsThatNeverPrint) {
    start(30, Answer::Yes);
    window.composeNextSheet();
    window.abandonButton->click();  // in preview
    EXPECT_TRUE(ended());
    window.composeNextSheet();  // a late tick does nothing
    EXPECT_EQ(loads, 24);
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
    window.abandonButton->click();  // closes without loading the same file again
    EXPECT_EQ(loads, 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
}  // namespace tessella::testing
