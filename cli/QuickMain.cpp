// tessella-cli: op and convert on pictures read straight into rows, started with Qt Core alone.
// Loading Qt's image library and the libraries it brings costs more than turning a 2048 x 2048
// picture, so every other command, format and option is handed, unchanged, to tessella-cli-full.

#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "platform/ProgramFolder.h"

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

// tessella-cli-full beside this program (as installed), else where the build made it.
QByteArray FullProgram() {
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        self[n] = '\0';
        const QString beside = QFileInfo(QFile::decodeName(self)).absolutePath() +
                               QStringLiteral("/tessella-cli-full");
        if (QFileInfo(beside).isExecutable()) return QFile::encodeName(beside);
    }
    return TESSELLA_CLI_FULL_BUILD_PATH;
}

[[noreturn]] void RunFullProgram(char** argv) {
    std::fflush(stdout);
    std::fflush(stderr);
    const QByteArray program = FullProgram();
    ::execv(program.constData(), argv);
    PrintError(QStringLiteral("Impossible de lancer %1 : %2")
                   .arg(QFile::decodeName(program), QString::fromLocal8Bit(std::strerror(errno))));
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
