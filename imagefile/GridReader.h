#pragma once
// 24-bit TGA and BMP files read straight into the rows that keep them (the working pixel
// array's, the texture page's): raw rows go from the disk to their place, so loading a picture
// holds neither the file's bytes nor a decoded copy.

#include <QString>
#include <cstdint>

#include "imagefile/RowTarget.h"
#include "pixels/PixelGrid.h"

namespace tessella::imagefile {

struct GridHeader {
    int dotsPerMeterX = 0;  // 0 where the file tells none
    int dotsPerMeterY = 0;
};

// The working array as a row target: the spare columns take a BMP row's padding; after a
// whole read they are cleared, as operations expect.
class GridRows final : public RowTarget {
  public:
    explicit GridRows(pixels::PixelGrid& grid) : grid_(grid) {}
    void reshape(int width, int height) override;
    uchar* row(int y) override;
    std::size_t spareBytes() const override;
    void finish() override;

  private:
    pixels::PixelGrid& grid_;
};

// Reads the file at fd (a regular file of size bytes) into grid when it is a 24-bit TGA (raw
// or run-length) or a raw 24-bit BMP that ReadTga or ReadBmp would accept whole. Answers
// false for any other file, and for any doubt (a short read, a damaged run): the general
// readers then load it and give their own messages. grid's contents are unspecified after
// false; after true its spare cells are zero.
bool ReadTgaIntoGrid(int fd, int64_t size, pixels::PixelGrid& grid, GridHeader& header);
// The same into any row target; after false its rows are unspecified.
bool ReadTgaRows(int fd, int64_t size, RowTarget& target, GridHeader& header);
bool ReadBmpRows(int fd, int64_t size, RowTarget& target, GridHeader& header);
bool ReadBmpIntoGrid(int fd, int64_t size, pixels::PixelGrid& grid, GridHeader& header);

}  // namespace tessella::imagefile
