#pragma once
// The PNG files this program writes (8-bit RGB, not interlaced) decoded straight into 24-bit
// rows, inflated by libdeflate; every other PNG is left to Qt's reader.

#include <QByteArray>

#include "imagefile/GridReader.h"
#include "imagefile/RowTarget.h"

namespace tessella::imagefile {

// Decodes file (a whole PNG file) into target when it is 8-bit RGB without transparency or
// interlacing and every chunk up to IEND is whole with its CRC. False for any other file and at
// any doubt: target's rows are then unspecified and Qt's reader gives the answer.
bool ReadPngRows(const QByteArray& file, RowTarget& target, GridHeader& header);

}  // namespace tessella::imagefile
