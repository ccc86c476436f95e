// tessella-cli-full: every command of tessella-cli, over the core, for pipelines and for checking
// operations. tessella-cli itself runs op and convert on the files it reads straight into rows,
// and hands everything else to this program.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ImageLibrary.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList&);
};

const Command kCommands[] = {
    {"info", QT_TRANSLATE_NOOP("CommandLine", "info FICHIER"), tessella::cli::InfoCommand},
    {"convert",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "convert ENTREE SORTIE.(tga|bmp|png|dds|ktx2|astc) [--bc1 | --bc3 | --bc5 | --rgb |\n"
         "       --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] [--threads N] "
         "[--no-mipmaps]"),
     tessella::cli::ConvertCommand},
    {"pack",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "pack [--import LxH | --free] [--max-width 256|512] [--onto PAGE [--fill-right]]\n"
         "       [--yes-to-all | --no-to-all] -o SORTIE.(tga|png) FICHIER...\n"
         "  tessella-cli pack --tight -o SORTIE.(tga|png) PAGE"),
     tessella::cli::PackCommand},
    {"extract",
     QT_TRANSLATE_NOOP("CommandLine",
                       "extract [--import LxH] PAGE DEST.(bmp|png) | extract --names PAGE DOSSIER"),
     tessella::cli::ExtractCommand},
    {"export",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "export [--padding P] [--extrude E] [--max-size N] [--max-width L] [--pot] [--square]\n"
         "       [--mip-levels N] [--normal-map [--strength S] [--directx]]\n"
         "       [--bc1 | --bc3 | --bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality Q] [--threads N]\n"
         "       -o ATLAS.(png|dds|ktx2) PAGE"),
     tessella::cli::ExportCommand},
    {"op", QT_TRANSLATE_NOOP("CommandLine", "op OPERATION [ARGUMENTS...] ENTREE SORTIE"),
     tessella::cli::OpCommand},
    {"print",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "print PAGE [--width-mm L] [--x-mm X] [--y-mm Y] [--landscape] [--name] [--allow-cut] -o "
         "SORTIE.pdf"),
     tessella::cli::PrintCommand},
    {"contact-sheet", QT_TRANSLATE_NOOP("CommandLine", "contact-sheet -o SORTIE.pdf FICHIER..."),
     tessella::cli::ContactSheetCommand},
};

QString UsageText() {
    QString text = QCoreApplication::translate(
        "CommandLine", "Usage : tessella-cli COMMANDE [ARGUMENTS...]\nCommandes :");
    for (const Command& c : kCommands)
        text += QStringLiteral("\n  tessella-cli ") +
                QCoreApplication::translate("CommandLine", c.usage);
    return text + QLatin1Char('\n') +
           QCoreApplication::translate("CommandLine",
                                       "Langue des textes : --lang %1, avant la commande ou parmi "
                                       "ses options (sinon TESSELLA_LANG, sinon celle du système)")
               .arg(tessella::platform::AvailableLanguages().join(QLatin1Char('|')));
}

// Commands on pictures need no display: a plain core application, with the resolution a new
// picture gets under the offscreen platform (96 dpi), starts in a fraction of the time. Pages,
// printing and metafiles (whose text needs fonts) take the GUI application; the program's own
// options (--version, --help) need none.
bool NeedsGuiApplication(int argc, char** argv) {
    int first = 1;  // the command's name, after the program's options
    while (first < argc && argv[first][0] == '-' && QByteArray(argv[first]) != "--")
        first += QByteArray(argv[first]) == "--lang" ? 2 : 1;
    if (first < argc && QByteArray(argv[first]) == "--") ++first;
    if (first >= argc) return false;
    const QByteArray name = argv[first];
    if (name != "info" && name != "convert" && name != "op" && name != "extract" &&
        name != "export")
        return true;
    for (int i = first + 1; i < argc; ++i)
        if (QByteArray(argv[i]).toLower().endsWith(".emf")) return true;
    return false;
}

// words: the line after the program's name, without --lang.
int RunCommand(const QStringList& words) {
    // The command's name ends the program's own options: what follows is the command's.
    QCommandLineParser parser;
    const QCommandLineOption version(
        QStringLiteral("version"),
        QCoreApplication::translate("CommandLine", "affiche la version"));
    const tessella::cli::CommandSyntax syntax{
        .usage = UsageText(), .options = {version}, .optionsBeforeArgumentsOnly = true};
    if (const auto stop = tessella::cli::ParseCommandLine(parser, words, syntax)) return *stop;
    if (parser.isSet(version)) {
        tessella::cli::PrintOut(QStringLiteral("tessella-cli " TESSELLA_VERSION));
        return tessella::cli::kExitOk;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) return tessella::cli::UsageError(syntax.usage);
    const QString name = args.takeFirst();
    for (const Command& c : kCommands) {
        if (name != QLatin1String(c.name)) continue;
        return tessella::cli::RunReportingFailures(c.run, args);
    }
    return tessella::cli::UsageError(syntax.usage);
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures are QImages and some decoders paint with QPainter: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(tessella::cli::QuietQtMessages);
    tessella::cli::UseImageLibraryWork(tessella::cli::FullImageLibrary());
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    tessella::platform::ApplyImageAllocationLimit();
    std::unique_ptr<QCoreApplication> app;
    if (NeedsGuiApplication(argc, argv))
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QStringList words = QCoreApplication::arguments().mid(1);
    const auto stop = tessella::cli::UseCommandLineLanguage(words);
    const int status = stop ? *stop : RunCommand(words);
    // Every file is written and synced by now; the GUI application's teardown would only load
    // fontconfig to unload it.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}
