#pragma once
// The arithmetic of printing the texture page: the miniature of the sheet at 4.6 screen pixels
// per centimetre, the quarter turn for landscape paper and its fit into the photo format, the
// placement worked out at OK, and the device rectangle of the printed page.

#include <QImage>
#include <QRect>
#include <QSize>

namespace tessella::print {

inline constexpr double kMiniaturePixelsPerCm = 4.6;
// Pages above this many pixels are shown in the miniature reduced ten times each way.
inline constexpr qint64 kFullMiniatureLimit = 300000;
inline constexpr int kPhotoWidthCm = 15;
inline constexpr int kPhotoHeightCm = 10;
inline constexpr int kPortraitTurnWidthMm = 150;   // width set when the paper turns landscape
inline constexpr int kLandscapeTurnWidthMm = 100;  // and when it turns back

// The page as the dialog shows it: the miniature's picture and the size whose proportion it
// keeps (the page's, or the reduced copy's).
struct MiniatureSource {
    QImage picture;
    double pictureWidth = 0;
    double pictureHeight = 0;
};
// W x H up to 300000 pixels: a full copy; above: (W div 10) x (H div 10), each at least 1.
MiniatureSource MakeMiniatureSource(const QImage& page);

// The printed size as the dialog shows it.
struct ShownSize {
    double widthCm = 0;
    double heightCm = 0;
    int heightMm = 1;     // R(height cm x 10), at least 1
    QSize miniatureSize;  // R(4.6 x cm) each way, at least 1
};
// The height follows the width through the picture's proportion.
ShownSize SizeForWidth(int widthMm, double pictureWidth, double pictureHeight);

// After a quarter turn: the width set for the new paper, fitted into 15 x 10 cm.
struct TurnedSize {
    int widthMm = 1;
    ShownSize shown;
};
// toLandscape: the paper turns landscape (width 150 mm) or back to portrait (100 mm); the
// picture size is the one after the turn.
TurnedSize FitAfterTurn(bool toLandscape, double pictureWidth, double pictureHeight);

// The picture turned a quarter: clockwise (the miniature and the page on landscape), or back.
QImage TurnQuarter(const QImage& picture, bool clockwise);

// Where the miniature sits from the paper outline's corner: R(4.6 x cm) each way.
int MiniatureOffset(int positionMm);

// What the dialog holds at OK, with the printer measured on portrait paper.
struct OkSettings {
    bool landscape = false;
    int widthMm = 150;  // the width shown (across the miniature)
    int xMm = 20;       // the positions set, from the paper's corner
    int yMm = 20;
    int offsetXMm = 0;  // the printable area's offsets, in whole millimetres
    int offsetYMm = 0;
};
// The printed width and the position in the printable area, in millimetres.
struct PagePlacement {
    int widthMm = 150;
    int xMm = 0;
    int yMm = 0;
    // Printed a quarter turn clockwise, as the miniature shows it after "Orientation".
    bool turned = false;
};
// The page prints as the miniature shows it: at the width shown, from the position set less
// the printable area's offsets, turned when the orientation is landscape.
PagePlacement PlacementAtOk(const OkSettings& settings);

// Millimetres in whole units from device pixels: R(pixels / (dpi / 2.54) x 10).
int DeviceToMm(int pixels, int dotsPerInch);

// The device rectangle of a W x H page printed widthMm wide at (xMm, yMm): the size is
// R(W x s) x R(H x s) with s = widthMm x dpi / 25.4 / W, each at least 1; W and H swap when
// the page prints turned.
QRect PrintedRect(QSize page, const PagePlacement& placement, int dotsPerInch);

// True when the printed rectangle lies wholly inside the printable area.
bool FitsOnPaper(const QRect& printed, QSize printableSize);
// The largest width in millimetres, up to maxWidthMm, at which the page fits on the paper at
// the placement's position; 0 when none does.
int LargestFittingWidthMm(QSize page, PagePlacement placement, int dotsPerInch, QSize printableSize,
                          int maxWidthMm);

}  // namespace tessella::print
