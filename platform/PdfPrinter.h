#pragma once
// A printer that writes one PDF file: every document is one page of it. A4 by default, no
// hardware margins, pictures stored without loss.

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "platform/PrinterService.h"

namespace tessella::platform {

class PdfPrinter final : public PrinterService {
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

    void beginDocument(const QString& title) override;
    void endDocument() override;
    void abortDocument() noexcept override;
    void drawText(QPoint topLeft, const QString& text) override;
    void drawPicture(const QRect& target, const QImage& picture) override;

    int pageCount() const { return pages_; }
    // Finishes the file and answers its bytes (empty when no page was printed).
    QByteArray finish();

  private:
    QPainter& painter();

    int dotsPerInch_;
    QPageSize paper_;
    PaperOrientation orientation_ = PaperOrientation::Portrait;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    bool documentOpen_ = false;
    int pages_ = 0;
};

}  // namespace tessella::platform
