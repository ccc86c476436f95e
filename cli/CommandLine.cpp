#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QHash>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "cli/Commands.h"
#include "platform/Error.h"
#include "platform/Prompts.h"

namespace tessella::cli {

namespace {

QString Spelled(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The word the parser refused, as typed: an unknown option, or a value given to a switch
// (--free=1). Empty when the parse failed only for want of the last option's value.
QString RefusedWord(const QCommandLineParser& parser, const QStringList& args,
                    const QList<QCommandLineOption>& options) {
    const auto isSwitch = [&](const QString& name) {
        for (const QCommandLineOption& option : options)
            if (option.names().contains(name)) return option.valueName().isEmpty();
        return false;
    };
    for (const QString& word : args) {
        if (word == QLatin1String("--")) break;
        if (word.size() < 2 || !word.startsWith(QLatin1Char('-'))) continue;
        const QString name =
            word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (parser.unknownOptionNames().contains(name) ||
            (word.contains(QLatin1Char('=')) && isSwitch(name)))
            return word;
    }
    return {};
}

QString HelpText(const QString& usage, const QList<QCommandLineOption>& options) {
    QString text =
        usage + QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Options :");
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names()) names << Spelled(name);
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) left += QLatin1Char(' ') + option.valueName();
        text += QStringLiteral("\n  %1  %2").arg(left.leftJustified(22), option.description());
    }
    return text;
}

// "fr ou en": the languages --lang takes.
QString LanguageList() {
    QStringList languages = platform::AvailableLanguages();
    const QString last = languages.takeLast();
    if (languages.isEmpty()) return last;
    return QCoreApplication::translate("CommandLine", "%1 ou %2")
        .arg(languages.join(QStringLiteral(", ")), last);
}

}  // namespace

LanguageChoice TakeLanguageOption(QStringList& words) {
    std::optional<QString> given;
    for (qsizetype i = 0; i < words.size();) {
        const QString& word = words[i];
        if (word == QLatin1String("--")) break;
        if (word == QLatin1String("--lang")) {
            given = i + 1 < words.size() ? words[i + 1] : QString();
            words.remove(i, i + 1 < words.size() ? 2 : 1);
        } else if (word.startsWith(QLatin1String("--lang="))) {
            given = word.mid(7);
            words.removeAt(i);
        } else {
            ++i;
        }
    }
    if (given)
        if (const auto language = platform::LanguageFromCode(*given)) return {*language, {}};
    return {platform::LanguageOfEnvironment(), given};
}

std::optional<int> UseCommandLineLanguage(QStringList& words) {
    const LanguageChoice choice = TakeLanguageOption(words);
    platform::UseLanguage(choice.language);
    if (!choice.refused) return std::nullopt;
    if (choice.refused->isEmpty())
        PrintError(QCoreApplication::translate("CommandLine", "--lang attend une langue : %1")
                       .arg(LanguageList()));
    else
        PrintError(QCoreApplication::translate("CommandLine", "Langue inconnue : %1 (%2)")
                       .arg(*choice.refused, LanguageList()));
    return kExitUsage;
}

std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& args,
                                    const CommandSyntax& syntax) {
    // -import is --import, and -xo one unknown option rather than -x and -o.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (syntax.optionsBeforeArgumentsOnly)
        parser.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "affiche cette aide"));
    const QList<QCommandLineOption> options = syntax.options + QList{help};
    parser.addOptions(options);
    // The parser skips the first word, the program's name.
    if (!parser.parse(QStringList{QString()} + args)) {
        const QString refused = RefusedWord(parser, args, options);
        if (!refused.isEmpty() && syntax.refusedWordsAreFiles)  // again, every word positional
            parser.parse(QStringList{QString(), QStringLiteral("--")} + args);
        else if (!refused.isEmpty())
            return UsageError(syntax.usage, syntax.unknownOption.isEmpty()
                                                ? QString()
                                                : syntax.unknownOption.arg(refused));
    }
    if (parser.isSet(help)) {
        PrintOut(HelpText(syntax.usage, options));
        return kExitOk;
    }
    return std::nullopt;
}

int UsageError(const QString& usage, const QString& why) {
    if (!why.isEmpty()) PrintError(why);
    PrintError(usage);
    return kExitUsage;
}

std::vector<GivenOption> OptionsInOrder(const QCommandLineParser& parser) {
    std::vector<GivenOption> given;
    QHash<QString, qsizetype> taken;  // values of each option handed out so far
    for (const QString& name : parser.optionNames()) {
        const QStringList values = parser.values(name);
        const qsizetype index = taken[name]++;
        given.push_back({name, Spelled(name),
                         index < values.size() ? std::optional(values[index]) : std::nullopt});
    }
    return given;
}

// The messages keep the windows' "\n\r"; a terminal or a log gets plain line ends.
void PrintError(const QString& text) {
    std::fputs((platform::DisplayText(text) + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

void PrintOut(const QString& text) {
    std::fputs((platform::DisplayText(text) + QLatin1Char('\n')).toUtf8().constData(), stdout);
}

int RunReportingFailures(int (*command)(const QStringList&), const QStringList& args) {
    try {
        return command(args);
    } catch (const platform::TessellaError& e) {
        PrintError(e.message());
    } catch (const std::bad_alloc&) {
        PrintError(platform::kOutOfMemoryMessage);
    } catch (const std::exception& e) {
        PrintError(QString::fromLocal8Bit(e.what()));
    }
    return kExitFailure;
}

std::optional<double> ParseDecimal(QString text) {
    bool ok = false;
    const double value = text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        PrintError(text);
        std::abort();
    }
}

}  // namespace tessella::cli
