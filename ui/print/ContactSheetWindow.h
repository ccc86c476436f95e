#pragma once
// "Planche Contact": composes contact sheets of the selected sources page by page and prints
// them, either after a preview of each page (Print, Skip, Abandon) or automatically.

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "print/ContactSheet.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

namespace tessella::widgets {
class ImageBox;
}

namespace tessella::platform {
class Pacer;
class PrinterService;
class Prompts;
}  // namespace tessella::platform

namespace tessella::print {

class ContactSheetWindow final : public QWidget {
    Q_OBJECT

  public:
    enum class Mode { Preview, Automatic };

    // The pause after each automatically printed page, and the timer's intervals.
    static constexpr int kPrintedPauseMs = 10000;
    static constexpr int kFirstTickMs = 1000;
    static constexpr int kAfterPrintMs = 1000;
    static constexpr int kAfterSkipMs = 2000;
    static constexpr int kAutomaticTickMs = 3000;
    static constexpr int kClientWidth = 643;

    ContactSheetWindow(platform::Prompts& prompts, platform::Pacer& pacer,
                       platform::PrinterService& printer, QWidget* parent = nullptr);
    ~ContactSheetWindow() override;

    // Starts a run over these files (taken now, once). During a run it only brings the window
    // forward. Without a printer it says so and does nothing more.
    void startRun(const QStringList& paths);
    bool running() const { return running_; }
    Mode mode() const { return mode_; }
    int pageNumber() const { return pageNumber_; }
    const QImage& sheet() const { return sheet_; }
    // Replaces the loader (tests).
    void setLoader(ContactSheetComposer::Loader loader) { loader_ = std::move(loader); }

    QFrame* confirmationBar;
    QLabel* confirmationLabel;
    QPushButton* abandonButton;
    QPushButton* printButton;
    QPushButton* skipButton;
    QPushButton* printerSetupButton;
    QScrollArea* sheetScroll;
    widgets::ImageBox* sheetView;
    QTimer* tickTimer;

  public slots:
    // One tick of the run: composes the next page, then waits (preview) or prints it.
    void composeNextSheet();
    void printShownSheet();
    void skipShownSheet();
    void abandonRun();
    void setUpPrinter();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void bringForward();
    void compose();
    // The run is over: timer stopped, buttons off, cursor back; hides the window unless a
    // failure keeps the partial page in view.
    void endRun(bool hideWindow);
    void restartTimer(int ms);
    void showSheet();

    platform::Prompts& prompts_;
    platform::Pacer& pacer_;
    platform::PrinterService& printer_;
    ContactSheetComposer::Loader loader_;
    std::unique_ptr<ContactSheetComposer> composer_;
    QImage sheet_;
    Mode mode_ = Mode::Preview;
    bool running_ = false;
    bool inTick_ = false;
    bool abandon_ = false;
    int pageNumber_ = 0;
};

}  // namespace tessella::print
