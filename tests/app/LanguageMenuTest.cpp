// Fichier > Langue: the choice of the language the program speaks from its next start.

#include <QDir>
#include <QKeySequence>
#include <QMenu>

#include "platform/Language.h"
#include "tests/app/ScratchSettings.h"
#include "tests/app/WindowFixture.h"

namespace tessella::testing {
namespace {

const QString kNextStartMessage =
    QString::fromUtf8("Tessella parlera la langue choisie à son prochain démarrage.");

class LanguageMenu : public WindowFixture {
  protected:
    void SetUp() override {
        // The tests speak French, as the program does under their locale.
        platform::UseLanguage(platform::kFrench);
        WindowFixture::SetUp();
    }
    void TearDown() override { qunsetenv("TESSELLA_LANG"); }

    // A window made after the choice was saved, as at the program's next start.
    void reopen() {
        window = std::make_unique<app::MainWindow>(context.mainWindowServices(printer));
    }
    QAction* entry(const QString& text) const {
        for (QAction* a : window->languageMenu->actions())
            if (a->text() == text) return a;
        ADD_FAILURE() << "no entry " << text.toStdString();
        return nullptr;
    }
    QString checkedEntry() const {
        QStringList checked;
        for (QAction* a : window->languageMenu->actions())
            if (a->isChecked()) checked << a->text();
        return checked.join(QStringLiteral(", "));
    }

    ScratchSettings settings;
};

TEST_F(LanguageMenu, HoldsEachLanguageInItsOwnWordsThenTheSystemsBeforeQuitter) {
    QMenu* menu = window->languageMenu;
    EXPECT_EQ(menu->title(), "&Langue");
    EXPECT_EQ(menu->accessibleName(), "Langue");
    QStringList entries;
    // Checkable and exclusive: checkedEntry() below finds the one choice.
    for (const QAction* a : menu->actions())
        entries << (a->isSeparator() ? QStringLiteral("--") : a->text());
    EXPECT_EQ(entries.join(QStringLiteral(" | ")),
              QString::fromUtf8("Français | English | -- | Langue du système"));

    // ... | Ouvrir la fenêtre des sources | -- | Langue | -- | Quitter
    const QList<QAction*> file = window->fileMenu->actions();
    const qsizetype at = file.indexOf(menu->menuAction());
    ASSERT_GE(at, 2);
    ASSERT_EQ(file.size(), at + 3);
    EXPECT_EQ(file.at(at - 2), window->showSourcesAction);
    EXPECT_TRUE(file.at(at - 1)->isSeparator());
    EXPECT_TRUE(file.at(at + 1)->isSeparator());
    EXPECT_EQ(file.at(at + 2), window->quitAction);
    // Alt+L opens it: no other entry of the menu answers that letter.
    const QKeySequence alt = QKeySequence::mnemonic(menu->title());
    EXPECT_EQ(alt, QKeySequence(Qt::ALT | Qt::Key_L));
    for (const QAction* a : file) {
        if (a != menu->menuAction()) {
            EXPECT_NE(QKeySequence::mnemonic(a->text()), alt) << a->text().toStdString();
        }
    }
}

TEST_F(LanguageMenu, AnotherLanguageIsSavedAndSaidToComeAtTheNextStart) {
    prompts.expectMessage(MessageKind::Information, kNextStartMessage);
    entry("English")->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(platform::SavedLanguageChoice(), platform::kEnglish);
    EXPECT_EQ(checkedEntry(), "English");
    // Saved for good: the next window finds it.
    reopen();
    EXPECT_EQ(checkedEntry(), "English");
}

// The saved choice is the one checked when a window opens.
TEST_F(LanguageMenu, TheLanguageInUseIsSavedWithoutAWordAndCheckedAtTheNextStart) {
    EXPECT_EQ(checkedEntry(), QString::fromUtf8("Langue du système"));
    platform::SaveLanguageChoice(platform::kEnglish);
    reopen();
    EXPECT_EQ(checkedEntry(), "English");
    entry(QString::fromUtf8("Français"))->trigger();
    EXPECT_EQ(platform::SavedLanguageChoice(), platform::kFrench);
    reopen();
    EXPECT_EQ(checkedEntry(), QString::fromUtf8("Français"));
    // The system's language is French under the tests' locale: the one in use too.
    entry(QString::fromUtf8("Langue du système"))->trigger();
    EXPECT_EQ(platform::SavedLanguageChoice(), std::nullopt);
    EXPECT_EQ(checkedEntry(), QString::fromUtf8("Langue du système"));
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(LanguageMenu, TheSystemsLanguageIsAnnouncedWhenItIsAnother) {
    platform::SaveLanguageChoice(platform::kFrench);
    reopen();
    qputenv("TESSELLA_LANG", "en");
    prompts.expectMessage(MessageKind::Information, kNextStartMessage);
    entry(QString::fromUtf8("Langue du système"))->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(platform::SavedLanguageChoice(), std::nullopt);
}

TEST_F(LanguageMenu, AChoiceThatCannotBeSavedIsSaidAndTheSavedOneStaysChecked) {
    // A folder where the settings file should be: nothing can be written there.
    ASSERT_TRUE(QDir().mkpath(settings.file()));
    reopen();
    prompts.expectMessage(MessageKind::Error, QString());
    entry("English")->trigger();
    ASSERT_TRUE(prompts.scriptDone());
    EXPECT_TRUE(prompts.shown().back().text.startsWith(
        QString::fromUtf8("Impossible d'enregistrer la langue choisie dans ")))
        << prompts.shown().back().text.toStdString();
    EXPECT_EQ(prompts.shown().size(), 1u);  // no word of a next start
    EXPECT_EQ(checkedEntry(), QString::fromUtf8("Langue du système"));
}

}  // namespace
}  // namespace tessella::testing
