#pragma once
// The start-up sequence: hourglass, splash, 2000 ms, main window, the other windows in their
// fixed order, 1000 ms, splash gone, normal cursor. The caller then runs the event loop.

#include <memory>

#include "app/AppContext.h"

namespace tessella::app {

class MainWindow;
class SplashScreen;

class Startup {
  public:
    static constexpr int kSplashWait = 2000;
    static constexpr int kWindowsWait = 1000;

    explicit Startup(AppContext& context);
    ~Startup();

    // Runs the sequence; the windows live as long as this object.
    void run();

    MainWindow* mainWindow() const { return main_.get(); }
    // The splash while it is on screen, null once released.
    SplashScreen* splash() const { return splash_.get(); }

  private:
    AppContext& context_;
    std::unique_ptr<SplashScreen> splash_;
    // The other windows are children of the main window, listed in context_.windows.
    std::unique_ptr<MainWindow> main_;
};

}  // namespace tessella::app
