#pragma once
// The same memory treatment for every side of a comparison: blocks from 64 KiB up come
// straight from the system and go back to it when freed, and the heap is trimmed after each
// iteration, so no side runs on pages already faulted in by an earlier iteration (glibc would
// otherwise raise its mapping threshold after the first free and hand the same warm block back).

#include <malloc.h>

namespace tessella::bench {

inline void UseFreshMemory() {
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024);
}

// Call at the end of each iteration.
inline void ReturnFreedMemory() {
    malloc_trim(0);
}

}  // namespace tessella::bench
