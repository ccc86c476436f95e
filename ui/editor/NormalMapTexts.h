#pragma once
// The texts of the normal map window and the lit preview: the French source, exactly as the
// user sees it, translated where it is shown.

#include "platform/Text.h"

namespace tessella::editor {

inline constexpr platform::Text kNormalMapCaption{
    QT_TRANSLATE_NOOP("Tessella", "Carte de normales…")};
inline constexpr platform::Text kNormalMapTitle{QT_TRANSLATE_NOOP("Tessella", "Carte de normales")};
inline constexpr platform::Text kStrengthCaption{
    QT_TRANSLATE_NOOP("Tessella", "Force du relief :")};
inline constexpr platform::Text kStrengthName{QT_TRANSLATE_NOOP("Tessella", "Force du relief")};
inline constexpr platform::Text kDirectXCaption{
    QT_TRANSLATE_NOOP("Tessella", "Convention DirectX (vert vers le bas)")};
inline constexpr platform::Text kNormalMapPreviewName{
    QT_TRANSLATE_NOOP("Tessella", "Aperçu de la carte de normales")};

inline constexpr platform::Text kLitPreviewCaption{QT_TRANSLATE_NOOP("Tessella", "Aperçu éclairé")};
inline constexpr platform::Text kLitPreviewTitle{QT_TRANSLATE_NOOP("Tessella", "Aperçu éclairé")};
inline constexpr platform::Text kLitViewName{
    QT_TRANSLATE_NOOP("Tessella", "Élément éclairé répété 3 x 3")};
inline constexpr platform::Text kLitHintText{
    QT_TRANSLATE_NOOP("Tessella", "La lumière suit le pointeur. Force du relief : %1")};
inline constexpr platform::Text kLitHintName{
    QT_TRANSLATE_NOOP("Tessella", "Force du relief de l'aperçu éclairé")};

}  // namespace tessella::editor
