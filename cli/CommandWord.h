#pragma once
// Where the command's name stands on the line: after any "--lang X" or "--lang=X" given before
// it. Plain C, for the launcher, which links nothing but the C library.

#include <cstring>

namespace tessella::cli {

// The index in argv of the command's name; argc when there is none.
inline int CommandWordIndex(int argc, char** argv) {
    int i = 1;
    while (i < argc) {
        if (std::strcmp(argv[i], "--lang") == 0)
            i += 2;
        else if (std::strncmp(argv[i], "--lang=", 7) == 0)
            ++i;
        else
            return i;
    }
    return argc;
}

// True when the command is op or convert, the quick program's own.
inline bool IsQuickCommand(int argc, char** argv) {
    const int at = CommandWordIndex(argc, argv);
    return at < argc && (std::strcmp(argv[at], "op") == 0 || std::strcmp(argv[at], "convert") == 0);
}

}  // namespace tessella::cli
