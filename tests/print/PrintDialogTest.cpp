// "Parametres d'impression" driven through its controls, with scripted prompts and the
// recording printer (600 dpi A4, printable area from (80, 100): 3 and 4 mm).

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "app/ImageBox.h"
#include "app/UpDown.h"
#include "platform/PrinterTexts.h"
#include "print/PrintDialog.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedPrompts.h"

namespace tessella::testing {
namespace {

using platform::PaperOrientation;
using Button = app::UpDown::Button;

// 256 x 512, red with a blue top-left pixel (to see which way the miniature turns).
QImage TallPage() {
    QImage page(256, 512, QImage::Format_BGR888);
    page.fill(Qt::red);
    page.setPixelColor(0, 0, Qt::blue);
    return page;
}

class PrintDialogTest : public ::testing::Test {
  protected:
    // OK (or Cancel) once the dialog is up.
    void answerDialog(bool ok) {
        QTimer::singleShot(0, &dialog, [this, ok] {
            (ok ? dialog.okButton : dialog.cancelButton)->click();
        });
    }
    QSize miniatureSize() const { return dialog.miniatureView->size(); }

    ScriptedPrompts prompts;
    CountingPacer pacer;
    RecordingPrinter printer;
    print::PrintDialog dialog{prompts, pacer, printer};
};

TEST_F(PrintDialogTest, ShowingAndTheUpDowns) {
    dialog.setPage(TallPage());
    dialog.show();
    EXPECT_EQ(dialog.widthText->text(), "15.0");
    EXPECT_EQ(dialog.heightText->text(), "30.0");
    EXPECT_EQ(miniatureSize(), QSize(69, 138));
    // 2 cm from the outline's corner at (20, 62): R(9.2) = 9.
    EXPECT_EQ(dialog.miniatureView->pos(), QPoint(29, 71));
    EXPECT_EQ(dialog.xArrows->minimum(), 3);  // the printable area's offsets
    EXPECT_EQ(dialog.yArrows->minimum(), 4);

    dialog.widthFineArrows->click(Button::Next);
    EXPECT_EQ(dialog.widthCoarseArrows->position(), 151);
    EXPECT_EQ(dialog.heightText->text(), "30.2");
    dialog.widthCoarseArrows->click(Button::Prev);
    EXPECT_EQ(dialog.widthFineArrows->position(), 141);
    EXPECT_EQ(dialog.widthText->text(), "14.1");
    dialog.xArrows->click(Button::Next);  // 21 mm: R(9.66) = 10
    dialog.yArrows->click(Button::Prev);  // 19 mm: R(8.74) = 9
    EXPECT_EQ(dialog.xText->text(), "2.1");
    EXPECT_EQ(dialog.yText->text(), "1.9");
    EXPECT_EQ(dialog.miniatureView->pos(), QPoint(30, 71));
    for (int i = 0; i < 30; ++i) dialog.xArrows->click(Button::Prev);
    EXPECT_EQ(dialog.xArrows->position(), 3);
    dialog.printNameCheck->setChecked(true);
    dialog.okButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.placement().widthMm, 141);
    EXPECT_EQ(dialog.placement().xMm, 0);   // 3 - 3
    EXPECT_EQ(dialog.placement().yMm, 15);  // 19 - 4
    EXPECT_TRUE(dialog.printNameChosen());
}

TEST_F(PrintDialogTest, OrientationTurnsTheMiniatureAndPrintsUnturned) {
    dialog.setPage(TallPage());
    dialog.show();
    dialog.orientationButton->click();
    EXPECT_EQ(printer.orientation(), PaperOrientation::Landscape);
    EXPECT_EQ(dialog.widthText->text(), "15.0");
    EXPECT_EQ(dialog.heightText->text(), "7.5");
    EXPECT_EQ(miniatureSize(), QSize(69, 34));
    // Clockwise: the top-left pixel goes to the top-right corner.
    const QImage& turned = dialog.miniature();
    ASSERT_EQ(turned.size(), QSize(512, 256));
    EXPECT_EQ(turned.pixelColor(511, 0), QColor(Qt::blue));
    dialog.okButton->click();
    // Landscape offsets: 100 px across (4 mm), 80 down (3 mm); paper 21 cm high.
    EXPECT_EQ(dialog.placement().widthMm, 75);
    EXPECT_EQ(dialog.placement().xMm, 20 - 4);
    EXPECT_EQ(dialog.placement().yMm, 210 - 150 - 20 - 3);
    EXPECT_FALSE(dialog.landscape());  // not kept
}

TEST_F(PrintDialogTest, KeptLandscapeTurnsTheSameWayAtTheNextShowing) {
    dialog.keepSettingsCheck->setChecked(true);
    dialog.setPage(TallPage());
    dialog.show();
    dialog.orientationButton->click();
    dialog.okButton->click();
    EXPECT_TRUE(dialog.landscape());
    dialog.setPage(TallPage());
    dialog.show();
    EXPECT_EQ(dialog.miniature().pixelColor(511, 0), QColor(Qt::blue));
    EXPECT_EQ(dialog.heightText->text(), "7.5");
    EXPECT_EQ(printer.orientation(), PaperOrientation::Landscape);
}

TEST_F(PrintDialogTest, SquarePageFitsThePhotoFormat) {
    QImage square(512, 512, QImage::Format_BGR888);
    square.fill(Qt::green);
    dialog.setPage(square);
    dialog.show();
    dialog.orientationButton->click();
    EXPECT_EQ(dialog.widthFineArrows->position(), 100);
    EXPECT_EQ(dialog.widthText->text(), "10.0");
    EXPECT_EQ(dialog.heightText->text(), "10.0");
}

TEST_F(PrintDialogTest, PrinterSetupKeepsTheDialogsOrientation) {
    QPrinter platformPrinter;
    printer.setupPrinter = &platformPrinter;
    dialog.setPage(TallPage());
    dialog.show();
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
    EXPECT_EQ(doc.texts.at(0).second, "mur.GIF");
    // 150 mm wide at (20 - 3, 20 - 4) mm: 3543 x 7087 at R(401.6), R(377.95).
    EXPECT_EQ(doc.pictures.at(0).target, QRect(402, 378, 3543, 7087));
    EXPECT_EQ(pacer.eventRuns, 1);

    answerDialog(false);
    dialog.printPage(TallPage(), {});
    EXPECT_EQ(printer.documents.size(), 1u);  // Cancel prints nothing
}

TEST_F(PrintDialogTest, LargePageShowsFromAReducedCopy) {
    QImage page(600, 600, QImage::Format_BGR888);
    page.fill(Qt::green);
    answerDialog(false);
    dialog.printPage(page, {});
    EXPECT_EQ(dialog.pictureWidth(), 60);
    EXPECT_EQ(dialog.miniature().size(), QSize(60, 60));
}

TEST_F(PrintDialogTest, NoPrinterOrARefusedStartIsReported) {
    printer.available = false;
    prompts.expectMessage(platform::MessageKind::Error, platform::kNoPrinterMessage);
    dialog.printPage(TallPage(), {});  // no dialog: nothing answers it
    EXPECT_FALSE(dialog.isVisible());

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
