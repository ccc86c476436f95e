#pragma once
// The formats that ImageMagick decodes for us, through Magick++.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tessella::imagefile {

// Decodes data with the ImageMagick coder named (for example "PCX", "SGI", "TIFF"), whatever
// the file's extension says, and answers the first frame as a picture of the file's size in
// sRGB: Format_BGR888, or for a picture with alpha non-premultiplied Format_ARGB32, colours and
// alpha as stored (never composited over a background). Any library failure, and a damaged file
// that the library only warns about, throws TessellaError with a French message naming path.
QImage DecodeWithMagick(const QByteArray& data, const QString& coder, const QString& path);

// Removes, in folder, the decoder's private folders left by programs no longer running (killed
// in the middle of a decode). Decoding does it once per run in the temporary folder.
void RemoveStaleDecoderFolders(const QString& folder);

}  // namespace tessella::imagefile
