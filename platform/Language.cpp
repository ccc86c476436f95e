#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <memory>

#include "platform/Error.h"
#include "platform/LanguageTexts.h"

namespace tessella::platform {

namespace {

Language current = kFrench;

std::unique_ptr<QSettings> Settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Tessella"), QStringLiteral("Tessella"));
}

const QString kLanguageKey = QStringLiteral("language");

QString TranslationFile(const Language& language) {
    return QStringLiteral(":/i18n/tessella_%1.qm").arg(language);
}

}  // namespace

QStringList AvailableLanguages() {
    // The built-in translations do not change while the program runs: listed once.
    static const QStringList languages = [] {
        // Names compared by hand: a name filter would compile a regular expression.
        QStringList found;
        for (QDirIterator it(QStringLiteral(":/i18n"), QDir::Files); it.hasNext();) {
            const QString file = it.nextFileInfo().fileName();
            if (file.startsWith(QLatin1String("tessella_")) && file.endsWith(QLatin1String(".qm")))
                found << file.mid(9, file.size() - 12);
        }
        found.sort();
        return QStringList{kFrench} + found;
    }();
    return languages;
}

std::optional<Language> LanguageFromCode(QStringView code) {
    for (const Language& language : AvailableLanguages())
        if (code.compare(language, Qt::CaseInsensitive) == 0) return language;
    return std::nullopt;
}

QString LanguageName(const Language& language) {
    if (language == kEnglish) return QStringLiteral("English");  // not "American English"
    QString name = QLocale(language).nativeLanguageName();
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

Language LanguageOfLocale(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        // "fr", "fr-CA", "fr_FR.UTF-8", "en-GB"...: the code ends at the first separator (no
        // regular expression: its compiling would weigh on every start of the command line).
        qsizetype end = 0;
        while (end < name.size() && !QStringView(u"-_.@").contains(name[end])) ++end;
        if (const auto language = LanguageFromCode(QStringView(name).left(end))) return *language;
    }
    return kEnglish;
}

Language SystemLanguage() {
    return LanguageOfLocale(QLocale::system().uiLanguages());
}

Language LanguageOfEnvironment() {
    if (const auto forced = LanguageFromCode(qEnvironmentVariable("TESSELLA_LANG"))) return *forced;
    return SystemLanguage();
}

Language ProgramLanguage() {
    return SavedLanguageChoice().value_or(LanguageOfEnvironment());
}

void UseLanguage(const Language& language, bool qtTexts) {
    static QTranslator ours;
    static QTranslator qts;
    QCoreApplication::removeTranslator(&ours);
    QCoreApplication::removeTranslator(&qts);
    if (language != kFrench && ours.load(TranslationFile(language)))
        QCoreApplication::installTranslator(&ours);
    // Qt's own texts are English already; the others come from Debian's qt6-translations-l10n.
    if (qtTexts && language != kEnglish &&
        qts.load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qts);
    QLocale::setDefault(QLocale(language));
    current = language;
}

Language CurrentLanguage() {
    return current;
}

std::optional<Language> SavedLanguageChoice() {
    return LanguageFromCode(Settings()->value(kLanguageKey).toString());
}

void SaveLanguageChoice(const std::optional<Language>& language) {
    const auto settings = Settings();
    if (language)
        settings->setValue(kLanguageKey, *language);
    else
        settings->remove(kLanguageKey);
    settings->sync();
    if (settings->status() != QSettings::NoError)
        throw TessellaError(
            kLanguageNotSaved.arg(settings->fileName(), settings->status() == QSettings::AccessError
                                                            ? kSettingsNotWritable.toString()
                                                            : kSettingsDamaged.toString()));
}

}  // namespace tessella::platform
