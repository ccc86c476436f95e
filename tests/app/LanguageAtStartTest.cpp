// The language the program starts in, from the locale and the saved choice. A process keeps
// the language it started with, so each case runs in a child process of this test binary,
// under its own locale; the child's suites do nothing in a normal run.

#include <QApplication>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "platform/Language.h"
#include "tests/app/ScratchSettings.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/UnnamedControls.h"
#include "ui/app/Startup.h"
#include "ui/editor/ElementEditor.h"
#include "ui/texture/EngineExportDialog.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::testing {
namespace {

// What this binary printed when run again for one suite under LANG=locale.
struct ChildRun {
    bool finished = false;
    int exitCode = -1;
    QString output;
};

ChildRun RunSuiteUnder(const QString& suite, const QString& locale) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("TESSELLA_TEST_OWN_LOCALE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char* name :
         {"TESSELLA_LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "GTEST_FILTER", "GTEST_OUTPUT"})
        environment.remove(QString::fromLatin1(name));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1.*").arg(suite)});
    ChildRun run;
    run.finished = child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit;
    run.exitCode = child.exitCode();
    run.output = QString::fromLocal8Bit(child.readAll());
    return run;
}

// The child passed its one test, which ran to the end: not skipped.
void ExpectPassed(const ChildRun& run) {
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.contains(QStringLiteral("[  PASSED  ] 1 test.")));
    EXPECT_FALSE(run.output.contains(QStringLiteral("SKIPPED")));
    if (::testing::Test::HasFailure()) ADD_FAILURE() << run.output.toStdString();
}

// English under an English locale, French under a French one, and a saved French over an
// English locale.
TEST(LanguageAtStart, TheLocaleOrTheSavedChoiceGivesTheLanguage) {
    const std::pair<const char*, const char*> runs[] = {{"StartsInEnglish", "en_US.UTF-8"},
                                                        {"StartsInFrench", "fr_FR.UTF-8"},
                                                        {"StartsInTheSavedFrench", "en_US.UTF-8"}};
    for (const auto& [suite, locale] : runs) {
        SCOPED_TRACE(suite);
        ExpectPassed(RunSuiteUnder(QString::fromLatin1(suite), QString::fromLatin1(locale)));
    }
}

// The child's side: the program's start (the language, then the main window) under the locale
// it was given, with a choice saved beforehand or none.
class StartUnderOwnLocale : public WindowFixture {
  protected:
    explicit StartUnderOwnLocale(std::optional<platform::Language> saved = std::nullopt)
        : saved_(std::move(saved)) {}

    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("TESSELLA_TEST_OWN_LOCALE"))
            GTEST_SKIP() << "started by LanguageAtStart under a locale of its own";
        settings_ = std::make_unique<ScratchSettings>();
        if (saved_) platform::SaveLanguageChoice(*saved_);
        platform::UseLanguage(platform::ProgramLanguage(), true);
        WindowFixture::SetUp();
    }
    void TearDown() override {
        if (!settings_) return;
        window.reset();
        if (saved_) platform::SaveLanguageChoice(std::nullopt);
        settings_.reset();
        platform::UseLanguage(platform::kFrench);
    }

  public:
    QStringList menuTitles() const {
        return {window->fileMenu->title(),   window->printMenu->title(),
                window->editMenu->title(),   window->helpAction->text(),
                window->aboutAction->text(), window->languageMenu->title()};
    }
    // The quit question of a modified page, as the prompts were asked it.
    void expectQuitQuestion(const QString& question) {
        page.modified = true;
        prompts.expectMessage(MessageKind::Confirmation, question, Answer::No);
        EXPECT_FALSE(window->confirmClose());
        EXPECT_TRUE(prompts.scriptDone());
    }
    // The engine export dialog's alpha coverage at one half, as shown.
    QString halfCoverageShown() const {
        QDoubleSpinBox* spin = window->engineExportDialog->alphaCoverageSpin;
        spin->setValue(0.5);
        return spin->text();
    }

  private:
    std::optional<platform::Language> saved_;
    std::unique_ptr<ScratchSettings> settings_;
};

const QString kFrenchQuitQuestion = QString::fromUtf8(
    "\t          La texture a été modifiée !\n\r\nVOULEZ-VOUS VRAIMENT QUITTER SANS SAUVER ?");

class StartsInEnglish : public StartUnderOwnLocale {};
class StartsInFrench : public StartUnderOwnLocale {};
class StartsInTheSavedFrench : public StartUnderOwnLocale {
  protected:
    StartsInTheSavedFrench() : StartUnderOwnLocale(platform::kFrench) {}
};

TEST_F(StartsInEnglish, MenusQuestionsAndNumbers) {
    EXPECT_EQ(platform::CurrentLanguage(), platform::kEnglish);
    EXPECT_EQ(menuTitles().join(QStringLiteral(" | ")),
              "&File | &Print | &Edit | &Help | &About | &Language");
    // The languages keep their own names; the system's entry is translated.
    QStringList entries;
    for (const QAction* a : window->languageMenu->actions())
        if (!a->isSeparator()) entries << a->text();
    EXPECT_EQ(entries.join(QStringLiteral(" | ")),
              QString::fromUtf8("Français | English | System language"));
    expectQuitQuestion(
        "\t          The texture page has been modified!\n\r\nDO YOU REALLY WANT TO QUIT "
        "WITHOUT SAVING?");
    EXPECT_EQ(halfCoverageShown(), "0.50");
    EXPECT_EQ(QColorDialog::tr("Select Color"), "Select Color");
    // Every control keeps a name for screen readers in English too.
    EXPECT_EQ(UnnamedControls(window.get()), "");

    // The real message boxes: their title and buttons.
    widgets::QtPrompts boxes;
    QString title;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) buttons << b->text();
        box->reject();
    });
    EXPECT_FALSE(boxes.confirm(QStringLiteral("?")));
    EXPECT_EQ(title, "Confirmation");
    buttons.sort();
    EXPECT_EQ(buttons.join(QLatin1Char(' ')), "&No &Yes");

    // The element editor, as the program's start builds it.
    app::Startup startup(context);
    startup.run();
    editor::ElementEditor* editor = startup.elementEditor();
    EXPECT_EQ(editor->windowTitle(), "Image editor");
    QStringList editorMenus;
    for (const QAction* a : editor->findChild<QMenuBar*>()->actions()) editorMenus << a->text();
    EXPECT_EQ(editorMenus.join(QStringLiteral(" | ")),
              "Close and save  | Close | New element | Edit | Zone | Image properties | View | "
              "Game engines | Help");
}

// The French start, by the locale or by the saved choice.
void ExpectFrench(StartUnderOwnLocale& start) {
    EXPECT_EQ(platform::CurrentLanguage(), platform::kFrench);
    EXPECT_EQ(start.menuTitles().join(QStringLiteral(" | ")),
              QString::fromUtf8("&Fichier | &Imprimer | &Edit | A&ide | À &propos | &Langue"));
    start.expectQuitQuestion(kFrenchQuitQuestion);
    EXPECT_EQ(start.halfCoverageShown(), "0,50");
    // Qt's own dialogs too, from Debian's qt6-translations-l10n.
    EXPECT_EQ(QColorDialog::tr("Select Color"), QString::fromUtf8("Sélectionner une couleur"));
}

TEST_F(StartsInFrench, MenusQuestionsAndNumbers) {
    ExpectFrench(*this);
}

TEST_F(StartsInTheSavedFrench, MenusQuestionsAndNumbers) {
    ExpectFrench(*this);
}

}  // namespace
}  // namespace tessella::testing
