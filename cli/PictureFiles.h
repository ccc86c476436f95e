#pragma once
// Pictures in and out of the command line, as the program loads and writes them.

#include <QImage>
#include <QString>

#include "imagefile/BgrRows.h"
#include "pixels/WorkingPicture.h"

namespace tessella::cli {

// The picture in file through the program's loader; a refused extension is a failure.
QImage LoadPicture(const QString& file);

// True when path ends in .tga, .bmp or .png (any case), the outputs of the commands.
bool IsPictureOutput(const QString& path);

// Writes a .tga as a page (24-bit, the program's header), a .png as a 24-bit PNG or a .bmp as
// a 24-bit BMP, through a temporary file: TGA and BMP row by row, holding no encoded copy.
void WritePicture(const QImage& image, const QString& path);
void WritePicture(const imagefile::BgrRows& rows, const QString& path);

// Loads file into the working array: a 24-bit TGA or BMP straight into its rows, any other
// picture through LoadPicture and the working array's loading rule.
void LoadWorkingPicture(const QString& file, pixels::WorkingPicture& work);
// Writes the working array's picture from its own rows, with its resolution (a new picture's
// where it has none).
void WritePicture(const pixels::WorkingPicture& work, const QString& path);
// Writes rows (made from the working array, their resolution ignored) with the working
// array's resolution, as above.
void WritePicture(imagefile::BgrRows rows, const pixels::WorkingPicture& work, const QString& path);

}  // namespace tessella::cli
