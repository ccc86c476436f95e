#pragma once
// What a picture file's header tells without its pixels.

namespace tessella::imagefile {

struct PictureHeader {
    int width = 0;
    int height = 0;
    int depth = 0;  // as LoadImageByExtension reports it
};

}  // namespace tessella::imagefile
