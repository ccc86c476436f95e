#pragma once
// The printer's messages, as the user reads them.

#include <QString>

#include "platform/Text.h"

namespace tessella::platform {

inline constexpr platform::Text kNoPrinterMessage{
    QT_TRANSLATE_NOOP("Tessella", "Aucune imprimante n'est installée : impression impossible.")};
inline constexpr platform::Text kPrintRefusedMessage{
    QT_TRANSLATE_NOOP("Tessella", "L'imprimante a refusé de commencer l'impression.")};
inline constexpr platform::Text kPrintFailedMessage{
    QT_TRANSLATE_NOOP("Tessella", "L'impression n'a pas pu être terminée.")};
inline constexpr platform::Text kPdfFileMissingMessage{QT_TRANSLATE_NOOP(
    "Tessella",
    "Aucun fichier PDF n'est choisi :\n\rchoisissez-le dans « Configurer l'imprimante ».")};

}  // namespace tessella::platform
