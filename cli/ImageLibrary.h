#pragma once
// Pictures through Qt's image library, for the full program: any accepted format in, QImages
// out, and the work the quick program hands over.

#include <QImage>
#include <QString>

#include "cli/PictureFiles.h"

namespace tessella::cli {

// The picture in file through the program's loader; a refused extension is a failure.
QImage LoadPicture(const QString& file);

// WritePicture's formats, from a picture of any pixel format.
void WritePicture(const QImage& image, const QString& path);

// The full program's ImageLibraryWork.
ImageLibraryWork& FullImageLibrary();

}  // namespace tessella::cli
