// What a screen reader reads of the main window: labels with their values, every file of the
// source list, the title with the page's name.

#include <QAccessible>

#include "tests/app/WindowFixture.h"

namespace tessella::testing {
namespace {

class ScreenReader : public WindowFixture {};

TEST_F(ScreenReader, EveryFileOfTheSourceListIsReachable) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"})
        source(name, Solid(8, 8, Qt::red));
    showSources(4);
    window->show();
    window->sourceFrame->show();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->fileList);
    ASSERT_NE(list, nullptr);
    QStringList listed, names;
    for (const texture::SourceEntry& e : window->sourceEntries())
        listed << QFileInfo(e.path).fileName();
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* row = list->child(i);
        names << (row ? row->text(QAccessible::Name) : QStringLiteral("<none>"));
    }
    EXPECT_EQ(names.join(' ').toStdString(), listed.join(' ').toStdString());
    listed.sort();
    EXPECT_EQ(listed.join(' ').toStdString(), "a.bmp b.bmp c.bmp d.bmp");
}

}  // namespace
}  // namespace tessella::testing
