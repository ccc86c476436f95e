#pragma once
// The start-up sequence: hourglass, splash, 2000 ms, main window, the other windows in their
// fixed order, 1000 ms, splash gone, normal cursor. The caller then runs the event loop.
// Start-up is the one place that creates the windows and wires them to each other.

#include <memory>

#include "ui/app/AppContext.h"

namespace tessella::catalogue {
class CatalogueWindow;
}
namespace tessella::editor {
class ElementEditor;
}
namespace tessella::platform {
class PrinterService;
}

namespace tessella::app {

class HelpWindow;
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
    // The windows the main window does not own, made by run().
    editor::ElementEditor* elementEditor() const { return editor_; }
    catalogue::CatalogueWindow* catalogueWindow() const { return catalogue_; }
    HelpWindow* helpWindow() const { return help_; }

  private:
    // Peers talk by signals: texture, catalogue and help wanted.
    void wireWindows();

    AppContext& context_;
    std::unique_ptr<SplashScreen> splash_;
    std::unique_ptr<platform::PrinterService> printer_;
    // Every other window is a child of the main window, or of the window that opens it.
    std::unique_ptr<MainWindow> main_;
    editor::ElementEditor* editor_ = nullptr;
    catalogue::CatalogueWindow* catalogue_ = nullptr;
    HelpWindow* help_ = nullptr;
};

}  // namespace tessella::app
