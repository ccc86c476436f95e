#pragma once
// The width question of "Nouvelle texture TGA" (PageWidthDialog in the window).

#include <cstdint>

namespace tessella::texture {

class WidthQuestion {
  public:
    virtual ~WidthQuestion() = default;
    // Shows the question modally; answers the chosen width, 256 or 512, or 0 when it was
    // cancelled (its close box or Escape).
    virtual int32_t askWidth() = 0;
};

// Answers a width fixed in advance (tessella-cli).
class FixedWidth final : public WidthQuestion {
  public:
    explicit FixedWidth(int32_t width) : width_(width) {}
    int32_t askWidth() override { return width_; }

  private:
    int32_t width_;
};

}  // namespace tessella::texture
