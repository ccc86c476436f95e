#pragma once
// Where the command's name stands on the line: after any "--lang X" or "--lang=X" given before
// it. Plain C, for the launcher, which links nothing but the C library.

#include <strings.h>
#include <cstdlib>
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

// Whether a locale name such as "fr", "fr_FR.UTF-8" or "fr-CA" names the language code.
inline bool NamesLanguage(const char* name, const char* code) {
    const size_t n = std::strlen(code);
    return strncasecmp(name, code, n) == 0 && std::strchr("_-.@:", name[n]) != nullptr;
}

// Whether the launcher's own message is French: --lang, else TESSELLA_LANG, else the locale,
// as the programs it starts decide with Qt (French for French, English for the rest).
inline bool LauncherSpeaksFrench(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc)
            return NamesLanguage(argv[i + 1], "fr");
        if (std::strncmp(argv[i], "--lang=", 7) == 0) return NamesLanguage(argv[i] + 7, "fr");
    }
    const char* forced = std::getenv("TESSELLA_LANG");
    if (forced && (NamesLanguage(forced, "fr") || NamesLanguage(forced, "en")))
        return NamesLanguage(forced, "fr");
    // LANGUAGE is a list, whose first language we have decides; then the first variable set.
    if (const char* list = std::getenv("LANGUAGE")) {
        for (const char* entry = list; *entry;) {
            if (NamesLanguage(entry, "fr")) return true;
            if (NamesLanguage(entry, "en")) return false;
            entry += std::strcspn(entry, ":");
            if (*entry == ':') ++entry;
        }
    }
    static const char* const kLocaleVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (const char* name : kLocaleVariables) {
        const char* value = std::getenv(name);
        if (value && *value) return NamesLanguage(value, "fr");
    }
    return false;
}

}  // namespace tessella::cli
