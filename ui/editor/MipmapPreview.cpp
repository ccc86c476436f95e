#include "ui/editor/MipmapPreview.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "pixels/ColourAdjustment.h"
#include "pixels/MipChain.h"
#include "pixels/WorkingPicture.h"
#include "ui/editor/EditorTexts.h"
#include "ui/widgets/Checkerboard.h"

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

// A level as a picture: 24 bits, or non-premultiplied ARGB32 when it carries alpha.
QImage LevelPicture(const pixels::PixelGrid& level) {
    if (!level.hasAlpha()) return pixels::PreviewPicture(level, level.width(), level.height());
    QImage picture(level.width(), level.height(), QImage::Format_ARGB32);
    for (int y = 0; y < level.height(); ++y) {
        const pixels::Bgr* c = level.row(y);
        const uint8_t* a = level.alphaRow(y);
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < level.width(); ++x) out[x] = qRgba(c[x].r, c[x].g, c[x].b, a[x]);
    }
    return picture;
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
        levels_[n] = present ? LevelPicture(pixels::LevelAtTopSize(chain[std::size_t(n)], n,
                                                                   top.width(), top.height()))
                             : QImage();
        // Transparency over the checkerboard, counted in the shown pixels.
        levelViews[n]->setPixmap(
            present ? QPixmap::fromImage(widgets::OverCheckerboard(
                          levels_[n].scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation)))
                    : QPixmap());
        levelCaptions[n]->setText(present ? kMipmapLevelCaption.arg(n)
                                                .arg(chain[std::size_t(n)].width())
                                                .arg(chain[std::size_t(n)].height())
                                          : QString());
    }
}

}  // namespace tessella::editor
