#pragma once
// The printer as the print windows see it: resolution, printable area and offsets, paper,
// orientation, documents, text, and pictures drawn into device rectangles (one to one, or
// scaled sharp by the device itself, as a PDF file does). Implementations: the platform's printers
// (QPrinter), PDF files (QPdfWriter), a recording fake.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPrinter;

namespace tessella::platform {

enum class PaperOrientation { Portrait, Landscape };

class PrinterService {
  public:
    virtual ~PrinterService() = default;

    // False when no printer is installed: nothing may be measured or printed then.
    virtual bool isAvailable() const = 0;
    // Horizontal logical resolution in device pixels per inch.
    virtual int dotsPerInch() const = 0;
    // Size of the printable area in device pixels; device coordinates start at its corner.
    virtual QSize printableSize() const = 0;
    // Where the printable area starts on the paper, in device pixels.
    virtual QPoint physicalOffset() const = 0;
    // The whole sheet in device pixels, for the orientation in force.
    virtual QSize paperSize() const = 0;
    virtual PaperOrientation orientation() const = 0;
    virtual void setOrientation(PaperOrientation orientation) = 0;

    // Throws TessellaError when the printer refuses to start the document.
    virtual void beginDocument(const QString& title) = 0;
    // Throws TessellaError when the document could not be finished.
    virtual void endDocument() = 0;
    // Drops a begun document; never throws.
    virtual void abortDocument() noexcept = 0;
    // Text with its top-left corner at topLeft (device pixels).
    virtual void drawText(QPoint topLeft, const QString& text) = 0;
    // The picture into target (device pixels). A device that scales pictures places it at its
    // own size, each pixel a sharp block; on the others a picture of another size is first
    // resampled to the target's size, point by point, so that the device receives it one to one.
    virtual void drawPicture(const QRect& target, const QImage& picture) = 0;
    // True when the device scales pictures into their targets itself, without interpolation
    // (a PDF file: the picture is stored once, at its own pixels, and placed by the file).
    virtual bool scalesPictures() const { return false; }

    // The platform printer behind the service, for its set-up dialog; null when there is none.
    virtual QPrinter* platformPrinter() { return nullptr; }
};

// A document begun for the lifetime of the scope: end() finishes it; leaving the scope any
// other way (an exception) aborts it, so no failure leaves a document open.
class PrintDocument {
  public:
    PrintDocument(PrinterService& printer, const QString& title) : printer_(printer) {
        printer_.beginDocument(title);
    }
    ~PrintDocument() {
        if (open_) printer_.abortDocument();
    }
    PrintDocument(const PrintDocument&) = delete;
    PrintDocument& operator=(const PrintDocument&) = delete;
    void end() {
        open_ = false;
        printer_.endDocument();
    }

  private:
    PrinterService& printer_;
    bool open_ = true;
};

// The picture at target's size, point-sampled, as 24 bits (the picture itself when the size
// already matches).
QImage PictureForDevice(const QImage& picture, QSize target);

}  // namespace tessella::platform
