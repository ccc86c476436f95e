#pragma once
// Small pictures of one colour, for the tests of every folder.

#include <QColor>
#include <QImage>

namespace tessella::testing {

// A w x h picture in 24 bits, filled with colour.
inline QImage Solid(int w, int h, QColor colour) {
    QImage picture(w, h, QImage::Format_BGR888);
    picture.fill(colour);
    return picture;
}

}  // namespace tessella::testing
