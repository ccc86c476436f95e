#include "platform/QtPrinter.h"

#include <QPageLayout>
#include <QPrinterInfo>

#include "platform/Error.h"
#include "platform/PrinterTexts.h"

namespace tessella::platform {

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
    printer_.setDocName(title);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer_)) throw TessellaError(kPrintRefusedMessage);
    // Otherwise Qt stores pictures as lossy JPEG in PDF output.
    painter->setRenderHint(QPainter::LosslessImageRendering);
    painter_ = std::move(painter);
}

void QtPrinter::endDocument() {
    if (!painter_) return;
    const bool done = painter_->end();
    painter_.reset();
    if (!done || printer_.printerState() == QPrinter::Error)
        throw TessellaError(kPrintFailedMessage);
}

void QtPrinter::abortDocument() noexcept {
    if (!painter_) return;
    printer_.abort();
    painter_->end();
    painter_.reset();
}

QPainter& QtPrinter::painter() {
    if (!painter_) throw TessellaError(kPrintFailedMessage);
    return *painter_;
}

void QtPrinter::drawText(QPoint topLeft, const QString& text) {
    QPainter& p = painter();
    p.setPen(Qt::black);
    p.drawText(QRect(topLeft, printableSize()), Qt::AlignLeft | Qt::AlignTop, text);
}

void QtPrinter::drawPicture(const QRect& target, const QImage& picture) {
    painter().drawImage(target.topLeft(), PictureForDevice(picture, target.size()));
}

}  // namespace tessella::platform
