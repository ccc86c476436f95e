#pragma once
// Where the programs find each other and their files. Installed, under any prefix:
//   bin/              tessella and tessella-cli, the two on the PATH
//   lib/tessella/     the helper programs they start
//   share/tessella/   the help file and the two texture folders
// In the build tree everything lies beside the executables. Plain C, without the C++ library:
// the launcher links neither it nor Qt, so that it starts at once.

#include <unistd.h>
#include <climits>
#include <cstring>

namespace tessella::platform {

// Below the prefix, the folder above bin/. The install rules of CMake write the same names.
inline constexpr char kInstalledHelperFolder[] = "lib/tessella/";
inline constexpr char kInstalledDataFolder[] = "share/tessella/";

// The helper program `name` beside the executable `self` (an absolute path), else in the
// helper folder of its prefix: its path written into path (room for PATH_MAX bytes), or null.
inline const char* FindHelperProgram(const char* self, const char* name, char* path) {
    const char* slash = std::strrchr(self, '/');
    if (!slash) return nullptr;
    const std::size_t folder = std::size_t(slash - self) + 1;
    std::size_t prefix = folder - 1;
    while (prefix > 0 && self[prefix - 1] != '/') --prefix;
    const struct {
        std::size_t keep;
        const char* below;
    } places[] = {{folder, ""}, {prefix, kInstalledHelperFolder}};
    for (const auto& place : places) {
        if (place.keep == 0 ||
            place.keep + std::strlen(place.below) + std::strlen(name) >= PATH_MAX)
            continue;
        std::memcpy(path, self, place.keep);
        std::strcpy(path + place.keep, place.below);
        std::strcat(path, name);
        if (::access(path, X_OK) == 0) return path;
    }
    return nullptr;
}

// The same, from the running executable.
inline const char* FindHelperProgram(const char* name, char* path) {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return nullptr;
    self[n] = '\0';
    return FindHelperProgram(self, name, path);
}

}  // namespace tessella::platform
