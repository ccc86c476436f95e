#pragma once
// The one loader of image files: the extension decides whether a file is accepted and which
// decoder reads it.

#include <QImage>
#include <QString>
#include <QStringList>

namespace tessella::imagefile {

// The 31 accepted extensions, upper case with their dot, in the program's order.
const QStringList& KnownImageExtensions();

// True when the part of path from its last dot is one of the 31 (any case).
bool IsKnownImageExtension(const QString& path);

// False, with image untouched, when the extension is not accepted. Otherwise decodes the
// file into image and answers true. Decoding failures throw TessellaError with a French
// message naming the file (for TGA "Targa : image invalide"; for JPEG "Erreur JPEG #n").
bool LoadImageByExtension(const QString& path, QImage& image);

}  // namespace tessella::imagefile
