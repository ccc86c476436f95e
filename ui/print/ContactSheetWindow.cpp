#include "ui/print/ContactSheetWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Guard.h"
#include "platform/Pacer.h"
#include "platform/PrinterService.h"
#include "platform/Prompts.h"
#include "print/PagePrinting.h"
#include "print/PrintTexts.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::print {

namespace {

constexpr int kBarHeight = 41;

// The hourglass for the lifetime of the scope, whatever way it is left.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Marks a tick in progress, so that no tick starts inside another.
class TickScope {
  public:
    explicit TickScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TickScope() { flag_ = false; }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

  private:
    bool& flag_;
};

}  // namespace

ContactSheetWindow::ContactSheetWindow(platform::Prompts& prompts, platform::Pacer& pacer,
                                       platform::PrinterService& printer, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts), pacer_(pacer), printer_(printer) {
    setWindowTitle(kContactSheetCaption);

    confirmationBar = new QFrame(this);
    confirmationBar->setFrameStyle(QFrame::Box | QFrame::Plain);
    confirmationBar->setFixedHeight(kBarHeight);
    abandonButton = new QPushButton(kAbandonCaption, confirmationBar);
    printButton = new QPushButton(kPrintCaption, confirmationBar);
    skipButton = new QPushButton(kSkipCaption, confirmationBar);
    printerSetupButton = new QPushButton(kPrinterSetupCaption, confirmationBar);
    confirmationLabel = new QLabel(kConfirmationCaption, confirmationBar);
    confirmationLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* bar = new QHBoxLayout(confirmationBar);
    bar->setContentsMargins(8, 2, 8, 2);
    for (QPushButton* b : {abandonButton, printButton, skipButton, printerSetupButton})
        bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(confirmationLabel);
    printButton->setEnabled(false);
    skipButton->setEnabled(false);
    confirmationBar->hide();

    sheetScroll = new QScrollArea(this);
    sheetScroll->setAccessibleName(tr("Planche"));
    sheetView = new widgets::ImageBox;
    sheetView->setAutoSize(true);
    sheetView->setAccessibleName(tr("Page de la planche contact"));
    sheet_ = BlankSheet();
    sheetView->setPicture(sheet_);
    sheetScroll->setWidget(sheetView);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(confirmationBar);
    layout->addWidget(sheetScroll);
    resize(kClientWidth, 700);

    tickTimer = new QTimer(this);
    tickTimer->setInterval(kFirstTickMs);
    connect(tickTimer, &QTimer::timeout, this, &ContactSheetWindow::composeNextSheet);
    connect(abandonButton, &QPushButton::clicked, this, &ContactSheetWindow::abandonRun);
    connect(printButton, &QPushButton::clicked, this, &ContactSheetWindow::printShownSheet);
    connect(skipButton, &QPushButton::clicked, this, &ContactSheetWindow::skipShownSheet);
    connect(printerSetupButton, &QPushButton::clicked, this, &ContactSheetWindow::setUpPrinter);
}

ContactSheetWindow::~ContactSheetWindow() = default;

void ContactSheetWindow::startRun(const QStringList& paths) {
    if (running_) return bringForward();
    platform::Guard(prompts_, [&] {
        RequirePrinter(printer_);
        if (paths.isEmpty()) return;
        composer_ = std::make_unique<ContactSheetComposer>(paths, loader_);
        pageNumber_ = 0;
        abandon_ = false;
        resize(kClientWidth, height());
        confirmationBar->hide();
        printButton->setEnabled(false);
        skipButton->setEnabled(false);
        sheet_ = BlankSheet();
        showSheet();
        setWindowTitle(kRunCaption);
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        show();
        const platform::Answer answer =
            prompts_.message(platform::MessageKind::Confirmation,
                             kPreviewQuestion.arg(composer_->sheetCount()), platform::kYesNoCancel);
        if (answer != platform::Answer::Yes && answer != platform::Answer::No) {
            // Dismissed: nothing is printed unattended.
            composer_.reset();
            hide();
            return;
        }
        // The question belonged to the window the user was in: the sheet comes back in front
        // of it, or its buttons wait behind the main window.
        bringForward();
        mode_ = answer == platform::Answer::Yes ? Mode::Preview : Mode::Automatic;
        confirmationBar->setVisible(mode_ == Mode::Preview);
        running_ = true;
        tickTimer->start();
    });
}

void ContactSheetWindow::bringForward() {
    show();
    raise();
    activateWindow();
}

void ContactSheetWindow::composeNextSheet() {
    if (inTick_ || !running_) return;
    TickScope tick(inTick_);
    tickTimer->stop();
    ++pageNumber_;
    setWindowTitle(kRunPageCaption + QString::number(pageNumber_));
    sheetScroll->horizontalScrollBar()->setValue(0);
    sheetScroll->verticalScrollBar()->setValue(0);

    const bool composed = platform::Guard(prompts_, [this] { compose(); });
    showSheet();
    if (!composed) return endRun(false);  // the partial page stays in view
    if (abandon_) return endRun(true);

    if (mode_ == Mode::Preview) {
        printButton->setEnabled(true);
        skipButton->setEnabled(true);
        return;
    }
    if (!platform::Guard(prompts_, [this] { PrintSheet(printer_, sheet_); })) return endRun(false);
    pacer_.wait(kPrintedPauseMs);
    if (abandon_ || composer_->allProcessed()) return endRun(true);
    restartTimer(kAutomaticTickMs);
}

void ContactSheetWindow::compose() {
    BusyCursor busy;
    composer_->composeNextSheet(sheet_, [this] {
        showSheet();
        pacer_.processEvents();
        return !abandon_;
    });
}

void ContactSheetWindow::printShownSheet() {
    if (!running_ || inTick_) return;
    printButton->setEnabled(false);
    skipButton->setEnabled(false);
    if (!platform::Guard(prompts_, [this] { PrintSheet(printer_, sheet_); })) return endRun(false);
    if (composer_->allProcessed()) return endRun(true);
    restartTimer(kAfterPrintMs);
}

void ContactSheetWindow::skipShownSheet() {
    if (!running_ || inTick_) return;
    printButton->setEnabled(false);
    skipButton->setEnabled(false);
    if (composer_->allProcessed()) return endRun(true);
    restartTimer(kAfterSkipMs);
}

void ContactSheetWindow::abandonRun() {
    // Nothing more is printed; a tick in progress stops after its current thumbnail.
    abandon_ = true;
    if (!inTick_) endRun(true);
}

void ContactSheetWindow::setUpPrinter() {
    platform::Guard(prompts_, [this] {
        if (QPrinter* printer = printer_.platformPrinter()) prompts_.printerSetup(*printer);
    });
}

void ContactSheetWindow::closeEvent(QCloseEvent* event) {
    // Closing acts as Abandon: no timer goes on printing unseen.
    abandon_ = true;
    if (!inTick_) endRun(false);
    QWidget::closeEvent(event);
}

void ContactSheetWindow::endRun(bool hideWindow) {
    tickTimer->stop();
    running_ = false;
    printButton->setEnabled(false);
    skipButton->setEnabled(false);
    if (hideWindow) hide();
}

void ContactSheetWindow::restartTimer(int ms) {
    tickTimer->setInterval(ms);
    tickTimer->start();
}

void ContactSheetWindow::showSheet() {
    sheetView->setPicture(sheet_);
    sheetView->update();
}

}  // namespace tessella::print
