#pragma once
// The platform's printers (and Qt's PDF output) behind the printer service. The object lives
// as a child of a window, so it goes with the windows at the end of the run.

#include <QObject>
#include <QPrinter>

#include "platform/PaintingPrinter.h"

namespace tessella::widgets {

class QtPrinter final : public QObject, public platform::PaintingPrinter {
  public:
    explicit QtPrinter(QObject* parent = nullptr);
    ~QtPrinter() override;

    bool isAvailable() const override;
    int dotsPerInch() const override;
    QSize printableSize() const override;
    QPoint physicalOffset() const override;
    QSize paperSize() const override;
    platform::PaperOrientation orientation() const override;
    void setOrientation(platform::PaperOrientation orientation) override;

    void beginDocument(const QString& title) override;
    void endDocument() override;
    void abortDocument() noexcept override;

    QPrinter* platformPrinter() override { return &printer_; }

  private:
    // With PDF output every document is a file of its own: documents after the first one
    // written to the chosen name go beside it, numbered, instead of overwriting it.
    void chooseDocumentFile();
    // The printer shows the chosen name again once a document is over.
    void restoreChosenFile();

    // Device pixels at the printer's own resolution.
    mutable QPrinter printer_{QPrinter::HighResolution};
    QString chosenPdfFile_;  // the PDF file name last chosen
    int pdfDocuments_ = 0;   // documents written under that name
};

}  // namespace tessella::widgets
