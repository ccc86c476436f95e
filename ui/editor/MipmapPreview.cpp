#include "ui/editor/MipmapPreview.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <cstring>

#include "pixels/MipChain.h"
#include "ui/editor/EditorTexts.h"

namespace tessella::editor {

namespace {

pixels::PixelGrid GridOf(const QImage& picture) {
    const QImage bgr = picture.format() == QImage::Format_BGR888
                           ? picture
                           : picture.convertToFormat(QImage::Format_BGR888);
    pixels::PixelGrid grid(bgr.width(), bgr.height());
    for (int y = 0; y < bgr.height(); ++y)
        std::memcpy(static_cast<void*>(grid.row(y)), bgr.constScanLine(y),
                    std::size_t(bgr.width()) * 3);
    return grid;
}

QImage ImageOf(const pixels::PixelGrid& grid) {
    QImage image(grid.width(), grid.height(), QImage::Format_BGR888);
    for (int y = 0; y < grid.height(); ++y)
        std::memcpy(image.scanLine(y), grid.row(y), std::size_t(grid.width()) * 3);
    return image;
}

// The size a level is shown at: enlarged by a whole factor to fill the cell, or reduced to fit.
QSize ShownSize(QSize element) {
    const int side = std::max(element.width(), element.height());
    if (side <= MipmapPreview::kCellSide)
        return element * std::max(1, MipmapPreview::kCellSide / side);
    return element.scaled(MipmapPreview::kCellSide, MipmapPreview::kCellSide, Qt::KeepAspectRatio)
        .expandedTo(QSize(1, 1));
}

}  // namespace

MipmapPreview::MipmapPreview(QWidget* editor) : QDialog(editor, Qt::Tool) {
    setWindowTitle(kMipmapPreviewTitle);
    setModal(false);
    auto* layout = new QGridLayout(this);
    for (int n = 0; n < kLevels; ++n) {
        auto* view = new QLabel(this);
        view->setAccessibleName(kMipmapLevelName.arg(n));
        view->setAlignment(Qt::AlignCenter);
        view->setMinimumSize(kCellSide, kCellSide);
        auto* caption = new QLabel(this);
        caption->setAccessibleName(kMipmapLevelCaptionName.arg(n));
        caption->setAlignment(Qt::AlignCenter);
        layout->addWidget(view, 0, n);
        layout->addWidget(caption, 1, n);
        levelViews << view;
        levelCaptions << caption;
    }
}

void MipmapPreview::showPicture(const QImage& picture) {
    if (!isVisible()) return;
    const pixels::PixelGrid top = picture.isNull() ? pixels::PixelGrid() : GridOf(picture);
    const auto chain = pixels::BuildMipChain(top, {.maxLevel = kLevels - 1});
    const QSize shown = ShownSize(picture.size());
    for (int n = 0; n < kLevels; ++n) {
        const bool present = n < int(chain.size());
        levels_[n] = present ? ImageOf(pixels::LevelAtTopSize(chain[std::size_t(n)], n, top.width(),
                                                              top.height()))
                             : QImage();
        levelViews[n]->setPixmap(present
                                     ? QPixmap::fromImage(levels_[n].scaled(
                                           shown, Qt::IgnoreAspectRatio, Qt::FastTransformation))
                                     : QPixmap());
        levelCaptions[n]->setText(present ? kMipmapLevelCaption.arg(n)
                                                .arg(chain[std::size_t(n)].width())
                                                .arg(chain[std::size_t(n)].height())
                                          : QString());
    }
}

}  // namespace tessella::editor
