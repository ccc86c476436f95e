// tessella-cli-quick: op and convert on pictures read straight into rows, started with Qt Core
// alone. Any other format, and the emboss filter, need Qt's image library: the command is then
// handed, unchanged, to tessella-cli-full before anything is written.

#include <unistd.h>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/CommandLine.h"
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

[[noreturn]] void RunFullProgram(char** argv) {
    std::fflush(stdout);
    std::fflush(stderr);
    char path[PATH_MAX];
    const char* program = SiblingProgram("tessella-cli-full", path);
    ::execv(program, argv);
    PrintError(
        QStringLiteral("Impossible de lancer %1 : %2")
            .arg(QString::fromLocal8Bit(program), QString::fromLocal8Bit(std::strerror(errno))));
    std::_Exit(kExitFailure);
}

}  // namespace

int main(int argc, char** argv) {
    int (*command)(const QStringList&) = nullptr;
    if (argc >= 2 && std::strcmp(argv[1], "op") == 0) command = OpCommand;
    if (argc >= 2 && std::strcmp(argv[1], "convert") == 0) command = ConvertCommand;
    if (!command) RunFullProgram(argv);
    qInstallMessageHandler(QuietQtMessages);
    HandingOver handingOver;
    UseImageLibraryWork(handingOver);
    int status = kExitFailure;
    {
        QCoreApplication app(argc, argv);
        try {
            status = RunReportingFailures(command, QCoreApplication::arguments().mid(2));
        } catch (const HandOver&) {
            RunFullProgram(argv);
        }
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}
