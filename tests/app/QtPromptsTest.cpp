// The real prompts, shown and read from a timer while they are open: the default button of a
// question, the save dialog's replace question, the filters it offers.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

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
    const struct {
        bool discarding;
        const char* defaultText;
    } rows[] = {{false, "&Oui"}, {true, "&Non"}};
    for (const auto& row : rows) {
        QString shownDefault;
        WhenShown<QMessageBox>([&](QMessageBox& box) {
            shownDefault = box.defaultButton() ? box.defaultButton()->text() : QString();
        });
        if (row.discarding)
            EXPECT_FALSE(prompts.confirmDiscard(QStringLiteral("Abandonner ?")));
        else
            EXPECT_FALSE(prompts.confirm(QStringLiteral("Continuer ?")));
        EXPECT_EQ(shownDefault.toStdString(), row.defaultText);
    }
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

TEST(QtPrompts, FiltersShowEachPatternOnceAndSuggestTheFirstExtension) {
    const char* const rows[][3] = {
        // filter, Qt's filter, default suffix
        {"Bitmaps (*.bmp)|*.bmp", "Bitmaps (*.bmp)", "bmp"},
        {"Fichier de textures|*.tga", "Fichier de textures (*.tga)", "tga"},
        {"Toutes images |*.bmp;*.jpg|Truevision|*.tga",
         "Toutes images (*.bmp *.jpg);;Truevision (*.tga)", "bmp"},
        {"Tous (avec notes)|*.*", "Tous (avec notes) (*.*)", ""},
    };
    for (const auto& [filter, qt, suffix] : rows) {
        EXPECT_EQ(platform::QtFilter(filter).toStdString(), qt);
        EXPECT_EQ(platform::DefaultSuffix(filter).toStdString(), suffix);
    }
}

}  // namespace
}  // namespace tessella::testing
