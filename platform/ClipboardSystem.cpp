#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/Clipboard.h"

namespace tessella::platform {

namespace {

class QtClipboard final : public Clipboard {
  public:
    bool hasImage() const override {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasImage();
    }
    QImage image() const override { return QGuiApplication::clipboard()->image(); }
    void setImage(const QImage& picture) override {
        QGuiApplication::clipboard()->setImage(picture);
    }
};

}  // namespace

Clipboard& SystemClipboard() {
    // Holds no state of its own: every call goes to the application's clipboard.
    static QtClipboard clipboard;
    return clipboard;
}

}  // namespace tessella::platform
