#pragma once
// The platform's printers (and Qt's PDF output) behind the printer service. The object lives
// as a child of a window, so it goes with the windows at the end of the run. A document that
// goes to a file is painted into memory and written whole through the atomic writer, so a full
// disk leaves the older file as it was.

#include <QBuffer>
#include <QObject>
#include <QPdfWriter>
#include <QPrinter>
#include <memory>

#include "platform/PaintingPrinter.h"

class QTextDocument;

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

    // A PDF file stores each picture once at its own pixels and places it sharp; a printer
    // gets pictures at its own resolution.
    bool scalesPictures() const override;

    QPrinter* platformPrinter() override { return &printer_; }

  private:
    // With PDF output every document is a file of its own: documents after the first one
    // written to the chosen name go beside it, numbered, instead of overwriting it.
    QString nextDocumentFile();

    // Device pixels at the printer's own resolution.
    mutable QPrinter printer_{QPrinter::HighResolution};
    QString chosenPdfFile_;  // the PDF file name last chosen
    int pdfDocuments_ = 0;   // documents written under that name
    // The open document's PDF while it goes to a file, and that file.
    QBuffer pdfBytes_;
    std::unique_ptr<QPdfWriter> pdf_;
    QString pdfFile_;
};

// True when the printer's output is a file (PDF, or a printer set to print to a file).
bool PrintsToFile(const QPrinter& printer);
// A PDF writer into bytes with the printer's paper, margins, resolution and PDF version, for
// a document that must reach the file whole.
std::unique_ptr<QPdfWriter> PdfInMemoryFor(const QPrinter& printer, QBuffer& bytes);
// Prints document on printer; a file is written whole through the atomic writer (throws
// TessellaError when it cannot be).
void PrintTextDocument(QTextDocument& document, QPrinter& printer);

}  // namespace tessella::widgets
