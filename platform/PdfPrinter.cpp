#include "platform/PdfPrinter.h"

#include <QPageLayout>

#include "platform/Error.h"
#include "platform/PrinterTexts.h"

namespace tessella::platform {

PdfPrinter::PdfPrinter(int dotsPerInch, QPageSize::PageSizeId paper)
    : dotsPerInch_(dotsPerInch), paper_(paper) {
    buffer_.open(QIODevice::WriteOnly);
}

PdfPrinter::~PdfPrinter() {
    if (painter_) painter_->end();
    painter_.reset();  // before the writer and the buffer it paints into
}

QSize PdfPrinter::paperSize() const {
    const QSize portrait = paper_.sizePixels(dotsPerInch_);
    return orientation_ == PaperOrientation::Landscape ? portrait.transposed() : portrait;
}

void PdfPrinter::setOrientation(PaperOrientation orientation) {
    orientation_ = orientation;
    // Takes effect on the next page.
    if (writer_)
        writer_->setPageOrientation(orientation == PaperOrientation::Landscape
                                        ? QPageLayout::Landscape
                                        : QPageLayout::Portrait);
}

void PdfPrinter::beginDocument(const QString& title) {
    if (documentOpen_) throw TessellaError(kPrintRefusedMessage);
    const auto layoutOrientation = orientation_ == PaperOrientation::Landscape
                                       ? QPageLayout::Landscape
                                       : QPageLayout::Portrait;
    if (!writer_) {
        writer_ = std::make_unique<QPdfWriter>(&buffer_);
        writer_->setResolution(dotsPerInch_);
        writer_->setCreator(QStringLiteral("Tessella"));
        writer_->setTitle(title);
        writer_->setPageLayout(QPageLayout(paper_, layoutOrientation, QMarginsF()));
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(writer_.get())) {
            painter_.reset();
            writer_.reset();
            throw TessellaError(kPrintRefusedMessage);
        }
    } else {
        writer_->setPageLayout(QPageLayout(paper_, layoutOrientation, QMarginsF()));
        if (!writer_->newPage()) throw TessellaError(kPrintRefusedMessage);
    }
    documentBegun();
    ++pages_;
}

void PdfPrinter::endDocument() {
    documentOpen_ = false;
}

void PdfPrinter::abortDocument() noexcept {
    documentOpen_ = false;
}

QByteArray PdfPrinter::finish() {
    if (!painter_) return {};
    if (!painter_->end()) throw TessellaError(kPrintFailedMessage);
    painter_.reset();
    writer_.reset();
    return buffer_.data();
}

}  // namespace tessella::platform
