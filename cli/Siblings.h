#pragma once
// The command line's programs find each other beside the running one (the build tree, and the
// helpers among themselves), else in the helper folder of the installed tree. No fallback on
// the build's own paths: an installed program that misses a helper says so.

#include "platform/InstalledLayout.h"

namespace tessella::cli {

// The program's path, written into path (room for PATH_MAX bytes); its bare name when it is
// nowhere, so that starting it fails with a message naming it.
inline const char* SiblingProgram(const char* name, char* path) {
    const char* found = platform::FindHelperProgram(name, path);
    return found ? found : name;
}

}  // namespace tessella::cli
