#pragma once
// Page events that show nothing: for runs without a window (tessella-cli, benchmarks).

#include "texture/PageEvents.h"

namespace tessella::texture {

class QuietPageEvents final : public PageEvents {
  public:
    void showPage(const QImage&, bool) override {}
    void setImportSizeText(const QString&) override {}
    void setStatusPanel(int, const QString&) override {}
    void setProgressMaximum(int) override {}
    void setProgress(int) override {}
    void setSourceCaption(const QString&) override {}
    void showSource(const QImage&, QSize, bool) override {}
    void setSourceSizeText(const QString&) override {}
    void setEnabled(PageCommand, bool) override {}
    void showSourcePanel() override {}
    void setMask(const QRect&) override {}
    void setMaskVisible(bool) override {}
    void setPositionRanges(const PositionRanges&) override {}
    void setPositions(int32_t, int32_t) override {}
    void setPositionText(const QString&) override {}
    void setPageCrossCursor() override {}
    void setBusy(bool) override {}
    void refreshCatalogue() override {}
};

}  // namespace tessella::texture
