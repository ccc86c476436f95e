#pragma once
// The arithmetic of the catalogue of base textures: which files a page shows, where the six
// boxes stand and how a picture is fitted into its box.

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace tessella::catalogue {

inline constexpr int kThumbnailSide = 100;
inline constexpr int kBoxCount = 6;

enum class PageMove { First, Previous, Next, Last };

// The page start after move from start in a list of fileCount files. Nothing when Next or Last
// is asked while the last file is already shown: the page then stays as it is. Last shows the
// last six files, not a multiple of six.
std::optional<int> PageStartAfter(PageMove move, int start, int fileCount);

// How many files a page that starts at start shows (0 to kBoxCount).
int FilesOnPage(int start, int fileCount);

// Box index (0..5) of the grid: side wide, side + 20 high, three to a row.
QRect BoxGeometry(int index, int side = kThumbnailSide, int topOffset = 1);

// Where a picture of size picture goes inside its box: enlarged (zoomSmall) or reduced so that
// its longer side is side, rounded ties to even; otherwise at its own size. Centred in the
// side x side square below the 15-pixel caption line. An empty picture gets an empty rect.
QRect FitThumbnail(QSize picture, bool zoomSmall, int side = kThumbnailSide);

// The folder's name as the summary line shows it: the text after the last '/' (empty for a
// root).
QString FolderName(const QString& folder);

// The names of the folder's "*.bmp" files, and of today's formats (png, jpeg, jpe, webp),
// whatever the case of the extension, sorted by name.
QStringList BitmapFiles(const QString& folder);

}  // namespace tessella::catalogue
