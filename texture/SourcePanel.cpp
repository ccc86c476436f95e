#include "texture/SourcePanel.h"

#include <QFileInfo>
#include <algorithm>

#include "imagefile/ImageLoader.h"
#include "platform/Rounding.h"
#include "texture/PageTexts.h"

namespace tessella::texture {

QSize ClickPreviewBox(int32_t width, int32_t height) {
    const int32_t w = std::max(width, 1), h = std::max(height, 1);
    if (w > 128 || h > 128) {
        const double f = 128.0 / (h >= w ? h : w);
        return QSize(platform::RoundHalfEven(w * f), platform::RoundHalfEven(h * f));
    }
    const int32_t k = 128 / (h >= w ? h : w);
    return QSize(k * w, k * h);
}

std::optional<QSize> ImportSizeOf(const QString& entry) {
    static const QSize sizes[] = {{32, 32},  {32, 64},  {32, 128}, {64, 32},  {64, 64},
                                  {64, 128}, {128, 32}, {128, 64}, {128, 128}};
    const qsizetype i = ImportSizeEntries().indexOf(entry);
    if (i < 0 || i >= static_cast<qsizetype>(std::size(sizes))) return std::nullopt;
    return sizes[i];
}

bool SourcePanel::previewSource(const QString& path) {
    TexturePage& p = c_.page;
    QImage picture;
    if (!imagefile::LoadImageByExtension(path, picture)) {
        c_.prompts.warning(kLoadFailedWarning);
        return false;
    }
    // Named only once loaded, so the name always matches the previewed picture.
    p.sourceFileName = path;
    p.sourcePicture = picture;
    c_.events.setEnabled(PageCommand::EditSource, true);
    c_.events.showSource(picture, ClickPreviewBox(picture.width(), picture.height()), true);
    if (p.freeSize) {
        p.importWidth = picture.width();
        p.importHeight = picture.height();
    }
    c_.events.setSourceSizeText(SizeText(picture.width(), picture.height()));
    enablePlacing();
    c_.events.setSourceCaption(QFileInfo(path).fileName());
    return true;
}

void SourcePanel::enablePlacing() {
    const TexturePage& p = c_.page;
    if (!p.pageOpen || p.sourcePicture.isNull()) return;
    c_.events.setEnabled(PageCommand::Add, true);
    c_.events.setEnabled(PageCommand::Replace, true);
}

void SourcePanel::importSizeChanged(const QString& text) {
    TexturePage& p = c_.page;
    p.freeSize = false;
    if (const auto size = ImportSizeOf(text)) {
        p.importWidth = size->width();
        p.importHeight = size->height();
        return;
    }
    if (text != kFreeSizeEntry) return;
    if (!p.sourcePicture.isNull()) {
        p.importWidth = p.sourcePicture.width();
        p.importHeight = p.sourcePicture.height();
    } else if (p.pageWidth > 0 && p.pageHeight > 0) {
        p.importWidth = p.pageWidth;
        p.importHeight = p.pageHeight;
    }  // otherwise nothing gives a size yet: keep the previous one rather than 0 x 0
    p.freeSize = true;
}

}  // namespace tessella::texture
