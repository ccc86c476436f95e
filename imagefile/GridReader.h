#pragma once
// 24 and 32-bit TGA and 24-bit BMP files read straight into the rows that keep them (the
// working pixel array's, the texture page's): raw rows go from the disk to their place (32-bit
// rows split into colours and alpha a band at a time), so loading a picture holds neither the
// file's bytes nor a decoded copy.

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
// whole read they are cleared, as operations expect, and an alpha plane whose texels are all
// 255 is dropped.
class GridRows final : public RowTarget {
  public:
    explicit GridRows(pixels::PixelGrid& grid) : grid_(grid) {}
    void reshape(int width, int height) override;
    uchar* row(int y) override;
    std::size_t spareBytes() const override;
    void finish() override;
    bool addAlpha() override;
    uchar* alphaRow(int y) override;
    void dropAlpha() override;

  private:
    pixels::PixelGrid& grid_;
};

// Reads the file at fd (a regular file of size bytes) into grid when it is a 24-bit TGA (raw
// or run-length), a raw 32-bit TGA (its fourth byte as ReadTga reads it: the alpha plane) or a
// raw 24-bit BMP that ReadTga or ReadBmp would accept whole. Answers
// false for any other file, and for any doubt (a short read, a damaged run): the general
// readers then load it and give their own messages. grid's contents are unspecified after
// false; after true its spare cells are zero.
bool ReadTgaIntoGrid(int fd, int64_t size, pixels::PixelGrid& grid, GridHeader& header);
// The same into any row target; after false its rows are unspecified. A 32-bit TGA needs a
// target that keeps alpha.
bool ReadTgaRows(int fd, int64_t size, RowTarget& target, GridHeader& header);
bool ReadBmpRows(int fd, int64_t size, RowTarget& target, GridHeader& header);
bool ReadBmpIntoGrid(int fd, int64_t size, pixels::PixelGrid& grid, GridHeader& header);

}  // namespace tessella::imagefile
