// "Paramètres d'impression" driven through its controls, with scripted prompts and the
// recording printer (600 dpi A4, printable area from (80, 100) pixels: 3 and 4 mm).

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "platform/PrinterTexts.h"
#include "print/PrintTexts.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/Pictures.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedPrompts.h"
#include "ui/print/PrintDialog.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::testing {
namespace {

using platform::Answer;
using platform::MessageKind;
using platform::PaperOrientation;
using Button = widgets::StepArrows::Button;

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

TEST_F(PrintDialogTest, UpDownsAndOk) {
    showPage(TallPage());
    EXPECT_EQ(shownSize(), "15.0 x 30.0 cm, 69 x 138");
    // 2 cm from the outline's corner at (10, 22): R(9.2) = 9.
    EXPECT_EQ(dialog.miniatureView->pos(), QPoint(19, 31));
    EXPECT_EQ(dialog.xArrows->minimum(), 3);  // the printable area's offsets
    EXPECT_EQ(dialog.yArrows->minimum(), 4);

    dialog.widthFineArrows->click(Button::Next);
    EXPECT_EQ(dialog.widthCoarseArrows->position(), 151);
    EXPECT_EQ(shownSize(), "15.1 x 30.2 cm, 69 x 139");
    dialog.widthCoarseArrows->click(Button::Prev);
    EXPECT_EQ(dialog.widthFineArrows->position(), 141);
    dialog.xArrows->click(Button::Next);  // 21 mm: R(9.66) = 10
    dialog.yArrows->click(Button::Prev);  // 19 mm: R(8.74) = 9
    EXPECT_EQ(dialog.xText->text() + " " + dialog.yText->text(), "2.1 1.9");
    EXPECT_EQ(dialog.miniatureView->pos(), QPoint(20, 31));
    dialog.printNameCheck->setChecked(true);
    // 28.2 cm high from 1.5 cm leaves the 28.8 cm printable: printed cut once agreed.
    prompts.expectMessage(MessageKind::Confirmation, print::kPrintCutQuestion, Answer::Yes);
    dialog.okButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const print::PagePlacement& p = dialog.placement();
    EXPECT_EQ(QRect(p.xMm, p.yMm, p.widthMm, 0), QRect(21 - 3, 19 - 4, 141, 0));
    EXPECT_TRUE(dialog.printNameChosen());
    EXPECT_TRUE(dialog.cutAccepted());
}

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

    showPage(Solid(512, 512, Qt::green));
    dialog.orientationButton->click();  // 15 x 15 cm fitted into 15 x 10
    EXPECT_EQ(dialog.widthFineArrows->position(), 100);
    EXPECT_EQ(shownSize(), "10.0 x 10.0 cm, 46 x 46");
}

TEST_F(PrintDialogTest, KeptLandscapeTurnsTheSameWayAtTheNextShowing) {
    dialog.keepSettingsCheck->setChecked(true);
    showPage(TallPage());
    dialog.orientationButton->click();
    dialog.okButton->click();
    showPage(TallPage());
    EXPECT_EQ(dialog.miniature().pixelColor(511, 0), QColor(Qt::blue));
    EXPECT_EQ(shownSize(), "15.0 x 7.5 cm, 69 x 34");
    EXPECT_TRUE(dialog.placement().turned);
}

TEST_F(PrintDialogTest, PrinterSetupKeepsThePaperPortrait) {
    QPrinter platformPrinter;
    printer.setupPrinter = &platformPrinter;
    showPage(TallPage());
    dialog.orientationButton->click();
    printer.orientations.clear();
    prompts.expectPrinterSetup(true);
    dialog.printerSetupButton->click();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(printer.orientations,
              std::vector({PaperOrientation::Portrait, PaperOrientation::Portrait}));
}

// The printable area is 4800 x 6800 pixels (203.2 x 287.9 mm) from the paper's (3, 4) mm.
TEST_F(PrintDialogTest, OverflowShowsRedAsksAtOkAndFitsToThePage) {
    showPage(TallPage());  // 30 cm high from 2 cm
    EXPECT_TRUE(dialog.overflows());
    EXPECT_TRUE(dialog.overflowText->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.heightText->styleSheet().contains("red"));
    prompts.expectMessage(MessageKind::Confirmation, print::kPrintCutQuestion, Answer::No);
    dialog.okButton->click();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_TRUE(dialog.isVisible());  // "Non": back to the settings

    // Y 16 mm is 378 pixels; the height is 2 x 23.622 pixels a millimetre of width, so
    // w <= (6800 - 378) / 47.244 = 135.9.
    dialog.fitButton->click();
    EXPECT_EQ(dialog.widthFineArrows->position(), 135);
    EXPECT_EQ(dialog.widthCoarseArrows->position(), 135);
    EXPECT_FALSE(dialog.overflows());
    EXPECT_FALSE(dialog.overflowText->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.heightText->styleSheet().contains("red"));
    dialog.okButton->click();  // no question now
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.cutAccepted());

    // Moved right past the paper's edge: red again.
    showPage(TallPage());
    for (int i = 0; i < 190; ++i) dialog.xArrows->click(widgets::StepArrows::Button::Next);
    EXPECT_TRUE(dialog.overflows());
}

TEST_F(PrintDialogTest, MenuCommandPrintsTheNamedPage) {
    dialog.printNameCheck->setChecked(true);
    answerDialog(true);
    prompts.expectMessage(MessageKind::Confirmation, print::kPrintCutQuestion, Answer::Yes);
    dialog.printPage(TallPage(), "/textures/mur.GIF");
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto& doc = printer.documents[0];
    EXPECT_TRUE(doc.ended);
    EXPECT_EQ(doc.title, "mur.GIF");
    EXPECT_EQ(doc.texts.at(0), std::make_pair(QPoint(50, 1), QString("mur.GIF")));
    // 150 mm wide at (20 - 3, 20 - 4) mm: 3543 x 7087 at R(401.6), R(377.95).
    EXPECT_EQ(doc.pictures.at(0).target, QRect(402, 378, 3543, 7087));

    answerDialog(false);
    dialog.printPage(Solid(600, 600, Qt::green), {});  // 360000 pixels
    EXPECT_EQ(dialog.miniature().size(), QSize(60, 60));
    EXPECT_EQ(printer.documents.size(), 1u);  // Cancel prints nothing
}

TEST_F(PrintDialogTest, NoPrinterOrARefusedStartIsReported) {
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

}  // namespace
}  // namespace tessella::testing
