#pragma once
// Writes a file's pixels, in file order, into the rows of a picture: the row after the last
// pixel of a row is the next row down (top-down files) or up (bottom-up files).

#include <QImage>
#include <cstdint>

#include "imagefile/RowTarget.h"

namespace tessella::imagefile {

class PixelStream {
  public:
    // image is already sized; bytesPerPixel is the file's and the picture's pixel size.
    // Inline: the row readers use this class without Qt's image library.
    PixelStream(QImage& image, int bytesPerPixel, bool topDown)
        : PixelStream(image.height() > 0 ? image.scanLine(0) : nullptr, image.bytesPerLine(),
                      image.width(), image.height(), bytesPerPixel, topDown) {}
    // Rows of width pixels of bytesPerPixel bytes, bytesPerLine apart from firstRow down.
    PixelStream(uchar* firstRow, qsizetype bytesPerLine, int width, int height, int bytesPerPixel,
                bool topDown);
    // Rows wherever target keeps them; target is already sized.
    PixelStream(RowTarget& target, int width, int height, int bytesPerPixel, bool topDown);

    bool done() const { return row_ >= height_; }
    int64_t pixelsLeft() const;

    // count pixels copied from src; those past the last pixel of the picture are dropped.
    void literal(const uchar* src, int64_t count);
    // count copies of the one pixel at pixel; those past the last pixel are dropped.
    void run(const uchar* pixel, int64_t count);

  private:
    uchar* rowStart() const;
    void advance(int bytes);

    uchar* firstRow_ = nullptr;
    RowTarget* target_ = nullptr;
    qsizetype bytesPerLine_;
    int bpp_;
    bool topDown_;
    int height_;
    int rowBytes_;
    int row_ = 0;     // rows done, in file order
    int column_ = 0;  // bytes done in the current row
};

}  // namespace tessella::imagefile
