// What a screen reader reads of the main window: every file of the source list, the title with
// the page's name. The labels' values are read on the real desktop (tests/desktop).

#include <QAccessible>

#include "tests/app/WindowFixture.h"

namespace tessella::testing {
namespace {

class ScreenReader : public WindowFixture {};

QString ReadName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

TEST_F(ScreenReader, TheTitleNamesThePageAndMarksItModified) {
    EXPECT_EQ(window->windowTitle(), "TESSELLA");
    source("rouge.bmp", Solid(64, 64, Qt::red));
    showSources(1);
    newPage("mur.tga");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("mur.tga — TESSELLA"));
    clickSource("rouge.bmp");
    window->addButton->click();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("mur.tga* — TESSELLA"));
    window->savePageAction->trigger();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("mur.tga — TESSELLA"));
    prompts.expectFile(path("autre"));
    window->savePageAsAction->trigger();  // a copy: the page keeps its name
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("mur.tga — TESSELLA"));
}

TEST_F(ScreenReader, TheParentFolderButtonGoesUpFromTheShownFolder) {
    showSources(0);
    EXPECT_EQ(ReadName(window->parentFolderButton), "Dossier parent");
    window->parentFolderButton->click();
    EXPECT_EQ(window->fileListFolder(), platform::FolderWithSlash(folder.path()));
    window->parentFolderButton->click();
    EXPECT_EQ(window->fileListFolder(),
              platform::FolderWithSlash(QFileInfo(folder.path()).absolutePath()));
}

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
