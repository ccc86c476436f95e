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
        UseLanguage(kFrench);
        SaveLanguageChoice(std::nullopt);
        qunsetenv("TESSELLA_LANG");
    }
};

}  // namespace

TEST_F(LanguageTest, TheFirstLocaleLanguageWeHaveDecidesAndEnglishIsTheRest) {
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fr-FR")}), kFrench);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fr_CA.UTF-8")}), kFrench);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fr")}), kFrench);
    // LANGUAGE=de:fr: German is not ours, French is.
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("de-DE"), QStringLiteral("fr")}), kFrench);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("en-GB"), QStringLiteral("fr")}), kEnglish);
    // Frisian is not French for sharing its first two letters.
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fry-NL")}), kEnglish);
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("C")}), kEnglish);
    EXPECT_EQ(LanguageOfLocale({}), kEnglish);
    EXPECT_EQ(LanguageFromCode(u"EN"), kEnglish);
    EXPECT_EQ(LanguageFromCode(u"de"), std::nullopt);
    EXPECT_EQ(LanguageFromCode(u""), std::nullopt);
}

TEST_F(LanguageTest, TextsAndNumbersFollowTheLanguageInUse) {
    const QString french = QStringLiteral("le fichier des réglages est endommagé");
    EXPECT_EQ(QString(kSettingsDamaged), french);
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2,5"));
    UseLanguage(kEnglish);
    EXPECT_EQ(CurrentLanguage(), kEnglish);
    EXPECT_EQ(QString(kSettingsDamaged), QStringLiteral("the settings file is damaged"));
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2.5"));
    UseLanguage(kFrench);
    EXPECT_EQ(QString(kSettingsDamaged), french);
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2,5"));
}

TEST_F(LanguageTest, TheSavedChoiceWinsOverTheEnvironmentAndCanBeTakenBack) {
    qputenv("TESSELLA_LANG", "en");
    EXPECT_EQ(ProgramLanguage(), kEnglish);
    SaveLanguageChoice(kFrench);
    EXPECT_EQ(SavedLanguageChoice(), kFrench);
    EXPECT_EQ(ProgramLanguage(), kFrench);
    SaveLanguageChoice(std::nullopt);
    EXPECT_EQ(SavedLanguageChoice(), std::nullopt);
    EXPECT_EQ(ProgramLanguage(), kEnglish);
    // A value that names no language is no choice.
    qputenv("TESSELLA_LANG", "klingon");
    EXPECT_EQ(LanguageOfEnvironment(), SystemLanguage());
}

TEST_F(LanguageTest, AnArrayOfTextsKeepsOneTextAnEntry) {
    constexpr Text texts[] = {QT_TRANSLATE_NOOP("Tessella", "un"),
                              QT_TRANSLATE_NOOP("Tessella", "deux"),
                              QT_TRANSLATE_NOOP3("Tessella", "trois", "a note")};
    EXPECT_EQ(QString(texts[0]), QStringLiteral("un"));
    EXPECT_EQ(QString(texts[2]), QStringLiteral("trois"));
    EXPECT_STREQ(texts[2].disambiguation, "a note");
}
