#pragma once
// A clipboard of the test alone: holds one picture and counts what was put on it.

#include "platform/Clipboard.h"

namespace tessella::testing {

class FakeClipboard final : public platform::Clipboard {
  public:
    bool hasImage() const override { return !picture.isNull() || unreadable; }
    QImage image() const override { return picture; }
    void setImage(const QImage& image) override {
        picture = image;
        ++writes;
    }

    QImage picture;
    int writes = 0;
    // Offers a picture that cannot be read, as a too large one is.
    bool unreadable = false;
};

}  // namespace tessella::testing
