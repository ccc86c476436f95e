#pragma once
// What tessella-decode and the program say to each other. The program starts
//   tessella-decode CODER PRIVATE_FOLDER MAX_SIDE MAX_PIXELS MAX_BYTES PARENT_PID
// with the file's bytes on its standard input; the decoder answers on descriptor 3: an
// Answer, then for a picture its rows, top first, as blue, green, red bytes, or blue, green,
// red, alpha bytes when the answer says the picture has alpha (colours as stored, never
// composited over a background). PRIVATE_FOLDER
// is the decoder's own (its configuration, its temporary files, its current folder);
// PARENT_PID is the program's, so that a decoder whose program already died ends at once.

#include <cstdint>
#include <string_view>

namespace tessella::imagefile::magick {

enum class Outcome : int32_t { Picture, Damaged, TooLarge };

struct Answer {
    Outcome outcome;
    int32_t width;
    int32_t height;
    int32_t alpha;  // 1: four bytes a pixel, the fourth the alpha
};

inline constexpr int kAnswerDescriptor = 3;

// A damaged file that describes a huge picture (a 60-byte WMF of 11585 x 11585) keeps the
// library busy for tens of seconds; no real picture within our limit needs this long.
inline constexpr int kTimeLimitSeconds = 5;

// The only coders the decoder runs: those the loader forces for its extensions.
inline constexpr std::string_view kAllowedCoders[] = {"TIFF", "GIF", "SGI", "PCD", "PPM", "PBM",
                                                      "PGM",  "CUT", "PSD", "PCX", "WMF", "DDS"};

// The prefix of the decoder's private folders, followed by the program's pid and a dash.
inline constexpr std::string_view kPrivateFolderPrefix = "tessella-magick-";

}  // namespace tessella::imagefile::magick
