#pragma once
// The main window's side of the page commands: shows what they change in its controls.

#include "texture/PageEvents.h"

namespace tessella::texture {
class ReplaceMask;
struct TexturePage;
}  // namespace tessella::texture

namespace tessella::app {

class MainWindow;

class MainWindowPageEvents final : public texture::PageEvents {
  public:
    MainWindowPageEvents(MainWindow& window, const texture::TexturePage& page)
        : w_(window), page_(page) {}
    // The mask whose position the view keeps in page pixels, so that zooming moves it too.
    void attach(const texture::ReplaceMask& mask) { mask_ = &mask; }

    void showPage(const QImage& page, bool autoSize) override;
    void setImportSizeText(const QString& text) override;
    void setStatusPanel(int panel, const QString& text) override;
    void setProgressMaximum(int maximum) override;
    void setProgress(int position) override;
    void setSourceCaption(const QString& caption) override;
    void showSource(const QImage& picture, QSize box, bool stretch) override;
    void setSourceSizeText(const QString& text) override;
    void setEnabled(texture::PageCommand command, bool enabled) override;
    void showSourcePanel() override;
    // The view paints the mask itself (its own left and top are 0) at the same geometry,
    // from the mask's position and the import size at its zoom.
    void setMask(const QRect& geometry) override;
    void setMaskVisible(bool visible) override;
    void setPositionRanges(const texture::PositionRanges& ranges) override;
    void setPositions(int32_t x, int32_t y) override;
    void setPositionText(const QString& text) override;
    void setPageCrossCursor() override;
    void setBusy(bool busy) override;
    void refreshCatalogue() override;
    // Enables "Arrêter" during a run; a new run forgets an earlier request.
    void setStoppable(bool stoppable) override;
    bool stopRequested() override { return stopRequested_; }
    void requestStop() { stopRequested_ = true; }

  private:
    MainWindow& w_;
    const texture::TexturePage& page_;
    const texture::ReplaceMask* mask_ = nullptr;
    bool stopRequested_ = false;
};

}  // namespace tessella::app
