#include <gtest/gtest.h>

#include <QLocale>

#include "platform/Error.h"
#include "platform/Language.h"
#include "platform/LanguageTexts.h"

using namespace tessella::platform;

namespace {

// Puts the test binary back in French whatever a test switched to.
struct LanguageTest : ::testing::Test {
    void TearDown() override {
        UseLanguage(Language::French);
        SaveLanguageChoice(std::nullopt);
        qunsetenv("TESSELLA_LANG");
    }
};

}  // namespace

TEST_F(LanguageTest, TheFirstLocaleLanguageWeHaveDecidesAndEnglishIsTheRest) {
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fr-FR")}), Language::French);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fr_CA.UTF-8")}), Language::French);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fr")}), Language::French);
    // LANGUAGE=de:fr: German is not ours, French is.
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("de-DE"), QStringLiteral("fr")}), Language::French);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("en-GB"), QStringLiteral("fr")}), Language::English);
    // Frisian is not French for sharing its first two letters.
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fry-NL")}), Language::English);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("C")}), Language::English);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("POSIX")}), Language::English);
    EXPECT_EQ(LanguageOfLocale({}), Language::English);
    EXPECT_EQ(LanguageFromCode(u"EN"), Language::English);
    EXPECT_EQ(LanguageFromCode(u"de"), std::nullopt);
    EXPECT_EQ(LanguageFromCode(u""), std::nullopt);
}

TEST_F(LanguageTest, TextsAndNumbersFollowTheLanguageInUse) {
    const QString french = QStringLiteral("le fichier des réglages est endommagé");
    EXPECT_EQ(QString(kSettingsDamaged), french);
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2,5"));
    UseLanguage(Language::English);
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(QString(kSettingsDamaged), QStringLiteral("the settings file is damaged"));
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2.5"));
    UseLanguage(Language::French);
    EXPECT_EQ(QString(kSettingsDamaged), french);
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2,5"));
}

TEST_F(LanguageTest, TheSavedChoiceWinsOverTheEnvironmentAndCanBeTakenBack) {
    qputenv("TESSELLA_LANG", "en");
    EXPECT_EQ(ProgramLanguage(), Language::English);
    SaveLanguageChoice(Language::French);
    EXPECT_EQ(SavedLanguageChoice(), Language::French);
    EXPECT_EQ(ProgramLanguage(), Language::French);
    SaveLanguageChoice(std::nullopt);
    EXPECT_EQ(SavedLanguageChoice(), std::nullopt);
    EXPECT_EQ(ProgramLanguage(), Language::English);
    // A value that names no language is no choice.
    qputenv("TESSELLA_LANG", "klingon");
    EXPECT_EQ(LanguageOfEnvironment(), SystemLanguage());
}
