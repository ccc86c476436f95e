#pragma once
// Waits and pending-event processing; tests make waits instant and count them.

namespace tessella::platform {

class Pacer {
  public:
    virtual ~Pacer() = default;
    // Waits ms milliseconds while the windows keep painting and answering.
    virtual void wait(int ms) = 0;
    // Lets pending window events run.
    virtual void processEvents() = 0;
};

// The real pacer, on the Qt event loop.
class EventLoopPacer final : public Pacer {
  public:
    void wait(int ms) override;
    void processEvents() override;
};

}  // namespace tessella::platform
