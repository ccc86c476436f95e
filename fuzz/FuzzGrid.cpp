// The direct path into the working array's rows must accept only what the general readers
// accept, and give the same pixels and alpha.
#include <sys/mman.h>
#include <unistd.h>

#include <QByteArray>
#include <QColor>
#include <QImage>

#include "imagefile/BmpReader.h"
#include "imagefile/GridReader.h"
#include "imagefile/PngReader.h"
#include "imagefile/TgaReader.h"
#include "platform/Error.h"

namespace {

using namespace tessella;

template <typename GridRead, typename Read>
void Check(int fd, const QByteArray& bytes, GridRead gridRead, Read read) {
    pixels::PixelGrid grid;
    imagefile::GridHeader header;
    if (::lseek(fd, 0, SEEK_SET) != 0) __builtin_trap();
    try {
        if (!gridRead(fd, bytes.size(), grid, header)) return;
    } catch (const platform::TessellaError&) {
        // A picture over the size limit is refused by name on the direct path: the general
        // reader must refuse it too.
        try {
            (void)read(bytes);
        } catch (const platform::TessellaError&) {
            return;
        }
        __builtin_trap();
    }
    QImage image;
    try {
        image = read(bytes);
    } catch (const platform::TessellaError&) {
        __builtin_trap();  // the direct path took a file the reader refuses
    }
    if (image.width() != grid.width() || image.height() != grid.height()) __builtin_trap();
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const pixels::Bgr p = grid.at(x, y);
            if (c.red() != p.r || c.green() != p.g || c.blue() != p.b ||
                c.alpha() != grid.alphaAt(x, y))
                __builtin_trap();
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int fd = ::memfd_create("fuzz-grid", MFD_CLOEXEC);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0) __builtin_trap();
    for (size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0) __builtin_trap();
        done += static_cast<size_t>(n);
    }
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Check(fd, bytes, imagefile::ReadTgaIntoGrid, imagefile::ReadTga);
    Check(fd, bytes, imagefile::ReadBmpIntoGrid, imagefile::ReadBmp);
    // The PNG path against Qt's reader, which must take whatever it takes.
    Check(
        fd, bytes,
        [&bytes](int, int64_t, pixels::PixelGrid& grid, imagefile::GridHeader& header) {
            imagefile::GridRows rows(grid);
            return imagefile::ReadPngRows(bytes, rows, header);
        },
        [](const QByteArray& file) {
            const QImage image = QImage::fromData(file, "PNG");
            if (image.isNull()) throw platform::TessellaError(QStringLiteral("PNG"));
            return image;
        });
    return 0;
}
