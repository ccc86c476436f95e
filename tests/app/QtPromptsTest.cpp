#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "texture/FileMasks.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::testing {
namespace {

using platform::Answer;
using platform::MessageKind;

// Runs look on the modal dialog of type T once it shows, then closes it with reject().
template <class T>
void WhenShown(const std::function<void(T&)>& look) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, look] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        look(*dialog);
        dialog->reject();
    });
    timer->start();
}

TEST(QtPrompts, TheDefaultButtonIsTheFirstUnlessTheQuestionChoosesAnother) {
    widgets::QtPrompts prompts;
    QString shownDefault;
    const auto look = [&](QMessageBox& box) { shownDefault = box.defaultButton()->text(); };
    WhenShown<QMessageBox>(look);
    EXPECT_FALSE(prompts.confirm(QStringLiteral("Continuer ?")));
    EXPECT_EQ(shownDefault, "&Oui");
    WhenShown<QMessageBox>(look);
    EXPECT_FALSE(prompts.confirmDiscard(QStringLiteral("Abandonner ?")));
    EXPECT_EQ(shownDefault, "&Non");
}

// A one-word question ("Sauvegarde") under the title "Confirmation": the window manager
// draws the title with an icon and three buttons beside it (24 pixels each at least) and its
// margins (32 pixels), so the box is wider than its title by that much, or the title is cut
// (openbox showed "Confir…ation" on a box 188 pixels wide).
TEST(QtPrompts, AShortQuestionsBoxIsWideEnoughForItsTitle) {
    widgets::QtPrompts prompts;
    int width = 0, titleWidth = 0;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
        width = box.width();
        titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle());
    });
    prompts.confirm(QStringLiteral("Sauvegarde"));
    ASSERT_GT(titleWidth, 0);
    EXPECT_GE(width, titleWidth + 4 * 24 + 32) << width << " for a title of " << titleWidth;
}

TEST(QtPrompts, TheSaveDialogAsksBeforeReplacingAndAddsTheExtension) {
    widgets::QtPrompts prompts;
    bool confirms = false;
    QString suffix, filters;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        suffix = dialog.defaultSuffix();
        filters = dialog.nameFilters().join(QStringLiteral(";;"));
    });
    EXPECT_FALSE(prompts.saveFileName(QStringLiteral("SAUVER"),
                                      QStringLiteral("Bitmaps (*.bmp)|*.bmp"), QString()));
    EXPECT_TRUE(confirms);
    EXPECT_EQ(suffix, "bmp");
    EXPECT_EQ(filters, "Bitmaps (*.bmp)");
}

TEST(QtPrompts, FiltersShowEachPatternOnceAndTextsTheirLineBreaks) {
    EXPECT_EQ(platform::QtFilter("Toutes images |*.bmp;*.jpg|Truevision|*.tga"),
              "Toutes images (*.bmp *.jpg);;Truevision (*.tga)");
    EXPECT_EQ(platform::DefaultSuffix("Toutes images |*.bmp;*.jpg|Truevision|*.tga"), "bmp");
    EXPECT_EQ(platform::DefaultSuffix("Tous (avec notes)|*.*"), "");
    EXPECT_EQ(platform::DisplayText("A\n\rB\n\r\n\rC"), "A\nB\n\nC");
}

TEST(FileMasks, SourceMaskAndOpenFilter) {
    const QString mask = texture::SourceFileMask();
    EXPECT_TRUE(mask.startsWith("*.bmp;*.jpg;*.win;"));
    EXPECT_TRUE(mask.endsWith(";*.bw;*.png;*.jpeg;*.jpe;*.webp;*.dds;*.ktx2;*.astc;"));
    EXPECT_EQ(texture::SourceNameFilters().join(';') + ';', mask);
    // "Toutes images" with the mask first, then one entry per family.
    const QStringList parts = texture::OpenPictureFilter().split('|');
    EXPECT_EQ(parts[1], mask);
    EXPECT_FALSE(texture::OpenPictureFilter().contains("scr"));
}

}  // namespace
}  // namespace tessella::testing
