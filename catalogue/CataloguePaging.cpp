#include "catalogue/CataloguePaging.h"

#include <QDir>
#include <algorithm>

#include "platform/Rounding.h"

namespace tessella::catalogue {

namespace {
constexpr int kCaptionLine = 15;
constexpr int kBoxInset = 2;
constexpr int kBoxGap = 5;
constexpr int kCaptionAndBorder = 20;
}  // namespace

std::optional<int> PageStartAfter(PageMove move, int start, int fileCount) {
    int next = start;
    switch (move) {
        case PageMove::First:
            next = 0;
            break;
        case PageMove::Previous:
            next = start - kBoxCount;
            break;
        case PageMove::Next:
        case PageMove::Last:
            if (start + kBoxCount >= fileCount) return std::nullopt;
            next = move == PageMove::Next ? start + kBoxCount : fileCount - kBoxCount;
            break;
    }
    return std::max(next, 0);
}

int FilesOnPage(int start, int fileCount) {
    return std::clamp(fileCount - start, 0, kBoxCount);
}

QRect BoxGeometry(int index, int side, int topOffset) {
    const int column = index % 3, row = index / 3;
    const int top = row == 0 ? topOffset : side + 25 + topOffset;
    return QRect((side + kBoxGap) * column + kBoxGap, top, side, side + kCaptionAndBorder);
}

QRect FitThumbnail(QSize picture, bool zoomSmall, int side) {
    const int w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0) return {};
    int fittedW = w, fittedH = h;
    if (zoomSmall || w > side || h > side) {
        const double ratio = (w > h ? w : h) / static_cast<double>(side);
        fittedW = platform::RoundHalfEven(w / ratio);
        fittedH = platform::RoundHalfEven(h / ratio);
    }
    return QRect((side - fittedW) / 2 + kBoxInset, (side - fittedH) / 2 + kCaptionLine, fittedW,
                 fittedH);
}

QString FolderName(const QString& folder) {
    return folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1);
}

QStringList BitmapFiles(const QString& folder) {
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.bmp"), QStringLiteral("*.png"), QStringLiteral("*.jpeg"),
                        QStringLiteral("*.jpe"), QStringLiteral("*.webp")});
    dir.setFilter(QDir::Files | QDir::Readable | QDir::Hidden);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    // Name filters ignore case by default, so "*.BMP" or "*.PNG" files are listed too.
    return dir.entryList();
}

}  // namespace tessella::catalogue
