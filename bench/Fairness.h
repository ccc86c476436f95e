#pragma once
// The same treatment for every side of a comparison.
// Memory: blocks from 64 KiB up come straight from the system and go back to it when freed,
// and the heap is trimmed between iterations, so no side runs on pages an earlier iteration
// faulted in (glibc would otherwise raise its mapping threshold after the first free and hand
// the same warm block back to whoever asks next).
// Input: each iteration starts from the same picture, prepared outside the timed part.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>

namespace tessella::bench {

inline void UseFreshMemory() {
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024);
}

inline void ReturnFreedMemory() {
    malloc_trim(0);
}

// Times work alone (wall clock; register with UseManualTime): prepare, untimed, gives it the
// same input every iteration and drops what the last iteration made.
template <class Prepare, class Work>
void TimeEach(benchmark::State& state, Prepare prepare, Work work) {
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        prepare();
        ReturnFreedMemory();
        const auto start = Clock::now();
        work();
        benchmark::ClobberMemory();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

}  // namespace tessella::bench
