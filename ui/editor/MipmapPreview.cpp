#include "ui/editor/MipmapPreview.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "pixels/ColourAdjustment.h"
#include "pixels/MipChain.h"
#include "pixels/WorkingPicture.h"
#include "ui/editor/EditorTexts.h"

namespace tessella::editor {

namespace {

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
    pixels::WorkingPicture work;
    QImage copy = picture;  // load turns its bitmap to 24 bits: this one, never the editor's
    if (!copy.isNull()) work.load(copy);
    const pixels::PixelGrid& top = work.image();
    const auto chain = pixels::BuildMipChain(top, {.maxLevel = kLevels - 1});
    const QSize shown = ShownSize(picture.size());
    for (int n = 0; n < kLevels; ++n) {
        const bool present = n < int(chain.size());
        levels_[n] = present
                         ? pixels::PreviewPicture(pixels::LevelAtTopSize(chain[std::size_t(n)], n,
                                                                         top.width(), top.height()),
                                                  top.width(), top.height())
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
