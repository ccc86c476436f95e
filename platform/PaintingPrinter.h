#pragma once
// What the printers that paint with a QPainter share: the painter of the open document, and
// text and pictures drawn with it.

#include <QPainter>
#include <memory>

#include "platform/PrinterService.h"

namespace tessella::platform {

class PaintingPrinter : public PrinterService {
  public:
    // Black text from topLeft, inside the printable area.
    void drawText(QPoint topLeft, const QString& text) override;
    void drawPicture(const QRect& target, const QImage& picture) override;

  protected:
    // The painter has begun on the document's device: pictures go in without loss from now.
    void documentBegun();
    // The painter of the open document; throws TessellaError when none is open.
    QPainter& painter();

    std::unique_ptr<QPainter> painter_;
    bool documentOpen_ = false;
};

}  // namespace tessella::platform
