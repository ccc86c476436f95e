// tessella-cli-quick: op and convert on pictures read straight into rows, started with Qt Core
// alone. Any other format, and the emboss filter, need Qt's image library: the command is then
// handed, unchanged, to tessella-cli-full before anything is written.

#include <unistd.h>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/CommandWord.h"
#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "cli/Siblings.h"

namespace {

using namespace tessella::cli;

// Thrown where the command would need Qt's image library; nothing has been written yet.
struct HandOver {};

class HandingOver final : public ImageLibraryWork {
  public:
    void loadWorkingPicture(const QString&, tessella::pixels::WorkingPicture&) override {
        throw HandOver();
    }
    std::any loadTexture(const QString&) override { throw HandOver(); }
    void emboss(tessella::pixels::WorkingPicture&, const tessella::pixels::EmbossSettings&,
                const std::any&) override {
        throw HandOver();
    }
    void convert(const QString&, const QString&) override { throw HandOver(); }
};

[[noreturn]] void RunFullProgram(int argc, char** argv) {
    std::fflush(stdout);
    std::fflush(stderr);
    char path[PATH_MAX];
    const char* program = SiblingProgram("tessella-cli-full", path);
    ::execv(program, argv);
    const int error = errno;
    // The message in the language of the line, which may not be in use yet.
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        app.emplace(argc, argv);
        QStringList words = QCoreApplication::arguments();
        tessella::platform::UseLanguage(TakeLanguageOption(words).language);
    }
    PrintError(
        QCoreApplication::translate("CommandLine", "Impossible de lancer %1 : %2")
            .arg(QString::fromLocal8Bit(program), QString::fromLocal8Bit(std::strerror(error))));
    std::_Exit(kExitFailure);
}

}  // namespace

int main(int argc, char** argv) {
    int (*command)(const QStringList&) = nullptr;
    if (IsQuickCommand(argc, argv))
        command =
            std::strcmp(argv[CommandWordIndex(argc, argv)], "op") == 0 ? OpCommand : ConvertCommand;
    if (!command) RunFullProgram(argc, argv);
    qInstallMessageHandler(QuietQtMessages);
    HandingOver handingOver;
    UseImageLibraryWork(handingOver);
    int status = kExitFailure;
    {
        QCoreApplication app(argc, argv);
        QStringList words = QCoreApplication::arguments().mid(1);
        if (const auto stop = UseCommandLineLanguage(words)) {
            status = *stop;
        } else {
            try {
                status = RunReportingFailures(command, words.mid(1));  // after the name
            } catch (const HandOver&) {
                RunFullProgram(argc, argv);
            }
        }
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}
