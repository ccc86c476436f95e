#pragma once
// The clipboard seam: pictures in and out. Tests use a fake; the program the system's.

#include <QImage>

namespace tessella::platform {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Whether the clipboard holds a picture now.
    virtual bool hasImage() const = 0;
    // The clipboard's picture, or a null image when it holds none.
    virtual QImage image() const = 0;
    // The clipboard's content becomes picture alone.
    virtual void setImage(const QImage& picture) = 0;
};

// The system clipboard, through Qt's; one for the whole run.
Clipboard& SystemClipboard();

}  // namespace tessella::platform
