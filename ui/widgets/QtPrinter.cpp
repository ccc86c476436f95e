#include "ui/widgets/QtPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QTextDocument>

#include "platform/Error.h"
#include "platform/PrinterTexts.h"
#include "platform/SafeFile.h"

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

bool PrintsToFile(const QPrinter& printer) {
    // Qt's printers write straight into the named file, whatever the format.
    return printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

std::unique_ptr<QPdfWriter> PdfInMemoryFor(const QPrinter& printer, QBuffer& bytes) {
    bytes.close();
    bytes.setData(QByteArray());
    bytes.open(QIODevice::WriteOnly);
    auto pdf = std::make_unique<QPdfWriter>(&bytes);
    pdf->setResolution(printer.resolution());
    pdf->setPageLayout(printer.pageLayout());
    pdf->setPdfVersion(printer.pdfVersion());
    pdf->setPageRanges(printer.pageRanges());
    pdf->setCreator(printer.creator());
    pdf->setTitle(printer.docName());
    return pdf;
}

void PrintTextDocument(QTextDocument& document, QPrinter& printer) {
    if (!PrintsToFile(printer)) {
        document.print(&printer);
        return;
    }
    if (printer.outputFileName().isEmpty()) throw TessellaError(kPdfFileMissingMessage);
    QBuffer bytes;
    {
        const std::unique_ptr<QPdfWriter> pdf = PdfInMemoryFor(printer, bytes);
        document.print(pdf.get());
    }
    platform::WriteFileAtomically(printer.outputFileName(), bytes.data());
}

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

bool QtPrinter::scalesPictures() const {
    return PrintsToFile(printer_);
}

void QtPrinter::beginDocument(const QString& title) {
    if (painter_) throw TessellaError(kPrintRefusedMessage);
    const bool toFile = PrintsToFile(printer_);
    if (toFile && printer_.outputFileName().isEmpty()) throw TessellaError(kPdfFileMissingMessage);
    printer_.setDocName(title);
    QPaintDevice* device = &printer_;
    if (toFile) {
        pdf_ = PdfInMemoryFor(printer_, pdfBytes_);
        device = pdf_.get();
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device)) {
        pdf_.reset();
        throw TessellaError(kPrintRefusedMessage);
    }
    if (toFile) pdfFile_ = nextDocumentFile();
    painter_ = std::move(painter);
    documentBegun();
}

QString QtPrinter::nextDocumentFile() {
    const QString chosen = printer_.outputFileName();
    pdfDocuments_ = chosen == chosenPdfFile_ ? pdfDocuments_ + 1 : 1;
    chosenPdfFile_ = chosen;
    return NumberedFile(chosen, pdfDocuments_);
}

void QtPrinter::endDocument() {
    if (!painter_) return;
    const bool done = painter_->end();
    painter_.reset();
    documentOpen_ = false;
    if (!pdf_) {
        if (!done || printer_.printerState() == QPrinter::Error)
            throw TessellaError(kPrintFailedMessage);
        return;
    }
    pdf_.reset();
    pdfBytes_.close();
    const QByteArray bytes = pdfBytes_.data();
    pdfBytes_.setData(QByteArray());
    if (!done) throw TessellaError(kPrintFailedMessage);
    platform::WriteFileAtomically(pdfFile_, bytes);
}

void QtPrinter::abortDocument() noexcept {
    if (!painter_) return;
    if (!pdf_) printer_.abort();
    painter_->end();
    painter_.reset();
    pdf_.reset();
    pdfBytes_.close();
    documentOpen_ = false;
}

}  // namespace tessella::widgets
