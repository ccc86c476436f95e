#pragma once
// A printer that records what it is asked to do: documents, texts and pictures with their
// device rectangles. Its measures are set by the test (600 dpi A4 with small margins by
// default); it can refuse to start a document.

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "platform/Error.h"
#include "platform/PrinterService.h"
#include "platform/PrinterTexts.h"

namespace tessella::testing {

class RecordingPrinter final : public platform::PrinterService {
  public:
    struct Picture {
        QRect target;
        QImage picture;  // as the device receives it
    };
    struct Document {
        QString title;
        platform::PaperOrientation orientation;
        std::vector<std::pair<QPoint, QString>> texts;
        std::vector<Picture> pictures;
        bool ended = false;
        bool aborted = false;
    };

    bool isAvailable() const override { return available; }
    int dotsPerInch() const override { return available ? dpi : 0; }
    QSize printableSize() const override { return turned(printable); }
    QPoint physicalOffset() const override {
        return orientation_ == platform::PaperOrientation::Landscape
                   ? QPoint(offset.y(), offset.x())
                   : offset;
    }
    QSize paperSize() const override { return turned(paper); }
    platform::PaperOrientation orientation() const override { return orientation_; }
    void setOrientation(platform::PaperOrientation o) override {
        orientation_ = o;
        orientations.push_back(o);
    }

    void beginDocument(const QString& title) override {
        if (refuseStart) throw platform::TessellaError(platform::kPrintRefusedMessage);
        documents.push_back({title, orientation_, {}, {}, false, false});
    }
    void endDocument() override { documents.back().ended = true; }
    void abortDocument() noexcept override { documents.back().aborted = true; }
    void drawText(QPoint topLeft, const QString& text) override {
        documents.back().texts.emplace_back(topLeft, text);
    }
    void drawPicture(const QRect& target, const QImage& picture) override {
        documents.back().pictures.push_back(
            {target, platform::PictureForDevice(picture, target.size())});
    }

    QPrinter* platformPrinter() override { return setupPrinter; }

    // Portrait measures, turned for landscape paper.
    bool available = true;
    bool refuseStart = false;
    int dpi = 600;
    QSize paper{4960, 7016};  // A4 at 600 dpi
    QSize printable{4800, 6800};
    QPoint offset{80, 100};
    QPrinter* setupPrinter = nullptr;  // what the set-up dialog is shown on
    std::vector<Document> documents;
    std::vector<platform::PaperOrientation> orientations;

  private:
    QSize turned(QSize s) const {
        return orientation_ == platform::PaperOrientation::Landscape ? s.transposed() : s;
    }
    platform::PaperOrientation orientation_ = platform::PaperOrientation::Portrait;
};

}  // namespace tessella::testing
