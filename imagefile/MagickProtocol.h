#pragma once
// What tessella-decode and the program say to each other. The program starts
//   tessella-decode CODER TEMPORARY_FOLDER MAX_SIDE MAX_PIXELS
// with the file's bytes on its standard input; the decoder answers on descriptor 3: an
// Answer, then for a picture its rows, top first, as blue, green, red bytes.

#include <cstdint>

namespace tessella::imagefile::magick {

enum class Outcome : int32_t { Picture, Damaged, TooLarge };

struct Answer {
    Outcome outcome;
    int32_t width;
    int32_t height;
};

inline constexpr int kAnswerDescriptor = 3;

// A damaged file that describes a huge picture (a 60-byte WMF of 11585 x 11585) keeps the
// library busy for tens of seconds; no real picture within our limit needs this long.
inline constexpr int kTimeLimitSeconds = 5;

}  // namespace tessella::imagefile::magick
