// What a screen reader reads of the main window: labels with their values, every file of the
// source list, the title with the page's name.

#include <QAccessible>

#include "tests/app/WindowFixture.h"
#include "ui/editor/ColourAdjustWindow.h"
#include "ui/editor/ElementEditor.h"

namespace tessella::testing {
namespace {

class ScreenReader : public WindowFixture {};

QString ReadName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

TEST_F(ScreenReader, LabelsReadTheirNameWithTheValueTheyShow) {
    source("a.bmp", Solid(64, 32, Qt::red));
    source("b.bmp", Solid(8, 8, Qt::red));
    showSources(2);
    openPage(path("src/a.bmp"));
    const std::pair<QWidget*, const char*> rows[] = {
        {window->statusPanel(3), "Dimensions de la texture : 64x32"},  // shown " 64x32"
        {window->statusPanel(0), "Fichier texture"},                   // a caption read as it shows
        {window->fileCountLabel, "Nombre de fichiers : 2"},            // a counter
        {window->zoomLabel, "Zoom : 1"},
    };
    for (const auto& [label, name] : rows) EXPECT_EQ(ReadName(label).toStdString(), name);
    // A counter tells its new value.
    window->fileCountLabel->setValue(7);
    EXPECT_EQ(ReadName(window->fileCountLabel).toStdString(), "Nombre de fichiers : 7");
    QAccessibleInterface* counter = QAccessible::queryAccessibleInterface(window->fileCountLabel);
    EXPECT_EQ(counter->text(QAccessible::Value), "7");

    // The element editor's and the colour window's labels, left as they are made.
    editor::ElementEditor editor(context.editorServices());
    editor.dimensionsLabel->setText(QStringLiteral("64x32"));
    EXPECT_EQ(ReadName(editor.dimensionsLabel).toStdString(), "Dimensions de l'image : 64x32");
    QLabel* red = nullptr;
    for (QLabel* l : editor.colourWindow()->findChildren<QLabel*>())
        if (l->accessibleName() == QStringLiteral("Valeur rouge")) red = l;
    ASSERT_NE(red, nullptr);
    red->setText(QStringLiteral("128"));
    EXPECT_EQ(ReadName(red).toStdString(), "Valeur rouge : 128");
}

TEST_F(ScreenReader, TheTitleNamesThePageAndMarksItModified) {
    const QString abandon = QString::fromUtf8(
        "La texture a été modifiée !\n\rVOULEZ-VOUS VRAIMENT L'ABANDONNER SANS SAUVER ?");
    EXPECT_EQ(window->windowTitle(), "TESSELLA");
    source("rouge.bmp", Solid(64, 64, Qt::red));
    showSources(1);
    newPage("mur.tga");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("mur.tga — TESSELLA"));
    clickSource("rouge.bmp");
    window->addButton->click();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("mur.tga* — TESSELLA"));
    // "Nouvelle" over the modified page: Enter keeps it.
    prompts.expectMessage(MessageKind::Confirmation, abandon, Answer::No);
    window->newPageAction->trigger();
    ASSERT_FALSE(prompts.shown().empty());
    EXPECT_EQ(prompts.shown().back().defaultAnswer, Answer::No);
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
