#pragma once
// The language of the user texts, as a code: "fr" (the source texts), "en", or any language
// whose translation is built in (translations/tessella_CODE.ts). The system's locale decides
// unless the user forces one; numbers follow the language ("2,5" or "2.5").

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace tessella::platform {

using Language = QString;
inline const Language kFrench = QStringLiteral("fr");
inline const Language kEnglish = QStringLiteral("en");

// French and the built-in translations, French first.
QStringList AvailableLanguages();
// The language a code names ("fr", "EN"...), if we have it.
std::optional<Language> LanguageFromCode(QStringView code);
// In its own words: "Français", "English".
QString LanguageName(const Language& language);

// The first of the locale's languages that we have (a LANGUAGE list such as "de:fr" gives
// French); English when none is, "C" and "POSIX" included.
Language LanguageOfLocale(const QStringList& uiLanguages);
// As Qt reads the locale: LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
Language SystemLanguage();

// TESSELLA_LANG when it names a language we have, else the system's.
Language LanguageOfEnvironment();

// The program's language: the user's saved choice, else LanguageOfEnvironment(). The command
// line does not read the saved choice.
Language ProgramLanguage();

// Installs the translation of our texts and the number format of that language; with
// qtTexts, Qt's own texts too (standard dialogs, message-box buttons), from Debian's
// qt6-translations-l10n. May be called again to switch.
void UseLanguage(const Language& language, bool qtTexts = false);
Language CurrentLanguage();

// The program's saved choice; none means the system's language.
std::optional<Language> SavedLanguageChoice();
// Throws TessellaError when the choice cannot be written.
void SaveLanguageChoice(const std::optional<Language>& language);

}  // namespace tessella::platform
