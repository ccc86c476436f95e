#pragma once
// Page events that record what the window was asked to show.

#include <map>
#include <vector>

#include "texture/PageEvents.h"

namespace tessella::testing {

class RecordingEvents final : public texture::PageEvents {
  public:
    void showPage(const QImage& page, bool autoSize) override {
        ++pageShows;
        shownPage = page;
        lastAutoSize = autoSize;
    }
    void setImportSizeText(const QString& text) override { importSizeText = text; }
    void setStatusPanel(int panel, const QString& text) override { panels[panel] = text; }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgress(int position) override { progress.push_back(position); }
    void setSourceCaption(const QString& caption) override { sourceCaption = caption; }
    void showSource(const QImage&, QSize box, bool stretch) override {
        sourceBox = box;
        sourceStretched = stretch;
    }
    void setSourceSizeText(const QString&) override {}
    void setEnabled(texture::PageCommand command, bool on) override { enabled[command] = on; }
    void showSourcePanel() override {}
    void setMask(const QRect& geometry) override { mask = geometry; }
    void setMaskVisible(bool visible) override { maskVisible = visible; }
    void setPositionRanges(const texture::PositionRanges& r) override { ranges = r; }
    void setPositions(int32_t x, int32_t y) override { positions = {x, y}; }
    void setPositionText(const QString& text) override { positionText = text; }
    void setPageCrossCursor() override { crossCursor = true; }
    void setBusy(bool) override {}
    void refreshCatalogue() override { ++catalogueRefreshes; }

    bool isEnabled(texture::PageCommand c) const {
        const auto it = enabled.find(c);
        return it != enabled.end() && it->second;
    }

    int pageShows = 0;
    QImage shownPage;
    bool lastAutoSize = false;
    QString importSizeText;
    std::map<int, QString> panels;
    int progressMaximum = -1;
    std::vector<int> progress;
    QString sourceCaption;
    QSize sourceBox;
    bool sourceStretched = false;
    std::map<texture::PageCommand, bool> enabled;
    QRect mask;
    bool maskVisible = false;
    texture::PositionRanges ranges;
    QPoint positions;
    QString positionText;
    bool crossCursor = false;
    int catalogueRefreshes = 0;
};

}  // namespace tessella::testing
