#pragma once
// Large pictures cut into bands of rows that worker threads filter side by side. The cuts and
// the work are the same whatever the number of threads, so the result is too.

#include <cstddef>
#include <functional>
#include <vector>

namespace tessella::editor {

// Below this many pixels one thread is quicker than starting others.
inline constexpr std::size_t kPixelsPerBand = std::size_t{1} << 20;

// Where rows are cut for a picture of pixels: band i is rows [cuts[i], cuts[i + 1]), as many
// bands as the processor runs threads at once while each keeps about kPixelsPerBand pixels;
// one band (0, rows) for a small picture.
std::vector<int> BandCuts(int rows, std::size_t pixels);

// Runs work(i) for each band i < bands, the first on the calling thread and each other on a
// thread of its own (on the calling thread as well when no thread can be started); returns when
// all are done. work must not throw.
void RunBands(int bands, const std::function<void(int)>& work);

}  // namespace tessella::editor
