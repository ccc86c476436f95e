#pragma once
// Pictures for the screen and the printer with the working array's storage: a large one comes
// straight from the system, 2 MB-aligned and marked for huge pages, so that filling it costs a
// page fault per 2 MB instead of per 4 KB.

#include <QImage>

namespace tessella::pixels {

// An uninitialised width x height picture of format with QImage's own row alignment; a null
// picture when the memory is refused.
QImage NewImage(int width, int height, QImage::Format format);

}  // namespace tessella::pixels
