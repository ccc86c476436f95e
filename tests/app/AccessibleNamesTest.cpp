// Screen readers and GUI robots find every control by its accessible name, as Qt's
// accessibility layer reports it to the desktop's accessibility bus.

#include <QAccessible>

#include "tests/app/WindowFixture.h"
#include "tests/support/UnnamedControls.h"
#include "ui/app/AboutBox.h"
#include "ui/app/HelpWindow.h"
#include "ui/editor/NewElementDialog.h"

namespace tessella::testing {
namespace {

class AccessibleNames : public WindowFixture {};

TEST_F(AccessibleNames, EveryControlOfTheWindowsHasOne) {
    app::AboutBox about;
    app::HelpWindow help(prompts, context.programFolder.helpFile());
    editor::NewElementDialog newElement(context.newElement, prompts);
    const std::pair<const char*, QWidget*> windows[] = {{"main", window.get()},
                                                        {"about", &about},
                                                        {"help", &help},
                                                        {"new element", &newElement},
                                                        {"page width", widthDialog}};
    for (const auto& [name, w] : windows) EXPECT_EQ(UnnamedControls(w), "") << name;
    // The arrows say which way they move the mask (the vertical ones hold -Y).
    QAccessibleInterface* up =
        QAccessible::queryAccessibleInterface(window->replaceYFineArrows->nextButton());
    EXPECT_EQ(up->text(QAccessible::Name), "Position Y -");
    // The about box's only button closes it.
    about.show();
    about.okButton->click();
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace tessella::testing
