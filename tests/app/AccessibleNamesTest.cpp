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
}

TEST_F(AccessibleNames, EveryFileOfTheSourceListIsRead) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) source(name, Solid(64, 64, Qt::red));
    showSources(3);
    window->show();
    window->sourceFrame->show();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->fileList);
    ASSERT_NE(list, nullptr);
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i)
        names << (list->child(i) ? list->child(i)->text(QAccessible::Name) : "<none>");
    names.sort();
    EXPECT_EQ(names.join(' ').toStdString(), "a.bmp b.bmp c.bmp");
}

}  // namespace
}  // namespace tessella::testing
