#pragma once
// The texts of the drawing tools: the French source, exactly as the user sees it, translated
// where it is shown.

#include "platform/Text.h"

namespace tessella::drawing {

inline constexpr platform::Text kDrawingToolsTitle{
    QT_TRANSLATE_NOOP("Tessella", "Outils de dessin")};
inline constexpr platform::Text kPencilHint{QT_TRANSLATE_NOOP("Tessella", "Crayon")};
inline constexpr platform::Text kDrawHint{QT_TRANSLATE_NOOP("Tessella", "Dessiner")};
inline constexpr platform::Text kFillHint{QT_TRANSLATE_NOOP("Tessella", "Remplir")};
inline constexpr platform::Text kPenColourHint{
    QT_TRANSLATE_NOOP("Tessella", "Nouvelle couleur du crayon")};
inline constexpr platform::Text kBrushColourHint{
    QT_TRANSLATE_NOOP("Tessella", "Nouvelle couleur du pinceau")};
inline constexpr platform::Text kPickHint{QT_TRANSLATE_NOOP("Tessella", "Pipette")};
inline constexpr platform::Text kPenWidthHint{QT_TRANSLATE_NOOP("Tessella", "Épaisseur du trait")};
inline constexpr platform::Text kCatalogueCaption{QT_TRANSLATE_NOOP("Tessella", "Catalogue")};
// The element pixel of the press and of the pointer.
inline constexpr platform::Text kOriginText{QT_TRANSLATE_NOOP("Tessella", "Origine : (%1, %2)")};
inline constexpr platform::Text kCurrentText{QT_TRANSLATE_NOOP("Tessella", "Courant : (%1, %2)")};

// What the controls without a caption of their own do (accessible names).
inline constexpr platform::Text kLineName{QT_TRANSLATE_NOOP("Tessella", "Ligne")};
inline constexpr platform::Text kRectangleName{QT_TRANSLATE_NOOP("Tessella", "Rectangle")};
inline constexpr platform::Text kEllipseName{QT_TRANSLATE_NOOP("Tessella", "Ellipse")};
inline constexpr platform::Text kRoundedRectangleName{
    QT_TRANSLATE_NOOP("Tessella", "Rectangle arrondi")};
inline constexpr platform::Text kNoToolName{QT_TRANSLATE_NOOP("Tessella", "Aucun outil")};
inline constexpr platform::Text kPenPickName{QT_TRANSLATE_NOOP("Tessella", "Pipette du crayon")};
inline constexpr platform::Text kBrushPickName{QT_TRANSLATE_NOOP("Tessella", "Pipette du pinceau")};
inline constexpr platform::Text kPenWidthName{QT_TRANSLATE_NOOP("Tessella", "Épaisseur du trait")};
inline constexpr platform::Text kPenSwatchName{QT_TRANSLATE_NOOP("Tessella", "Couleur du crayon")};
inline constexpr platform::Text kBrushSwatchName{
    QT_TRANSLATE_NOOP("Tessella", "Couleur du pinceau")};
inline constexpr platform::Text kPenStyleNames[] = {
    QT_TRANSLATE_NOOP("Tessella", "Trait plein"),
    QT_TRANSLATE_NOOP("Tessella", "Tirets"),
    QT_TRANSLATE_NOOP("Tessella", "Pointillés"),
    QT_TRANSLATE_NOOP("Tessella", "Tiret point"),
    QT_TRANSLATE_NOOP("Tessella", "Tiret point point"),
    QT_TRANSLATE_NOOP("Tessella", "Sans trait"),
};
inline constexpr platform::Text kBrushStyleNames[] = {
    QT_TRANSLATE_NOOP("Tessella", "Remplissage plein"),
    QT_TRANSLATE_NOOP("Tessella", "Sans remplissage"),
    QT_TRANSLATE_NOOP("Tessella", "Hachures horizontales"),
    QT_TRANSLATE_NOOP("Tessella", "Hachures verticales"),
    QT_TRANSLATE_NOOP("Tessella", "Hachures diagonales \\"),
    QT_TRANSLATE_NOOP("Tessella", "Hachures diagonales /"),
    QT_TRANSLATE_NOOP("Tessella", "Hachures croisées"),
    QT_TRANSLATE_NOOP("Tessella", "Hachures croisées en diagonale"),
};

}  // namespace tessella::drawing
