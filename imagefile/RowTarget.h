#pragma once
// Where a direct reader puts a picture's 24-bit rows: the working array or the texture page,
// each with its own row layout, so the file's bytes go straight to the rows that keep them.

#include <QtGlobal>
#include <cstddef>

namespace tessella::imagefile {

class RowTarget {
  public:
    virtual ~RowTarget() = default;
    // Makes room for width x height pixels; what the rows held before need not be kept.
    virtual void reshape(int width, int height) = 0;
    // The first byte of row y (blue, green, red from left to right).
    virtual uchar* row(int y) = 0;
    // Bytes a row can take past its last pixel: a file's row padding lands there when it fits.
    virtual std::size_t spareBytes() const = 0;
    // Called once the whole picture has been read.
    virtual void finish() {}
};

}  // namespace tessella::imagefile
