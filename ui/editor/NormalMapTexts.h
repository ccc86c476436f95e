#pragma once
// The French texts of the normal map window and the lit preview, exactly as the user sees them.

#include <QString>

namespace tessella::editor {

inline const QString kNormalMapCaption = QStringLiteral("Carte de normales…");
inline const QString kNormalMapTitle = QStringLiteral("Carte de normales");
inline const QString kStrengthCaption = QStringLiteral("Force du relief :");
inline const QString kStrengthName = QStringLiteral("Force du relief");
inline const QString kDirectXCaption = QStringLiteral("Convention DirectX (vert vers le bas)");
inline const QString kNormalMapPreviewName = QStringLiteral("Aperçu de la carte de normales");

inline const QString kLitPreviewCaption = QStringLiteral("Aperçu éclairé");
inline const QString kLitPreviewTitle = QStringLiteral("Aperçu éclairé");
inline const QString kLitViewName = QStringLiteral("Élément éclairé répété 3 x 3");
inline const QString kLitHintText =
    QStringLiteral("La lumière suit le pointeur. Force du relief : %1");
inline const QString kLitHintName = QStringLiteral("Force du relief de l'aperçu éclairé");

}  // namespace tessella::editor
