#include "ui/print/PrintDialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Guard.h"
#include "platform/PrinterService.h"
#include "platform/Prompts.h"
#include "print/PagePrinting.h"
#include "print/PrintTexts.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::print {

using platform::PaperOrientation;

namespace {

// The sheet and its paper outline inside the position area (pixels).
constexpr QRect kSheetPictureRect{8, 6, 130, 160};
constexpr QRect kPaperRect{10, 22, 101, 141};
constexpr QSize kPositionArea{145, 175};

// The paper area: a dash-dot-dot outline, no fill.
class PaperOutline final : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1, Qt::DashDotDotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// A sheet of paper with its shadow, on the dialog's background.
QImage SheetDrawing() {
    QImage sheet(kSheetPictureRect.size(), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    const QRect paper(kPaperRect.topLeft() - kSheetPictureRect.topLeft(), kPaperRect.size());
    painter.fillRect(paper.translated(4, 4), QColor(0x80, 0x80, 0x80));
    painter.fillRect(paper, Qt::white);
    return sheet;
}

QLabel* Readout(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(44);
    label->setAccessibleName(name);
    return label;
}

QString Cm(double value) {
    return QString::number(value, 'f', 1);
}

}  // namespace

PrintDialog::PrintDialog(platform::Prompts& prompts, platform::Pacer& pacer,
                         platform::PrinterService& printer, QWidget* parent)
    : QDialog(parent), prompts_(prompts), pacer_(pacer), printer_(printer) {
    setWindowTitle(kPrintDialogCaption);
    setModal(true);

    sizeGroup = new QGroupBox(kSizeGroupCaption, this);
    widthFineArrows = new widgets::StepArrows(Qt::Horizontal, 1, 400, 150, 1, sizeGroup);
    widthFineArrows->setArrowNames(tr("Largeur + 1 mm"), tr("Largeur - 1 mm"));
    widthCoarseArrows = new widgets::StepArrows(Qt::Horizontal, 1, 400, 150, 10, sizeGroup);
    widthCoarseArrows->setArrowNames(tr("Largeur + 1 cm"), tr("Largeur - 1 cm"));
    widthFineArrows->setToolTip(tr("Largeur au millimètre"));
    widthCoarseArrows->setToolTip(tr("Largeur au centimètre"));
    widthText = Readout(tr("Largeur en cm"), sizeGroup);
    heightText = Readout(tr("Hauteur en cm"), sizeGroup);
    heightText->setText(QStringLiteral("10"));
    overflowText = new QLabel(kOverflowText, sizeGroup);
    overflowText->setAccessibleName(kOverflowText);
    overflowText->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    overflowText->setVisible(false);
    fitButton = new QPushButton(kFitToPageCaption, sizeGroup);
    auto* sizeGrid = new QGridLayout(sizeGroup);
    sizeGrid->addWidget(new QLabel(kWidthCaption, sizeGroup), 0, 0, Qt::AlignCenter);
    sizeGrid->addWidget(new QLabel(kHeightCaption, sizeGroup), 0, 2, Qt::AlignCenter);
    sizeGrid->addWidget(widthText, 1, 0);
    sizeGrid->addWidget(new QLabel(kTimesCaption, sizeGroup), 1, 1, Qt::AlignCenter);
    sizeGrid->addWidget(heightText, 1, 2);
    sizeGrid->addWidget(new QLabel(kCmCaption, sizeGroup), 1, 3);
    auto* arrowsRow = new QHBoxLayout;
    arrowsRow->addWidget(widthFineArrows);
    arrowsRow->addWidget(widthCoarseArrows);
    arrowsRow->addStretch();
    sizeGrid->addLayout(arrowsRow, 2, 0, 1, 4);
    sizeGrid->addWidget(fitButton, 3, 0, 1, 4);
    sizeGrid->addWidget(overflowText, 4, 0, 1, 4);

    orientationButton = new QPushButton(kOrientationCaption, this);
    keepSettingsCheck = new QCheckBox(kKeepSettingsCaption, this);
    printNameCheck = new QCheckBox(kPrintNameCaption, this);

    positionGroup = new QGroupBox(kPositionGroupCaption, this);
    auto* area = new QWidget(positionGroup);
    area->setFixedSize(kPositionArea);
    sheetPicture = new widgets::ImageBox(area);
    sheetPicture->setAccessibleName(tr("Feuille"));
    sheetPicture->setPicture(SheetDrawing());
    sheetPicture->setCheckerboard(false);  // the dialog shows around the drawn sheet
    sheetPicture->setGeometry(kSheetPictureRect);
    paperOutline = new PaperOutline(area);
    paperOutline->setGeometry(kPaperRect);
    paperOutline->setAttribute(Qt::WA_TransparentForMouseEvents);
    miniatureView = new widgets::ImageBox(area);
    miniatureView->setStretch(true);
    miniatureView->setAccessibleName(tr("Miniature de la texture"));
    xArrows = new widgets::StepArrows(Qt::Horizontal, 5, 200, 20, 1, positionGroup);
    xArrows->setArrowNames(tr("Position X +"), tr("Position X -"));
    xText = Readout(tr("Position X en cm"), positionGroup);
    yArrows = new widgets::StepArrows(Qt::Vertical, 5, 300, 20, 1, positionGroup);
    yArrows->setArrowNames(tr("Position Y +"), tr("Position Y -"));
    yText = Readout(tr("Position Y en cm"), positionGroup);
    auto* positionGrid = new QGridLayout(positionGroup);
    positionGrid->addWidget(area, 0, 0, 2, 2);
    positionGrid->addWidget(yText, 0, 2, Qt::AlignBottom);
    positionGrid->addWidget(yArrows, 1, 2, Qt::AlignTop | Qt::AlignHCenter);
    positionGrid->addWidget(xText, 2, 0, Qt::AlignRight);
    positionGrid->addWidget(xArrows, 2, 1, Qt::AlignLeft);

    okButton = new QPushButton(kOkCaption, this);
    okButton->setDefault(true);
    cancelButton = new QPushButton(kCancelCaption, this);
    printerSetupButton = new QPushButton(kPrinterSetupCaption, this);

    auto* left = new QVBoxLayout;
    left->addWidget(sizeGroup);
    left->addWidget(orientationButton);
    left->addWidget(keepSettingsCheck);
    left->addWidget(printNameCheck);
    left->addStretch();
    left->addWidget(printerSetupButton);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(positionGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(widthFineArrows, &widgets::StepArrows::clicked, this, &PrintDialog::applyFineWidth);
    connect(widthCoarseArrows, &widgets::StepArrows::clicked, this, &PrintDialog::applyCoarseWidth);
    connect(xArrows, &widgets::StepArrows::clicked, this, &PrintDialog::moveHorizontally);
    connect(yArrows, &widgets::StepArrows::clicked, this, &PrintDialog::moveVertically);
    connect(orientationButton, &QPushButton::clicked, this, &PrintDialog::toggleOrientation);
    connect(keepSettingsCheck, &QCheckBox::toggled, this, &PrintDialog::keepSettings);
    connect(printerSetupButton, &QPushButton::clicked, this, &PrintDialog::setUpPrinter);
    connect(okButton, &QPushButton::clicked, this, &PrintDialog::acceptSettings);
    connect(fitButton, &QPushButton::clicked, this, &PrintDialog::fitToPage);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintDialog::printPage(const QImage& page, const QString& pageFileName) {
    platform::Guard(prompts_, [&] {
        if (page.isNull()) return;
        // Checked first: every size of the dialog is measured on the printer.
        RequirePrinter(printer_);
        // A plain 24-bit bitmap whatever the page was loaded from (GIF pages included), its
        // transparency over white paper.
        const QImage plain = OnWhitePaper(page).convertToFormat(QImage::Format_BGR888);
        setPage(plain);
        if (exec() != QDialog::Accepted) return;
        const PrintOptions options{QFileInfo(pageFileName).fileName(), printName_, allowCut_};
        PrintPage(printer_, plain, placement_, options, &pacer_);
    });
}

void PrintDialog::setPage(const QImage& page) {
    pageSize_ = page.size();
    MiniatureSource source = MakeMiniatureSource(page);
    miniature_ = source.picture;
    pictureWidth_ = source.pictureWidth;
    pictureHeight_ = source.pictureHeight;
    miniatureView->setPicture(miniature_);
    recompute();
}

void PrintDialog::showEvent(QShowEvent* event) {
    platform::Guard(prompts_, [this] { prepareShowing(); });
    QDialog::showEvent(event);
}

void PrintDialog::prepareShowing() {
    if (!keepSettings_) savedWidthMm_ = widthFineArrows->position();
    applyOrientation();
    // Kept landscape: the miniature turns as the Orientation button turned it.
    if (landscape_) turn(true);
    if (keepSettings_) {
        widthMm_ = savedWidthMm_;
        widthFineArrows->setPosition(savedWidthMm_);
        widthCoarseArrows->setPosition(savedWidthMm_);
    }
    if (printer_.isAvailable()) {
        measurePrinter();
        xArrows->setRange(offsetXMm_, xArrows->maximum());
        yArrows->setRange(offsetYMm_, yArrows->maximum());
    }
    showPosition();
    widthMm_ = widthFineArrows->position();
    recompute();
}

void PrintDialog::measurePrinter() {
    RequirePrinter(printer_);
    const int dpi = printer_.dotsPerInch();
    const QPoint offset = printer_.physicalOffset();
    offsetXMm_ = DeviceToMm(offset.x(), dpi);
    offsetYMm_ = DeviceToMm(offset.y(), dpi);
}

PagePlacement PrintDialog::currentPlacement() const {
    OkSettings settings;
    settings.landscape = landscape_;
    settings.widthMm = widthMm_;
    settings.xMm = xArrows->position();
    settings.yMm = yArrows->position();
    settings.offsetXMm = offsetXMm_;
    settings.offsetYMm = offsetYMm_;
    return PlacementAtOk(settings);
}

bool PrintDialog::fits(const PagePlacement& placement) const {
    return FitsOnPaper(PrintedRect(pageSize_, placement, printer_.dotsPerInch()),
                       printer_.printableSize());
}

void PrintDialog::showOverflow() {
    overflows_ = printer_.isAvailable() && !fits(currentPlacement());
    overflowText->setVisible(overflows_);
    const QString red = overflows_ ? QStringLiteral("color: red") : QString();
    for (QLabel* readout : {widthText, heightText, xText, yText}) readout->setStyleSheet(red);
}

void PrintDialog::fitToPage() {
    platform::Guard(prompts_, [this] {
        RequirePrinter(printer_);
        const int fitting =
            LargestFittingWidthMm(pageSize_, currentPlacement(), printer_.dotsPerInch(),
                                  printer_.printableSize(), widthFineArrows->maximum());
        if (fitting < 1) return;  // the position itself is off the paper
        widthFineArrows->setPosition(fitting);
        applyFineWidth();
    });
}

void PrintDialog::recompute() {
    shown_ = SizeForWidth(widthMm_, pictureWidth_, pictureHeight_);
    showSize();
}

void PrintDialog::showSize() {
    heightText->setText(Cm(shown_.heightCm));
    widthText->setText(Cm(shown_.widthCm));
    miniatureView->setBoxSize(shown_.miniatureSize.width(), shown_.miniatureSize.height());
    showOverflow();
}

void PrintDialog::showPosition() {
    const int x = xArrows->position();
    const int y = yArrows->position();
    miniatureView->move(kPaperRect.left() + MiniatureOffset(x),
                        kPaperRect.top() + MiniatureOffset(y));
    xText->setText(Cm(x / 10.0));
    yText->setText(Cm(y / 10.0));
    showOverflow();
}

void PrintDialog::turn(bool toLandscape) {
    miniature_ = TurnQuarter(miniature_, toLandscape);
    miniatureView->setPicture(miniature_);
    std::swap(pictureWidth_, pictureHeight_);
    const TurnedSize turned = FitAfterTurn(toLandscape, pictureWidth_, pictureHeight_);
    widthFineArrows->setPosition(turned.widthMm);
    widthCoarseArrows->setPosition(turned.widthMm);
    shown_ = turned.shown;
    showSize();
}

void PrintDialog::applyOrientation() {
    printer_.setOrientation(PaperOrientation::Portrait);
}

void PrintDialog::applyFineWidth() {
    platform::Guard(prompts_, [this] {
        widthMm_ = widthFineArrows->position();
        widthCoarseArrows->setPosition(widthMm_);
        recompute();
    });
}

void PrintDialog::applyCoarseWidth() {
    platform::Guard(prompts_, [this] {
        widthMm_ = widthCoarseArrows->position();
        widthFineArrows->setPosition(widthMm_);
        recompute();
    });
}

void PrintDialog::moveHorizontally() {
    showPosition();
}

void PrintDialog::moveVertically() {
    showPosition();
}

void PrintDialog::toggleOrientation() {
    platform::Guard(prompts_, [this] {
        turn(!landscape_);
        landscape_ = !landscape_;
        applyOrientation();
        widthMm_ = widthFineArrows->position();
        recompute();
    });
}

void PrintDialog::keepSettings(bool on) {
    keepSettings_ = on;
}

void PrintDialog::setUpPrinter() {
    platform::Guard(prompts_, [this] {
        QPrinter* printer = printer_.platformPrinter();
        applyOrientation();
        if (printer) prompts_.printerSetup(*printer);
        // The dialog's own orientation wins over the set-up's.
        applyOrientation();
        // Another paper or printer: the position's minimums and the overflow follow.
        if (printer_.isAvailable()) measurePrinter();
        showOverflow();
    });
}

void PrintDialog::acceptSettings() {
    bool accepted = false;
    platform::Guard(prompts_, [&] {
        applyOrientation();
        measurePrinter();
        const PagePlacement placement = currentPlacement();
        const bool onPaper = fits(placement);
        if (!onPaper &&
            prompts_.ask(platform::MessageKind::Confirmation, kPrintCutQuestion, platform::kYesNo,
                         platform::Answer::No) != platform::Answer::Yes)
            return;
        savedWidthMm_ = widthMm_;
        placement_ = placement;
        allowCut_ = !onPaper;
        printName_ = printNameCheck->isChecked();
        if (!keepSettings_) landscape_ = false;
        accepted = true;
    });
    if (accepted) accept();
}

}  // namespace tessella::print
