#pragma once
// Contact sheets: the selected sources as thumbnails with their names, 24 to a sheet of
// 625 x 1041 pixels (4 columns, 6 rows), each sheet printed at a whole-number magnification.

#include <QImage>
#include <QRect>
#include <QStringList>
#include <functional>

namespace tessella::platform {
class PrinterService;
}

namespace tessella::print {

inline constexpr int kSheetWidth = 625;
inline constexpr int kSheetHeight = 1041;
inline constexpr int kSheetColumns = 4;
inline constexpr int kSheetRows = 6;
inline constexpr int kThumbnailsPerSheet = kSheetColumns * kSheetRows;
inline constexpr int kCellWidth = 160;
inline constexpr int kCellHeight = 170;
inline constexpr int kThumbnailBox = 130;
inline constexpr int kNameGap = 5;  // from a thumbnail's bottom edge to its name
// Larger pictures are reduced to a quarter each way before they are scaled into their cell.
inline constexpr qint64 kLargePictureLimit = 2250000;
// Printed at five device pixels per sheet pixel from device pixel (300, 50), counted at
// 600 dpi: the same size and place on paper (about 132 x 220 mm) at every resolution.
inline constexpr int kSheetMagnification = 5;
inline constexpr QPoint kSheetPrintOrigin{300, 50};
inline constexpr int kSheetReferenceDpi = 600;

// ceil(n / 24).
int SheetCount(int pictures);
// The picture shrunk to fit 130 x 130 with its proportions, never enlarged (R, ties to even).
QSize ThumbnailSize(QSize picture);
// Top-left corner of thumbnail i (0 to 23) of a sheet: (2 + 160 c, 2 + 170 r).
QPoint ThumbnailOrigin(int indexOnSheet);
// The device rectangle of a printed sheet on a printer of this resolution: at 600 dpi
// (300, 50), 3125 x 5205; at others the same on paper, R(v x dpi / 600) each.
QRect SheetPrintRect(int dotsPerInch);

// A white 625 x 1041 sheet.
QImage BlankSheet();
// Draws picture as thumbnail i of sheet, with name under it.
void DrawThumbnail(QImage& sheet, int indexOnSheet, const QImage& picture, const QString& name);
// Prints the sheet as one document on portrait paper.
void PrintSheet(platform::PrinterService& printer, const QImage& sheet);

// The pictures of a run, taken once, composed sheet by sheet.
class ContactSheetComposer {
  public:
    // Loads one file; throws TessellaError when it cannot.
    using Loader = std::function<QImage(const QString& path)>;

    explicit ContactSheetComposer(QStringList paths, Loader loader = {});

    int total() const { return static_cast<int>(paths_.size()); }
    int processed() const { return processed_; }
    bool allProcessed() const { return processed_ >= total(); }
    int sheetCount() const { return SheetCount(total()); }

    // Clears sheet and draws the next pictures on it, up to 24. afterEach runs after each
    // thumbnail and answers false to stop the composition there. A file that cannot be loaded
    // throws, and counts as processed.
    void composeNextSheet(QImage& sheet, const std::function<bool()>& afterEach = {});

  private:
    QStringList paths_;
    Loader loader_;
    int processed_ = 0;
};

// The program's loader by extension; a refused extension is a failure naming the file.
QImage LoadSheetPicture(const QString& path);

}  // namespace tessella::print
