#pragma once
// The texts of the print windows and contact sheets, exactly as the user sees them.

#include <QString>

namespace tessella::print {

inline const QString kPrintDialogCaption = QStringLiteral("Paramètres d'impression");
inline const QString kSizeGroupCaption = QStringLiteral(" Dimensions de l'image ");
inline const QString kPositionGroupCaption = QStringLiteral(" Position en Cm  ");
inline const QString kWidthCaption = QStringLiteral("Largeur");
inline const QString kHeightCaption = QStringLiteral("Hauteur");
inline const QString kTimesCaption = QStringLiteral("X");
inline const QString kCmCaption = QStringLiteral("Cm");
inline const QString kOrientationCaption = QStringLiteral("Orientation");
inline const QString kKeepSettingsCaption = QStringLiteral("Conserver les paramètres");
inline const QString kPrintNameCaption = QStringLiteral("Imprimer le nom de l'image");
inline const QString kPrinterSetupCaption = QStringLiteral("Configurer l'imprimante");
inline const QString kFitToPageCaption = QStringLiteral("Ajuster à la page");
inline const QString kOverflowText = QStringLiteral("L'image dépasse de la feuille");
inline const QString kPictureCutMessage =
    QStringLiteral("L'image dépasse de la feuille : elle serait imprimée coupée.");
inline const QString kPrintCutQuestion = QStringLiteral(
    "L'image dépasse de la feuille\n\ret ne sera imprimée qu'en partie.\n\rImprimer quand même ?");
inline const QString kOkCaption = QStringLiteral("OK");
inline const QString kCancelCaption = QStringLiteral("Annuler");

inline const QString kContactSheetCaption = QStringLiteral("Planche Contact");
inline const QString kRunCaption = QStringLiteral("PLANCHE CONTACT    ");
// Followed by the page number.
inline const QString kRunPageCaption = QStringLiteral("PLANCHE CONTACT      Page ");
inline const QString kConfirmationCaption = QStringLiteral("  Confirmation    ");
inline const QString kAbandonCaption = QStringLiteral("Abandon");
inline const QString kPrintCaption = QStringLiteral("Imprimer");
inline const QString kSkipCaption = QStringLiteral("Passer");
// %1: the page count.
inline const QString kPreviewQuestion =
    QStringLiteral("Aperçu et confirmation avant impression des %1 pages ?");
// %1: the file whose extension the loader does not accept.
inline const QString kRefusedExtension =
    QStringLiteral("Erreur de Chargement de l'image : extension non reconnue (%1)");

}  // namespace tessella::print
