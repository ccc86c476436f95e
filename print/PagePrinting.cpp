#include "print/PagePrinting.h"

#include "editor/Resize.h"
#include "pixels/WorkingPicture.h"
#include "platform/Error.h"
#include "platform/Pacer.h"
#include "platform/PrinterService.h"
#include "platform/PrinterTexts.h"
#include "print/PrintTexts.h"

namespace tessella::print {

void RequirePrinter(const platform::PrinterService& printer) {
    if (!printer.isAvailable() || printer.dotsPerInch() <= 0)
        throw platform::TessellaError(platform::kNoPrinterMessage);
}

void PrintPage(platform::PrinterService& printer, const QImage& page,
               const PagePlacement& placement, const PrintOptions& options,
               platform::Pacer* pacer) {
    RequirePrinter(printer);
    printer.setOrientation(platform::PaperOrientation::Portrait);
    const QRect target = PrintedRect(page.size(), placement, printer.dotsPerInch());
    if (!options.allowCut && !FitsOnPaper(target, printer.printableSize()))
        throw platform::TessellaError(kPictureCutMessage);

    // A device that scales pictures gets the page at its own pixels (in the working picture's
    // 24 bits); the others get it resampled to the device size. Either way the picture is ready
    // before the document begins, so a failure here leaves nothing open. The program's working
    // picture is not touched: the element editor's undo stays as it was.
    pixels::WorkingPicture work;
    QImage bitmap = placement.turned ? TurnQuarter(page, true) : page;
    work.load(bitmap);
    if (!printer.scalesPictures()) editor::ResizeNearest(work, target.width(), target.height());
    QImage printed;
    work.store(printed);
    if (pacer) pacer->processEvents();

    const QString title =
        options.pageName.isEmpty() ? QStringLiteral("Tessella") : options.pageName;
    platform::PrintDocument document(printer, title);
    if (options.printName && !options.pageName.isEmpty())
        printer.drawText(kNameOrigin, options.pageName);
    printer.drawPicture(target, printed);
    document.end();
}

}  // namespace tessella::print
