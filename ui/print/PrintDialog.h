#pragma once
// "Paramètres d'impression": the printed width, position and orientation of the texture page,
// set on a miniature of the sheet at 4.6 pixels per centimetre; on OK the page prints as the
// miniature shows it (turned on portrait paper after "Orientation"). Settings last for the
// whole run.

#include <QDialog>
#include <QImage>

#include "print/PageLayout.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tessella::widgets {
class ImageBox;
class StepArrows;
}  // namespace tessella::widgets

namespace tessella::platform {
class Pacer;
class PrinterService;
class Prompts;
}  // namespace tessella::platform

namespace tessella::print {

class PrintDialog final : public QDialog {
    Q_OBJECT

  public:
    PrintDialog(platform::Prompts& prompts, platform::Pacer& pacer,
                platform::PrinterService& printer, QWidget* parent = nullptr);

    // "Texture TGA en cours": checks for a printer, shows the dialog on the page and, on OK,
    // prints it. pageFileName is the page's file: its name titles the print and is printed
    // on request.
    void printPage(const QImage& page, const QString& pageFileName);
    // Hands the page to the miniature (reduced above 300000 pixels).
    void setPage(const QImage& page);

    // Results, valid after OK.
    const PagePlacement& placement() const { return placement_; }
    bool printNameChosen() const { return printName_; }
    // OK was answered "Oui" for a picture that leaves the paper.
    bool cutAccepted() const { return allowCut_; }
    // The picture, as now set, leaves the paper.
    bool overflows() const { return overflows_; }
    bool landscape() const { return landscape_; }
    int widthMm() const { return widthMm_; }
    double pictureWidth() const { return pictureWidth_; }
    double pictureHeight() const { return pictureHeight_; }
    const QImage& miniature() const { return miniature_; }

    QGroupBox* sizeGroup;
    widgets::StepArrows* widthFineArrows;    // millimetres
    widgets::StepArrows* widthCoarseArrows;  // centimetres
    QLabel* widthText;                       // width in cm
    QLabel* heightText;                      // height in cm (follows)
    QLabel* overflowText;                    // shown, red, while the picture leaves the paper
    QPushButton* fitButton;                  // the largest width that fits where it stands
    QPushButton* orientationButton;
    QCheckBox* keepSettingsCheck;
    QCheckBox* printNameCheck;
    QGroupBox* positionGroup;
    widgets::ImageBox* sheetPicture;   // the sheet under the miniature
    QWidget* paperOutline;             // positions are measured from its corner
    widgets::ImageBox* miniatureView;  // the page at scale
    widgets::StepArrows* xArrows;
    QLabel* xText;
    widgets::StepArrows* yArrows;
    QLabel* yText;
    QPushButton* okButton;
    QPushButton* cancelButton;
    QPushButton* printerSetupButton;

  public slots:
    void applyFineWidth();
    void applyCoarseWidth();
    void moveHorizontally();
    void moveVertically();
    void toggleOrientation();
    void keepSettings(bool on);
    void setUpPrinter();
    void acceptSettings();
    void fitToPage();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void prepareShowing();
    void recompute();
    void showSize();
    void showPosition();
    // The quarter turn of the miniature and the fit into the photo format.
    void turn(bool toLandscape);
    // The paper stays portrait: on landscape the page is turned on it, as the miniature shows.
    void applyOrientation();
    // The placement that OK would take now.
    PagePlacement currentPlacement() const;
    // True when the page at placement stays on the printable area.
    bool fits(const PagePlacement& placement) const;
    // Red size and a warning while the picture leaves the printable area.
    void showOverflow();
    // The printable area's offsets in whole millimetres.
    void measurePrinter();

    platform::Prompts& prompts_;
    platform::Pacer& pacer_;
    platform::PrinterService& printer_;

    QImage miniature_;
    double pictureWidth_ = 1;
    double pictureHeight_ = 1;
    int widthMm_ = 150;
    int savedWidthMm_ = 0;
    bool keepSettings_ = false;
    bool landscape_ = false;
    ShownSize shown_;
    int offsetXMm_ = 0;
    int offsetYMm_ = 0;
    QSize pageSize_{1, 1};  // the page's own pixels, whatever the miniature holds
    bool overflows_ = false;
    PagePlacement placement_;
    bool printName_ = false;
    bool allowCut_ = false;
};

}  // namespace tessella::print
