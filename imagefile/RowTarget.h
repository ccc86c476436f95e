#pragma once
// Where a direct reader puts a picture's 24-bit rows (and its alpha rows, where the target keeps
// them): the working array or the texture page, each with its own row layout, so the file's
// bytes go straight to the rows that keep them.

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

    // After reshape: gives the picture an alpha plane (width bytes a row) and answers true; a
    // target that keeps no alpha answers false, and the reader then leaves the file to the
    // general loader.
    virtual bool addAlpha() { return false; }
    // The first byte of row y's alpha, once addAlpha has answered true.
    virtual uchar* alphaRow(int) { return nullptr; }
    // Drops the plane again: the file's fourth bytes turned out not to be alpha.
    virtual void dropAlpha() {}
};

}  // namespace tessella::imagefile
