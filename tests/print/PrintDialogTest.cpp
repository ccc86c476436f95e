// "Paramètres d'impression" driven through its controls, with scripted prompts and the
// recording printer (600 dpi A4, printable area from (80, 100) pixels: 3 and 4 mm).

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "platform/PrinterTexts.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/Pictures.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedPrompts.h"
#include "ui/print/PrintDialog.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::testing {
namespace {

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
    dialog.okButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const print::PagePlacement& p = dialog.placement();
    EXPECT_EQ(QRect(p.xMm, p.yMm, p.widthMm, 0), QRect(21 - 3, 19 - 4, 141, 0));
    EXPECT_TRUE(dialog.printNameChosen());
}

TEST_F(PrintDialogTest, OrientationTurnsTheMiniatureAndPrintsUnturned) {
    showPage(TallPage());
    dialog.orientationButton->click();
    EXPECT_EQ(printer.orientation(), PaperOrientation::Landscape);
    EXPECT_EQ(shownSize(), "15.0 x 7.5 cm, 69 x 34");
    // Clockwise: the top-left pixel goes to the top-right corner.
    EXPECT_EQ(dialog.miniature().pixelColor(511, 0), QColor(Qt::blue));
    dialog.okButton->click();
    // Landscape offsets: 100 pixels across (4 mm), 80 down (3 mm); the paper is 21 cm high.
    const print::PagePlacement& p = dialog.placement();
    EXPECT_EQ(QRect(p.xMm, p.yMm, p.widthMm, 0), QRect(20 - 4, 210 - 150 - 20 - 3, 75, 0));
    EXPECT_FALSE(dialog.landscape());  // not kept

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
    EXPECT_EQ(printer.orientation(), PaperOrientation::Landscape);
}

TEST_F(PrintDialogTest, PrinterSetupKeepsTheDialogsOrientation) {
    QPrinter platformPrinter;
    printer.setupPrinter = &platformPrinter;
    showPage(TallPage());
    dialog.orientationButton->click();
    printer.orientations.clear();
    prompts.expectPrinterSetup(true);
    dialog.printerSetupButton->click();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(printer.orientations,
              std::vector({PaperOrientation::Landscape, PaperOrientation::Landscape}));
}

TEST_F(PrintDialogTest, MenuCommandPrintsTheNamedPage) {
    dialog.printNameCheck->setChecked(true);
    answerDialog(true);
    dialog.printPage(TallPage(), "/textures/mur.GIF");
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto& doc = printer.documents[0];
    EXPECT_TRUE(doc.ended);
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
    prompts.expectMessage(platform::MessageKind::Error, platform::kPrintRefusedMessage);
    dialog.printPage(TallPage(), {});
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
}  // namespace tessella::testing
