#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "tests/support/ContextFixture.h"
#include "tests/support/Pictures.h"
#include "ui/app/MainWindow.h"
#include "ui/texture/PageView.h"
#include "ui/texture/PageWidthDialog.h"
#include "ui/widgets/NumberLabel.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::testing {

using platform::Answer;
using platform::MessageKind;

class WindowFixture : public AppFixture {
  protected:
    void SetUp() override {
        QDir(folder.path()).mkdir("src");
        page.sourceFolder = platform::FolderWithSlash(folder.path());
        window = std::make_unique<app::MainWindow>(context.mainWindowServices(printer));
        window->setElementEditor(elementEditor);
        widthDialog = window->pageWidthDialog;
    }

    void source(const QString& name, const QImage& picture) {
        EXPECT_TRUE(picture.save(path("src/" + name), "BMP"));
    }
    // Shows src/ in the source list and waits until it lists its files.
    void showSources(int files) {
        window->showSourceFolder(path("src/"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return window->fileList->model()->rowCount(window->fileList->rootIndex()) == files;
            },
            5000));
    }
    // A click on the file with the mouse: it becomes the only selection and is previewed.
    void clickSource(const QString& name) {
        QModelIndex index;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return (index = window->fileListIndex(path("src/" + name))).isValid(); }, 5000))
            << name.toStdString();
        window->show();
        window->sourceFrame->show();
        window->fileList->scrollTo(index);
        const QPoint at = window->fileList->visualRect(index).center();
        QTest::mousePress(window->fileList->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(window->fileList->viewport(), Qt::LeftButton, {}, at);
    }
    // "Nouvelle texture TGA" at the import size, answering "512" in the width dialog.
    void newPage(const QString& name) {
        QTimer::singleShot(0, widthDialog, [d = widthDialog] {
            d->width512Radio->setChecked(true);
            d->closeButton->click();
        });
        prompts.expectFile(path(name));
        window->newPageAction->trigger();
    }
    void openPage(const QString& file) {
        prompts.expectFile(file);
        window->openPageAction->trigger();
    }
    QColor pagePixel(int x, int y) const { return page.pageBitmap.pixel(x, y).toQColor(); }
    QColor viewPixel(int x, int y) const { return window->pageView->picture().pixelColor(x, y); }

    std::unique_ptr<app::MainWindow> window;
    texture::PageWidthDialog* widthDialog = nullptr;
};

inline const QColor kMagenta(255, 0, 255);

}  // namespace tessella::testing
