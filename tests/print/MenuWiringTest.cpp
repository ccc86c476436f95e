// The "Imprimer" menu of the main window on the two print windows, and the accessible names
// of their controls.

#include <QCheckBox>

#include "print/PrintTexts.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/UnnamedControls.h"
#include "ui/print/ContactSheetWindow.h"
#include "ui/print/PrintDialog.h"

namespace tessella::testing {
namespace {

class PrintMenu : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        sheetWindow = window->contactSheetWindow;
        printDialog = window->printDialog;
    }

    print::ContactSheetWindow* sheetWindow = nullptr;
    print::PrintDialog* printDialog = nullptr;
};

TEST_F(PrintMenu, ContactSheetRunKeepsThePreviewedSourceName) {
    source("a.bmp", Solid(40, 20, Qt::red));
    source("b.bmp", Solid(20, 40, Qt::blue));
    showSources(2);
    clickSource("a.bmp");
    window->fileList->selectAll();
    prompts.expectMessage(platform::MessageKind::Confirmation, print::kPreviewQuestion.arg(1),
                          platform::Answer::No);
    window->contactSheetAction->trigger();
    ASSERT_TRUE(sheetWindow->running());
    sheetWindow->composeNextSheet();
    ASSERT_EQ(printer.documents.size(), 1u);
    // Both files in list order: a.bmp (40 x 20) in cell 0, b.bmp (20 x 40) in cell 1.
    EXPECT_EQ(sheetWindow->sheet().pixelColor(41, 21), QColor(Qt::red));
    EXPECT_EQ(sheetWindow->sheet().pixelColor(162 + 19, 2 + 39), QColor(Qt::blue));
    EXPECT_EQ(page.sourceFileName, path("src/a.bmp"));
}

TEST_F(PrintMenu, PageCommandPrintsThePage) {
    newPage("mur.tga");
    source("a.bmp", Solid(64, 64, Qt::red));
    showSources(1);
    clickSource("a.bmp");
    window->addButton->click();
    printDialog->printNameCheck->setChecked(true);
    QTimer::singleShot(0, printDialog, [this] { printDialog->okButton->click(); });
    window->printPageAction->trigger();
    ASSERT_EQ(printer.documents.size(), 1u);
    // Named after the page, not after the source last added.
    EXPECT_EQ(printer.documents[0].title, "mur.tga");
    EXPECT_EQ(printer.documents[0].texts.at(0).second, "mur.tga");
    // The page, its element at the top left; where it lands is the layout's own test.
    EXPECT_EQ(printer.documents[0].pictures.at(0).picture.pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(PrintMenu, EveryControlHasAnAccessibleName) {
    printDialog->show();
    sheetWindow->confirmationBar->show();
    EXPECT_EQ(UnnamedControls(printDialog), "");
    EXPECT_EQ(UnnamedControls(sheetWindow), "");
}

}  // namespace
}  // namespace tessella::testing
