#include "ui/widgets/QtPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinterInfo>

#include "platform/Error.h"
#include "platform/PrinterTexts.h"

namespace tessella::widgets {

using namespace tessella::platform;

namespace {
// "dossier/planche.pdf" for the first document, "dossier/planche-2.pdf" for the second, ...
QString NumberedFile(const QString& chosen, int document) {
    if (document <= 1) return chosen;
    const QFileInfo info(chosen);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    return info.dir().filePath(
        QStringLiteral("%1-%2%3").arg(info.completeBaseName()).arg(document).arg(suffix));
}
}  // namespace

QtPrinter::QtPrinter(QObject* parent) : QObject(parent) {}

QtPrinter::~QtPrinter() {
    abortDocument();
}

bool QtPrinter::isAvailable() const {
    if (!printer_.isValid() || printer_.resolution() <= 0) return false;
    // Without an installed printer Qt still writes PDF files.
    return printer_.outputFormat() == QPrinter::PdfFormat ||
           !QPrinterInfo::availablePrinterNames().isEmpty();
}

int QtPrinter::dotsPerInch() const {
    return printer_.logicalDpiX();
}

QSize QtPrinter::printableSize() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).size();
}

QPoint QtPrinter::physicalOffset() const {
    const QPageLayout layout = printer_.pageLayout();
    return layout.paintRectPixels(printer_.resolution()).topLeft() -
           layout.fullRectPixels(printer_.resolution()).topLeft();
}

QSize QtPrinter::paperSize() const {
    return printer_.pageLayout().fullRectPixels(printer_.resolution()).size();
}

PaperOrientation QtPrinter::orientation() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape
               ? PaperOrientation::Landscape
               : PaperOrientation::Portrait;
}

void QtPrinter::setOrientation(PaperOrientation orientation) {
    printer_.setPageOrientation(orientation == PaperOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

void QtPrinter::beginDocument(const QString& title) {
    if (painter_) throw TessellaError(kPrintRefusedMessage);
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty())
        throw TessellaError(kPdfFileMissingMessage);
    chooseDocumentFile();
    printer_.setDocName(title);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer_)) {
        restoreChosenFile();
        throw TessellaError(kPrintRefusedMessage);
    }
    painter_ = std::move(painter);
    documentBegun();
}

void QtPrinter::chooseDocumentFile() {
    if (printer_.outputFormat() != QPrinter::PdfFormat) return;
    const QString chosen = printer_.outputFileName();
    pdfDocuments_ = chosen == chosenPdfFile_ ? pdfDocuments_ + 1 : 1;
    chosenPdfFile_ = chosen;
    printer_.setOutputFileName(NumberedFile(chosen, pdfDocuments_));
}

void QtPrinter::restoreChosenFile() {
    if (printer_.outputFormat() == QPrinter::PdfFormat && !chosenPdfFile_.isEmpty())
        printer_.setOutputFileName(chosenPdfFile_);
}

void QtPrinter::endDocument() {
    if (!painter_) return;
    const bool done = painter_->end();
    painter_.reset();
    documentOpen_ = false;
    restoreChosenFile();
    if (!done || printer_.printerState() == QPrinter::Error)
        throw TessellaError(kPrintFailedMessage);
}

void QtPrinter::abortDocument() noexcept {
    if (!painter_) return;
    printer_.abort();
    painter_->end();
    painter_.reset();
    documentOpen_ = false;
    restoreChosenFile();
}

}  // namespace tessella::widgets
