// The "Imprimer" menu on the page, and the accessible names of the print windows' controls.

#include <QCheckBox>

#include "print/PrintTexts.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/UnnamedControls.h"
#include "ui/print/ContactSheetWindow.h"
#include "ui/print/PrintDialog.h"

namespace tessella::testing {
namespace {

class PrintMenu : public WindowFixture {};

TEST_F(PrintMenu, PageCommandPrintsThePage) {
    newPage("mur.tga");
    source("a.bmp", Solid(64, 64, Qt::red));
    showSources(1);
    clickSource("a.bmp");
    window->addButton->click();
    print::PrintDialog* printDialog = window->printDialog;
    printDialog->printNameCheck->setChecked(true);
    QTimer::singleShot(0, printDialog, [printDialog] { printDialog->okButton->click(); });
    window->printPageAction->trigger();
    ASSERT_EQ(printer.documents.size(), 1u);
    // Named after the page, not after the source last added.
    EXPECT_EQ(printer.documents[0].title, "mur.tga");
    EXPECT_EQ(printer.documents[0].texts.at(0).second, "mur.tga");
    EXPECT_EQ(printer.documents[0].pictures.at(0).picture.pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(PrintMenu, EveryControlHasAnAccessibleName) {
    window->printDialog->show();
    window->contactSheetWindow->confirmationBar->show();
    EXPECT_EQ(UnnamedControls(window->printDialog), "");
    EXPECT_EQ(UnnamedControls(window->contactSheetWindow), "");
}

}  // namespace
}  // namespace tessella::testing
