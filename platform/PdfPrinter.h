#pragma once
// A printer that writes one PDF file: every document is one page of it. A4 by default, no
// hardware margins, pictures stored without loss at their own pixels and scaled sharp by the
// file's placement.

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <memory>

#include "platform/PaintingPrinter.h"

namespace tessella::platform {

class PdfPrinter final : public PaintingPrinter {
  public:
    explicit PdfPrinter(int dotsPerInch = 600, QPageSize::PageSizeId paper = QPageSize::A4);
    ~PdfPrinter() override;

    bool isAvailable() const override { return true; }
    int dotsPerInch() const override { return dotsPerInch_; }
    QSize printableSize() const override { return paperSize(); }
    QPoint physicalOffset() const override { return {}; }
    QSize paperSize() const override;
    PaperOrientation orientation() const override { return orientation_; }
    void setOrientation(PaperOrientation orientation) override;
    bool scalesPictures() const override { return true; }

    void beginDocument(const QString& title) override;
    void endDocument() override;
    void abortDocument() noexcept override;

    int pageCount() const { return pages_; }
    // Finishes the file and answers its bytes (empty when no page was printed).
    QByteArray finish();

  private:
    int dotsPerInch_;
    QPageSize paper_;
    PaperOrientation orientation_ = PaperOrientation::Portrait;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    int pages_ = 0;
};

}  // namespace tessella::platform
