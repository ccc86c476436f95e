#pragma once
// The texts of the print windows and contact sheets, exactly as the user sees them.

#include <QString>

#include "platform/Text.h"

namespace tessella::print {

inline constexpr platform::Text kPrintDialogCaption{
    QT_TRANSLATE_NOOP("Tessella", "Paramètres d'impression")};
inline constexpr platform::Text kSizeGroupCaption{
    QT_TRANSLATE_NOOP("Tessella", " Dimensions de l'image ")};
inline constexpr platform::Text kPositionGroupCaption{
    QT_TRANSLATE_NOOP("Tessella", " Position en Cm  ")};
inline constexpr platform::Text kWidthCaption{QT_TRANSLATE_NOOP("Tessella", "Largeur")};
inline constexpr platform::Text kHeightCaption{QT_TRANSLATE_NOOP("Tessella", "Hauteur")};
inline constexpr platform::Text kTimesCaption{QT_TRANSLATE_NOOP("Tessella", "X")};
inline constexpr platform::Text kCmCaption{QT_TRANSLATE_NOOP("Tessella", "Cm")};
inline constexpr platform::Text kOrientationCaption{QT_TRANSLATE_NOOP("Tessella", "Orientation")};
inline constexpr platform::Text kKeepSettingsCaption{
    QT_TRANSLATE_NOOP("Tessella", "Conserver les paramètres")};
inline constexpr platform::Text kPrintNameCaption{
    QT_TRANSLATE_NOOP("Tessella", "Imprimer le nom de l'image")};
inline constexpr platform::Text kPrinterSetupCaption{
    QT_TRANSLATE_NOOP("Tessella", "Configurer l'imprimante")};
inline constexpr platform::Text kFitToPageCaption{
    QT_TRANSLATE_NOOP("Tessella", "Ajuster à la page")};
inline constexpr platform::Text kOverflowText{
    QT_TRANSLATE_NOOP("Tessella", "L'image dépasse de la feuille")};
inline constexpr platform::Text kPictureCutMessage{
    QT_TRANSLATE_NOOP("Tessella", "L'image dépasse de la feuille : elle serait imprimée coupée.")};
inline constexpr platform::Text kPrintCutQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "L'image dépasse de la feuille\n\ret ne sera imprimée qu'en partie.\n\rImprimer quand même ?")};
inline constexpr platform::Text kOkCaption{QT_TRANSLATE_NOOP("Tessella", "OK")};
inline constexpr platform::Text kCancelCaption{QT_TRANSLATE_NOOP("Tessella", "Annuler")};

inline constexpr platform::Text kContactSheetCaption{
    QT_TRANSLATE_NOOP("Tessella", "Planche Contact")};
inline constexpr platform::Text kRunCaption{QT_TRANSLATE_NOOP("Tessella", "PLANCHE CONTACT    ")};
// Followed by the page number.
inline constexpr platform::Text kRunPageCaption{
    QT_TRANSLATE_NOOP("Tessella", "PLANCHE CONTACT      Page ")};
inline constexpr platform::Text kConfirmationCaption{
    QT_TRANSLATE_NOOP("Tessella", "  Confirmation    ")};
inline constexpr platform::Text kAbandonCaption{QT_TRANSLATE_NOOP("Tessella", "Abandon")};
inline constexpr platform::Text kPrintCaption{QT_TRANSLATE_NOOP("Tessella", "Imprimer")};
inline constexpr platform::Text kSkipCaption{QT_TRANSLATE_NOOP("Tessella", "Passer")};
// %1: the page count.
inline constexpr platform::Text kPreviewQuestion{
    QT_TRANSLATE_NOOP("Tessella", "Aperçu et confirmation avant impression des %1 pages ?")};
// %1: the file whose extension the loader does not accept.
inline constexpr platform::Text kRefusedExtension{
    QT_TRANSLATE_NOOP("Tessella", "Erreur de Chargement de l'image : extension non reconnue (%1)")};

}  // namespace tessella::print
