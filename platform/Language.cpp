#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>
#include <memory>

#include "platform/Error.h"
#include "platform/LanguageTexts.h"

namespace tessella::platform {

namespace {

Language current = Language::French;

std::unique_ptr<QSettings> Settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Tessella"), QStringLiteral("Tessella"));
}

const QString kLanguageKey = QStringLiteral("language");

}  // namespace

std::optional<Language> LanguageFromCode(QStringView code) {
    if (code.compare(u"fr", Qt::CaseInsensitive) == 0) return Language::French;
    if (code.compare(u"en", Qt::CaseInsensitive) == 0) return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return language == Language::French ? QStringLiteral("fr") : QStringLiteral("en");
}

Language LanguageOfLocale(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        // "fr", "fr-CA", "fr_FR.UTF-8", "en-GB"...
        const QStringView code =
            QStringView(name).left(name.indexOf(QRegularExpression(QStringLiteral("[-_.@]"))));
        if (const auto language = LanguageFromCode(code)) return *language;
    }
    return Language::English;
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

void UseLanguage(Language language, bool qtTexts) {
    static QTranslator ours;
    static QTranslator qts;
    QCoreApplication::removeTranslator(&ours);
    QCoreApplication::removeTranslator(&qts);
    if (language == Language::English && ours.load(QStringLiteral(":/i18n/tessella_en.qm")))
        QCoreApplication::installTranslator(&ours);
    // Qt's texts are English already; French comes from Debian's qt6-translations-l10n.
    if (qtTexts && language == Language::French &&
        qts.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qts);
    QLocale::setDefault(language == Language::French
                            ? QLocale(QLocale::French, QLocale::France)
                            : QLocale(QLocale::English, QLocale::UnitedStates));
    current = language;
}

Language CurrentLanguage() {
    return current;
}

std::optional<Language> SavedLanguageChoice() {
    return LanguageFromCode(Settings()->value(kLanguageKey).toString());
}

void SaveLanguageChoice(std::optional<Language> language) {
    const auto settings = Settings();
    if (language)
        settings->setValue(kLanguageKey, LanguageCode(*language));
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
