#pragma once
// Pictures in and out of the command line, as the program loads and writes them. This part
// needs only Qt Core: 24 and 32-bit TGA, 24-bit BMP and plain RGB or RGBA PNG files go straight
// between the file and the working array's rows (alpha as its plane), so that
// tessella-cli-quick starts without Qt's image library.
// What needs that library goes through ImageLibraryWork.

#include <QString>
#include <any>
#include <optional>

#include "imagefile/BgrRows.h"
#include "imagefile/GpuTexture.h"
#include "pixels/ColourOperations.h"
#include "pixels/WorkingPicture.h"
#include "platform/Text.h"

namespace tessella::cli {

// The work that needs Qt's image library: every other decoder, and the emboss filter. The
// full program (tessella-cli-full) does it; the quick one hands the whole command over to the
// full program instead, before it has written anything.
class ImageLibraryWork {
  public:
    virtual ~ImageLibraryWork() = default;
    // Loads any accepted picture into work, by the working array's loading rule; a refused
    // extension is a failure.
    virtual void loadWorkingPicture(const QString& file, pixels::WorkingPicture& work) = 0;
    // The emboss texture in file, for emboss.
    virtual std::any loadTexture(const QString& file) = 0;
    // The emboss filter on the working array; texture is empty or from loadTexture.
    virtual void emboss(pixels::WorkingPicture& work, const pixels::EmbossSettings& settings,
                        const std::any& texture) = 0;
    // Writes input, a picture the row readers do not take, to output.
    virtual void convert(const QString& input, const QString& output) = 0;
};

// Set once by each program's main, before any command runs.
void UseImageLibraryWork(ImageLibraryWork& work);
ImageLibraryWork& ImageLibrary();

// The block format an option names ("--bc1", "--bc3", "--bc5", "--rgb"), or nothing.
std::optional<imagefile::GpuBlockFormat> BlockFormatOption(const QString& spelled);
// The ASTC block that --astc names ("4x4", "6x6", "8x8"), or nothing.
std::optional<imagefile::GpuBlockFormat> AstcBlockOption(const QString& sides);
// The ASTC search that --quality names ("fast", "medium", "thorough"), or nothing.
std::optional<imagefile::GpuQuality> QualityOption(const QString& name);
// The thread count that --threads names (1 to 256), or nothing.
std::optional<int> ThreadsOption(const QString& count);
inline constexpr platform::Text kAstcValues{
    QT_TRANSLATE_NOOP("Tessella", "--astc attend 4x4, 6x6 ou 8x8")};
inline constexpr platform::Text kQualityValues{
    QT_TRANSLATE_NOOP("Tessella", "--quality attend fast, medium ou thorough")};
inline constexpr platform::Text kThreadsValues{
    QT_TRANSLATE_NOOP("Tessella", "--threads attend un nombre de 1 à 256")};
inline constexpr platform::Text kAlphaCoverageValues{
    QT_TRANSLATE_NOOP("Tessella", "--alpha-coverage attend un seuil de 0,05 à 0,95")};
// %1: the second block format given.
inline constexpr platform::Text kOneBlockFormat{
    QT_TRANSLATE_NOOP("Tessella", "Un seul format de blocs : %1")};

// True when path ends in .tga, .bmp or .png (any case), the outputs of the commands.
bool IsPictureOutput(const QString& path);

// Writes a .tga as a page (the program's header), a .png or a .bmp, through a temporary file,
// row by row, holding no encoded copy. Rows with alpha give a 32-bit TGA or an RGBA PNG; a BMP
// is always 24-bit, and then the alpha left out is told on the standard error.
void WritePicture(const imagefile::BgrRows& rows, const QString& path);

// Loads file into the working array: a 24 or 32-bit TGA, a 24-bit BMP or a plain RGB or RGBA
// PNG straight into its rows, any other picture through ImageLibrary().
void LoadWorkingPicture(const QString& file, pixels::WorkingPicture& work);

// The resolution a new picture gets (96 dots per inch), written where the source tells none.
inline constexpr int kNewPictureDotsPerMeter = 3780;

// Writes the working array's picture from its own rows, with its resolution (a new picture's
// where it has none).
void WritePicture(const pixels::WorkingPicture& work, const QString& path);
// Writes rows (made from the working array, their resolution ignored) with the working
// array's resolution, as above.
void WritePicture(imagefile::BgrRows rows, const pixels::WorkingPicture& work, const QString& path);

}  // namespace tessella::cli
