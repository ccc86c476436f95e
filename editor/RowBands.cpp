#include "editor/RowBands.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace tessella::editor {

std::vector<int> BandCuts(int rows, std::size_t pixels) {
    const auto threads =
        static_cast<std::size_t>(std::max(1u, std::thread::hardware_concurrency()));
    const std::size_t worth = std::max<std::size_t>(1, pixels / kPixelsPerBand);
    const int bands = std::max(1, std::min({static_cast<int>(std::min(threads, worth)), rows, 64}));
    std::vector<int> cuts(static_cast<std::size_t>(bands) + 1);
    for (int i = 0; i <= bands; ++i)
        cuts[i] = static_cast<int>(static_cast<long long>(rows) * i / bands);
    return cuts;
}

void RunBands(int bands, const std::function<void(int)>& work) {
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(std::max(0, bands - 1)));
    for (int i = 1; i < bands; ++i) {
        try {
            threads.emplace_back(work, i);
        } catch (const std::system_error&) {
            work(i);
        }
    }
    if (bands > 0) work(0);
    for (std::thread& thread : threads) thread.join();
}

}  // namespace tessella::editor
