#pragma once
// Which decoder reads each accepted extension, and the files read straight into rows: the part
// of the loader that needs only Qt Core, so that the command line's quick path runs without
// Qt's image library.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tessella::imagefile {

enum class Decoder { Tga, Bmp, Jpeg, Magick, Rla, Pic, Emf, Png, Webp, Dds, Ktx2, Astc, Icon };

struct Route {
    const char* extension;
    Decoder decoder;
    // The ImageMagick coder, forced whatever the extension says; for Icon, "ico" or "cur".
    const char* coder;
};

// The most bytes a file of decoder's kind may take; larger files are refused unread.
qint64 MaxFileBytes(Decoder decoder);

// The route of path's extension (any case), or nullptr when it is not accepted.
const Route* RouteFor(const QString& path);

// Reads count bytes at offset of fd; empty when they are not all there or count passes
// mostBytes.
QByteArray ReadBytesAt(int fd, int64_t offset, int64_t count, int64_t mostBytes = 1 << 20);

}  // namespace tessella::imagefile
