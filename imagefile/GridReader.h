#pragma once
// 24-bit TGA and BMP files read straight into the rows of the working pixel array: raw rows go
// from the disk into the rows that keep them (row padding lands in the spare columns), so
// loading a picture holds neither the file's bytes nor a decoded copy.

#include <QString>
#include <cstdint>

#include "pixels/PixelGrid.h"

namespace tessella::imagefile {

struct GridHeader {
    int dotsPerMeterX = 0;  // 0 where the file tells none
    int dotsPerMeterY = 0;
};

// Reads the file at fd (a regular file of size bytes) into grid when it is a 24-bit TGA (raw
// or run-length) or a raw 24-bit BMP that ReadTga or ReadBmp would accept whole. Answers
// false for any other file, and for any doubt (a short read, a damaged run): the general
// readers then load it and give their own messages. grid's contents are unspecified after
// false; after true its spare cells are zero.
bool ReadTgaIntoGrid(int fd, int64_t size, pixels::PixelGrid& grid, GridHeader& header);
bool ReadBmpIntoGrid(int fd, int64_t size, pixels::PixelGrid& grid, GridHeader& header);

}  // namespace tessella::imagefile
