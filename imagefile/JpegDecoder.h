#pragma once
// JPEG pictures through libjpeg, decoded straight to 24-bit blue-green-red.

#include <QByteArray>
#include <QImage>

#include "imagefile/PictureHeader.h"

namespace tessella::imagefile {

// A Format_BGR888 picture of the file's size. Throws TessellaError("Erreur JPEG #%d") with
// libjpeg's message code on any failure; a file that ends before its picture does is refused
// with the code of libjpeg's "premature end" warning (JWRN_JPEG_EOF).
QImage DecodeJpeg(const QByteArray& data);

// The size DecodeJpeg gives, from the file's first bytes; false where DecodeJpeg would refuse
// the file before its pixels (or start ends before the header does).
bool ReadJpegHeader(const QByteArray& start, PictureHeader& header);

}  // namespace tessella::imagefile
