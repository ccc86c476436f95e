#pragma once
// A pacer whose waits are instant; it counts them and the milliseconds asked for.

#include "platform/Pacer.h"

namespace tessella::testing {

class CountingPacer final : public platform::Pacer {
public:
    void wait(int ms) override {
        ++waits;
        totalMs += ms;
    }
    void processEvents() override { ++eventRuns; }

    int waits = 0;
    long long totalMs = 0;
    int eventRuns = 0;
};

}  // namespace tessella::testing
