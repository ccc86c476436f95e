#include <QMenu>
#include <QTreeView>

#include "tests/app/WindowFixture.h"

namespace tessella::testing {
namespace {

void Type(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyPress(w, key, modifiers);
    QTest::keyRelease(w, key, modifiers);
}

class SourceList : public WindowFixture {
  protected:
    // Opens a folder with the Enter key.
    void enterFolder(const QString& folder) {
        const auto* folders = static_cast<const QFileSystemModel*>(window->folderList->model());
        QModelIndex index;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return (index = folders->index(folder)).isValid(); }, 5000));
        window->folderList->setCurrentIndex(index);
        Type(window->folderList, Qt::Key_Return);
        ASSERT_EQ(window->fileListFolder(), platform::FolderWithSlash(folder));
    }
    QStringList listedNames() const {
        QStringList names;
        for (const texture::SourceEntry& e : window->sourceEntries())
            names << QFileInfo(e.path).fileName();
        return names;
    }
};

TEST_F(SourceList, AFolderOnceOpenedIsNeverListedAmongTheFilesAndTheParentButtonGoesUp) {
    source("a.bmp", Solid(8, 8, Qt::red));
    source("b.bmp", Solid(8, 8, Qt::red));
    ASSERT_TRUE(QDir(path("src")).mkdir("sous"));
    showSources(2);
    enterFolder(path("src/sous"));
    enterFolder(path("src"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fileCountLabel->value() == 2; }, 5000));
    QTest::qWait(50);  // the model has settled on the folder's entries
    EXPECT_EQ(listedNames().join(' ').toStdString(), "a.bmp b.bmp");
    EXPECT_EQ(window->fileCountLabel->value(), 2);
    window->parentFolderButton->click();
    EXPECT_EQ(window->fileListFolder(), platform::FolderWithSlash(folder.path()));
}

TEST_F(SourceList, TheKeyboardPreviewsAndAddsTheFileItMovesTo) {
    source("a.bmp", Solid(64, 64, Qt::red));
    source("b.bmp", Solid(64, 64, Qt::green));
    source("c.bmp", Solid(64, 64, Qt::blue));
    showSources(3);
    newPage("page.tga");
    clickSource("a.bmp");
    EXPECT_EQ(window->sourceGroup->title(), "a.bmp");
    window->fileList->setFocus();
    Type(window->fileList, Qt::Key_Down);
    Type(window->fileList, Qt::Key_Down);
    EXPECT_EQ(window->sourceGroup->title(), "c.bmp");
    EXPECT_EQ(window->selectedCountLabel->value(), 1);
    window->addButton->click();
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::blue));  // the first element covers the new page
    EXPECT_TRUE(prompts.scriptDone());
}

}  // namespace
}  // namespace tessella::testing
