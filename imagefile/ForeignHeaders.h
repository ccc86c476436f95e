#pragma once
// The headers of the formats that other libraries decode (PNG through Qt, GIF, TIFF and PCX
// through Qt or ImageMagick), read for their size alone. Each answers false at the least doubt
// (a damaged header, a case where the decoder's choice of route could change the picture's
// size or depth): the full load then decides, with its own message.

#include <QByteArray>
#include <cstdint>
#include <functional>

#include "imagefile/PictureHeader.h"

namespace tessella::imagefile {

// Reads count bytes at offset of the file; empty when they are not all there.
using FileReader = std::function<QByteArray(int64_t offset, int64_t count)>;

// 24 bits, or 32 for a picture with an alpha channel, as the loader's PNG route gives it.
bool ReadPngHeader(const QByteArray& start, PictureHeader& header);
// GIF, TIFF and PCX without transparency load as 24-bit pictures whichever decoder reads them;
// with it (a transparent GIF colour, TIFF extra samples, four 8-bit PCX planes) the full load
// tells the depth.
bool ReadGifHeader(const QByteArray& start, PictureHeader& header);
bool ReadTiffHeader(const FileReader& read, int64_t fileSize, PictureHeader& header);
bool ReadPcxHeader(const QByteArray& start, PictureHeader& header);

}  // namespace tessella::imagefile
