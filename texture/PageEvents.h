#pragma once
// What the page commands ask of the main window: showing the page and the source, captions,
// status panels, progress, enabling. The window implements it; tests record it.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

namespace tessella::texture {

// Commands and controls whose enabling the page commands change.
enum class PageCommand {
    Save,              // "Sauver la texture TGA"
    SaveAs,            // "Sauver la texture TGA Sous"
    PrintPage,         // "Texture TGA en cours"
    Extract,           // "Extraire les images d'une texture"
    EditSource,        // "Modifier le source BMP" (and the preview)
    Add,               // "Ajouter"
    Replace,           // "Remplacer"
    Validate,          // "Valider"
    Abandon,           // "Abandon"
    PositionControls,  // the four position up-downs replaceXFineArrows..replaceYCoarseArrows
};

// Ranges of the position up-downs as control values. The vertical ones hold -Y, so their up
// arrow decreases Y and moves the mask up.
struct PositionRanges {
    int32_t xMinimum = 0;
    int32_t xMaximum = 0;
    int32_t yMinimum = 0;  // -(largest Y)
    int32_t yMaximum = 0;
    friend bool operator==(const PositionRanges&, const PositionRanges&) = default;
};

// Status bar panels by their index (0-based, as laid out).
inline constexpr int kPanelFileName = 1;
inline constexpr int kPanelPageSize = 3;
inline constexpr int kPanelElementCount = 5;

class PageEvents {
  public:
    virtual ~PageEvents() = default;

    // Copies the page into the page view and repaints it. autoSize: turn the view's
    // stretching off and its auto-size on first (the end of a multi-file add, open, new).
    virtual void showPage(const QImage& page, bool autoSize) = 0;
    // Sets the import size list's text (importSizeCombo), without running its change handler.
    virtual void setImportSizeText(const QString& text) = 0;
    virtual void setStatusPanel(int panel, const QString& text) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgress(int position) = 0;
    // The caption of the " Source " group.
    virtual void setSourceCaption(const QString& caption) = 0;
    // Puts picture into the source preview, its box sized to box, stretched or not.
    virtual void showSource(const QImage& picture, QSize box, bool stretch) = 0;
    virtual void setSourceSizeText(const QString& text) = 0;
    virtual void setEnabled(PageCommand command, bool enabled) = 0;
    virtual void showSourcePanel() = 0;
    // The replace mask, in page-view coordinates: the window adds the view's own left
    // and top.
    virtual void setMask(const QRect& geometry) = 0;
    virtual void setMaskVisible(bool visible) = 0;
    virtual void setPositionRanges(const PositionRanges& ranges) = 0;
    // Sets the four up-downs to X and -Y (each control keeps its value within its range).
    virtual void setPositions(int32_t x, int32_t y) = 0;
    // replacePositionLabel: X " x " Y.
    virtual void setPositionText(const QString& text) = 0;
    virtual void setPageCrossCursor() = 0;
    // The hourglass cursor on or off.
    virtual void setBusy(bool busy) = 0;
    // Refreshes the catalogue window's file list (new element files may be there).
    virtual void refreshCatalogue() = 0;
    // A long run (extraction, multi-file add) starts or ends: "Arrêter" works only during one,
    // and a start forgets an earlier request.
    virtual void setStoppable(bool) {}
    // True once "Arrêter" was asked for during the run; the run ends after the step in hand.
    virtual bool stopRequested() { return false; }
};

}  // namespace tessella::texture
