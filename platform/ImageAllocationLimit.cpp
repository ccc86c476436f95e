// Apart from the size checks, which the command line's quick path uses without Qt's image
// library.

#include <QImageReader>

#include "platform/ImageLimits.h"

namespace tessella::platform {

void ApplyImageAllocationLimit() {
    constexpr int64_t kMegabyte = 1024 * 1024;
    QImageReader::setAllocationLimit(int((kMaxImagePixels * 4 + kMegabyte - 1) / kMegabyte));
}

}  // namespace tessella::platform
