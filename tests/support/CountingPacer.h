#pragma once
// A pacer whose waits are instant; it counts them and the milliseconds asked for.

#include <functional>

#include "platform/Pacer.h"

namespace tessella::testing {

class CountingPacer final : public platform::Pacer {
  public:
    void wait(int ms) override {
        ++waits;
        totalMs += ms;
        if (onPause) onPause();
    }
    void processEvents() override {
        ++eventRuns;
        if (onPause) onPause();
    }

    int waits = 0;
    long long totalMs = 0;
    int eventRuns = 0;
    // What the user does while a run lets the windows answer (a wait or pending events).
    std::function<void()> onPause;
};

}  // namespace tessella::testing
