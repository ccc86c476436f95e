#pragma once
// How every command of tessella-cli reads its words: a QCommandLineParser with the command's
// options and -h/--help, the usage text printed on standard output for help and on standard
// error for bad usage.

#include <QCommandLineParser>
#include <optional>
#include <vector>

#include "platform/Language.h"
#include "platform/Text.h"

namespace tessella::cli {

struct CommandSyntax {
    QString usage;                           // as printed on bad usage: "Usage : tessella-cli ..."
    QList<QCommandLineOption> options = {};  // the command's own; -h/--help is added
    // The command's line for an option it does not know, %1 the word as typed
    // ("Option inconnue : %1"); empty when the usage alone is printed.
    QString unknownOption = {};
    // After the first positional argument every word is positional: operation arguments may be
    // negative numbers (contrast -50) and file names may start with a dash.
    bool optionsBeforeArgumentsOnly = false;
    // A word the parser refuses is a file name, as it always was for commands that take only
    // files (info -x.bmp): then only -h, --help and "--" are options.
    bool refusedWordsAreFiles = false;
};

// The line for an option a command does not know, %1 the word as typed.
inline constexpr platform::Text kUnknownOption{
    QT_TRANSLATE_NOOP("Tessella", "Option inconnue : %1")};

// The language of the texts: the last --lang given ("--lang en" or "--lang=en", before the
// command or among its options, up to "--"), else LanguageOfEnvironment(); the program's saved
// choice is not read. Every --lang is taken out of words, so that no command's parser meets
// it. A value that names no language we have gives the environment's language and a fault,
// in the words of that language once it is in use.
struct LanguageChoice {
    platform::Language language;
    std::optional<QString> refused;  // the value given, or an empty text when it is missing
};
LanguageChoice TakeLanguageOption(QStringList& words);

// Takes --lang out of words and puts the language in use, before any text is made. Answers
// the bad-usage status once a refused value is reported, nothing otherwise.
std::optional<int> UseCommandLineLanguage(QStringList& words);

// Parses args, the words after the command name, into parser. Answers the exit status when the
// command ends here: 0 once the help is printed, 2 once a refused option is reported. A value
// option that ends the line is not refused here: OptionsInOrder shows it without its value, so
// that the command complains in its own words.
std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& args,
                                    const CommandSyntax& syntax);

// Commands that take only files, whose names may start with a dash (convert -in.bmp out.bmp):
// -h and --help as the first word are the only options.
inline CommandSyntax FilesOnly(const QString& usage) {
    return {.usage = usage, .optionsBeforeArgumentsOnly = true, .refusedWordsAreFiles = true};
}

// Prints why (when there is one) and the usage on standard error; answers the bad-usage status.
int UsageError(const QString& usage, const QString& why = {});

// One option as given on the command line.
struct GivenOption {
    QString name;                  // without dashes, as declared: "o", "import"
    QString spelled;               // with them, as the usage writes it: "-o", "--import"
    std::optional<QString> value;  // none for a switch, or for a value option that ends the line
};

// The options in the order given, repeats included: a command checks them one by one and
// reports the first fault, as a reader of the line meets it.
std::vector<GivenOption> OptionsInOrder(const QCommandLineParser& parser);

// A decimal number as the French or the English write it ("2,5" or "2.5"); nothing for any
// other text.
std::optional<double> ParseDecimal(QString text);

// Runs command on args; a failure prints its French message on standard error and answers 1.
int RunReportingFailures(int (*command)(const QStringList&), const QStringList& args);

// Standard error carries only the commands' own messages: Qt's notes (about the offscreen
// platform's run-time folder, fonts) would read as failures in a pipeline. A fatal message is
// printed before the program stops.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text);

}  // namespace tessella::cli
