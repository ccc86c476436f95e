#pragma once
// Printing the texture page and contact sheets on a printer service.

#include <QImage>
#include <QString>

#include "print/PageLayout.h"

namespace tessella::platform {
class Pacer;
class PrinterService;
}  // namespace tessella::platform

namespace tessella::print {

// The name printed above the page sits here (device pixels).
inline constexpr QPoint kNameOrigin{50, 1};

// Prints page at placement as one document: the page is resampled to the device size first
// (point-sampled, through the working picture) unless the device scales pictures itself, then
// the name when not empty, then the page into its device rectangle. Throws TessellaError (no
// printer, refused start, failure); a begun document is always ended or aborted. pacer, when
// given, lets the windows paint after the resampling.
void PrintPage(platform::PrinterService& printer, const QImage& page,
               const PagePlacement& placement, const QString& name,
               platform::Pacer* pacer = nullptr);

// Throws TessellaError with the no-printer message when the service has no printer.
void RequirePrinter(const platform::PrinterService& printer);

}  // namespace tessella::print
