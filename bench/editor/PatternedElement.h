#pragma once
// A 24-bit element with a byte pattern that no filter leaves flat, for the editor benchmarks.

#include <QImage>

namespace tessella::bench {

inline QImage PatternedElement(int width, int height, int seed = 0) {
    QImage element(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uchar* line = element.scanLine(y);
        for (int x = 0; x < 3 * width; ++x) line[x] = static_cast<uchar>(x * 7 + y * 13 + seed);
    }
    return element;
}

}  // namespace tessella::bench
