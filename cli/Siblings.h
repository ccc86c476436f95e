#pragma once
// The command line's programs find each other beside the running one (as installed), else
// where the build made them. Plain C, without the C++ library: the launcher links neither it
// nor Qt, so that it starts at once.

#include <unistd.h>
#include <climits>
#include <cstring>

namespace tessella::cli {

// The program's path, written into path (room for PATH_MAX bytes); answers path.
inline const char* SiblingProgram(const char* name, const char* buildPath, char* path) {
    const ssize_t n = ::readlink("/proc/self/exe", path, PATH_MAX - 1);
    std::size_t folder = n > 0 ? std::size_t(n) : 0;
    while (folder > 0 && path[folder - 1] != '/') --folder;
    if (folder > 0 && folder + std::strlen(name) < PATH_MAX) {
        std::strcpy(path + folder, name);
        if (::access(path, X_OK) == 0) return path;
    }
    return buildPath;
}

}  // namespace tessella::cli
