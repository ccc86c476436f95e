#pragma once
// JPEG pictures through libjpeg, decoded straight to 24-bit blue-green-red.

#include <QByteArray>
#include <QImage>

namespace tessella::imagefile {

// A Format_BGR888 picture of the file's size. Throws TessellaError("Erreur JPEG #%d") with
// libjpeg's message code on any failure; a file that ends before its picture does is refused
// with the code of libjpeg's "premature end" warning (JWRN_JPEG_EOF).
QImage DecodeJpeg(const QByteArray& data);

}  // namespace tessella::imagefile
