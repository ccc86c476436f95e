#pragma once
// The language choice's texts.

#include "platform/Text.h"

namespace tessella::platform {

// %1: the settings file; %2: the reason.
inline constexpr Text kLanguageNotSaved{
    QT_TRANSLATE_NOOP("Tessella", "Impossible d'enregistrer la langue choisie dans %1 : %2")};
inline constexpr Text kSettingsNotWritable{
    QT_TRANSLATE_NOOP("Tessella", "le fichier des réglages n'est pas accessible en écriture")};
inline constexpr Text kSettingsDamaged{
    QT_TRANSLATE_NOOP("Tessella", "le fichier des réglages est endommagé")};

}  // namespace tessella::platform
