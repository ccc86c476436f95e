#pragma once
// A clipboard of the test alone: holds one picture and counts what was put on it.

#include "platform/Clipboard.h"

namespace tessella::testing {

class FakeClipboard final : public platform::Clipboard {
public:
    bool hasImage() const override { return !picture.isNull(); }
    QImage image() const override { return picture; }
    void setImage(const QImage& image) override {
        picture = image;
        ++writes;
    }

    QImage picture;
    int writes = 0;
};

}  // namespace tessella::testing
