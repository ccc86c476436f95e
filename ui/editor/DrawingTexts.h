#pragma once
// The French texts of the drawing tools, exactly as the user sees them.

#include <QString>

namespace tessella::drawing {

inline const QString kDrawingToolsTitle = QStringLiteral("Outils de dessin");
inline const QString kPencilHint = QStringLiteral("Crayon");
inline const QString kDrawHint = QStringLiteral("Dessiner");
inline const QString kFillHint = QStringLiteral("Remplir");
inline const QString kPenColourHint = QStringLiteral("Nouvelle couleur du crayon");
inline const QString kBrushColourHint = QStringLiteral("Nouvelle couleur du pinceau");
inline const QString kPickHint = QStringLiteral("Pipette");
inline const QString kPenWidthHint = QStringLiteral("Épaisseur du trait");
inline const QString kCatalogueCaption = QStringLiteral("Catalogue");
// The element pixel of the press and of the pointer.
inline const QString kOriginText = QStringLiteral("Origine : (%1, %2)");
inline const QString kCurrentText = QStringLiteral("Courant : (%1, %2)");

// What the controls without a caption of their own do (accessible names).
inline const QString kLineName = QStringLiteral("Ligne");
inline const QString kRectangleName = QStringLiteral("Rectangle");
inline const QString kEllipseName = QStringLiteral("Ellipse");
inline const QString kRoundedRectangleName = QStringLiteral("Rectangle arrondi");
inline const QString kNoToolName = QStringLiteral("Aucun outil");
inline const QString kPenPickName = QStringLiteral("Pipette du crayon");
inline const QString kBrushPickName = QStringLiteral("Pipette du pinceau");
inline const QString kPenWidthName = QStringLiteral("Épaisseur du trait");
inline const QString kPenSwatchName = QStringLiteral("Couleur du crayon");
inline const QString kBrushSwatchName = QStringLiteral("Couleur du pinceau");
inline const QString kPenStyleNames[] = {
    QStringLiteral("Trait plein"),       QStringLiteral("Tirets"),
    QStringLiteral("Pointillés"),        QStringLiteral("Tiret point"),
    QStringLiteral("Tiret point point"), QStringLiteral("Sans trait"),
};
inline const QString kBrushStyleNames[] = {
    QStringLiteral("Remplissage plein"),      QStringLiteral("Sans remplissage"),
    QStringLiteral("Hachures horizontales"),  QStringLiteral("Hachures verticales"),
    QStringLiteral("Hachures diagonales \\"), QStringLiteral("Hachures diagonales /"),
    QStringLiteral("Hachures croisées"),      QStringLiteral("Hachures croisées en diagonale"),
};

}  // namespace tessella::drawing
