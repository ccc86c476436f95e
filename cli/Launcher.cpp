// tessella-cli: starts the program that runs the command. Loading Qt's image library and the
// libraries it brings costs more than turning a 2048 x 2048 picture, so op and convert go to
// tessella-cli-quick, which starts with Qt Core alone; everything else to tessella-cli-full.
// This launcher links no Qt, so choosing costs nothing measurable.

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/CommandWord.h"
#include "cli/Siblings.h"

int main(int argc, char** argv) {
    // The words go on unchanged: the chosen program reads --lang itself.
    const bool quick = tessella::cli::IsQuickCommand(argc, argv);
    char path[PATH_MAX];
    const char* program =
        tessella::cli::SiblingProgram(quick ? "tessella-cli-quick" : "tessella-cli-full", path);
    ::execv(program, argv);
    // No Qt here, so no translation: the one message in both languages.
    std::fprintf(stderr,
                 tessella::cli::LauncherSpeaksFrench(argc, argv) ? "Impossible de lancer %s : %s\n"
                                                                 : "Cannot start %s: %s\n",
                 program, std::strerror(errno));
    return 1;
}
