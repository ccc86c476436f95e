#pragma once
// The one loader of image files: the extension decides whether a file is accepted and which
// decoder reads it.

#include <QImage>
#include <QString>
#include <QStringList>

#include "imagefile/GridReader.h"
#include "imagefile/PictureHeader.h"
#include "pixels/PixelGrid.h"

namespace tessella::imagefile {

// The 40 accepted extensions, upper case with their dot: the program's 31 in its order, then
// .PNG, .JPEG, .JPE, .WEBP, .DDS, .KTX2, .ASTC, .ICO and .CUR.
const QStringList& KnownImageExtensions();

// True when the part of path from its last dot is one of the 40 (any case).
bool IsKnownImageExtension(const QString& path);

// False, with image untouched, when the extension is not accepted. Otherwise decodes the
// file into image and answers true. Decoding failures throw TessellaError with a
// message naming the file (for TGA "Targa : image invalide"; for JPEG, .jpeg and .jpe too,
// "Erreur JPEG #n"; PNG and WebP as ReadWithQtFormat tells, ICO and CUR as ReadIcon tells).
// 15 and 16-bit pictures come out as Format_BGR888, each 5-bit channel times 8 (green of 5-6-5
// times 4), so they show the same colours wherever they are used.
bool LoadImageByExtension(const QString& path, QImage& image);

// The same, and depth receives the picture's depth as loaded: the file's bits per pixel for
// palette and 15/16-bit pictures (4 for a 16-colour BMP), else the depth of image.
bool LoadImageByExtension(const QString& path, QImage& image, int& depth);

// The width, height and depth LoadImageByExtension would give, read from the header alone,
// for TGA, BMP, JPEG, PNG, GIF, TIFF, PCX, DDS and KTX2 files. False for other formats and wherever
// the header leaves a doubt (a fault the full load would refuse, a large file): the full load then
// answers, with its own message.
bool ReadPictureHeader(const QString& path, PictureHeader& header);

// A 24-bit TGA, raw 24-bit BMP or 8-bit RGB PNG read straight into grid, for callers that
// want the working array alone; a raw 32-bit TGA or 8-bit RGBA PNG too, its alpha as the plane
// (dropped where every texel is 255). False for any other file (and for one that would not load):
// then grid's contents are unspecified and LoadImageByExtension is the way. dotsPerMeterX/Y
// receive the file's resolution, 0 where it tells none.
bool LoadIntoGrid(const QString& path, pixels::PixelGrid& grid, int& dotsPerMeterX,
                  int& dotsPerMeterY);

// A 24-bit TGA, raw 24-bit BMP or 8-bit RGB PNG read straight into target's rows (a raw 32-bit
// TGA or 8-bit RGBA PNG when the target keeps alpha); false, header untouched, for any other file
// and for one that would not load (the general loader then gives its message). Memory refused while
// sizing the target throws.
bool LoadRowsDirectly(const QString& path, RowTarget& target, GridHeader& header);

// A 15/16-bit picture (Format_RGB555, Format_RGB16) as Format_BGR888 by the 5-bit rule; any
// other picture as it is.
QImage ExpandFiveBitChannels(const QImage& image);

}  // namespace tessella::imagefile
