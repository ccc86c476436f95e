#pragma once
// The PNG files this program writes (8-bit RGB or RGBA, not interlaced) decoded straight into
// 24-bit rows (and alpha rows), inflated by libdeflate; every other PNG is left to Qt's reader.

#include <QByteArray>

#include "imagefile/GridReader.h"
#include "imagefile/RowTarget.h"

namespace tessella::imagefile {

// Decodes file (a whole PNG file) into target when it is 8-bit RGB without a transparency chunk,
// or 8-bit RGBA into a target that keeps alpha (colours as stored), not interlaced, and every
// chunk up to IEND is whole with its CRC. False for any other file and at any doubt: target's
// rows are then unspecified and Qt's reader gives the answer.
bool ReadPngRows(const QByteArray& file, RowTarget& target, GridHeader& header);

// False when file's transparency chunk (tRNS) is damaged: its CRC wrong, or its length not the
// colour type's (2 bytes for grey, 6 for RGB, at most one a palette entry, none where the
// pixels carry alpha). libpng would drop such a chunk with a warning and show the picture
// opaque; the loader refuses it instead. True for a file without one, or one the walk up to the
// pixels cannot judge (Qt's reader then decides).
bool PngTransparencyWhole(const QByteArray& file);

}  // namespace tessella::imagefile
