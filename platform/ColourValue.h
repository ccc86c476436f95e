#pragma once
// A colour as colour dialogs and colour lists give it: 0x00BBGGRR (red in the low byte).

#include <QColor>
#include <cstdint>

namespace tessella::platform {

class ColourValue {
  public:
    constexpr ColourValue() = default;
    constexpr explicit ColourValue(uint32_t bbggrr) : value_(bbggrr & 0x00FFFFFFu) {}
    static constexpr ColourValue fromRgb(uint8_t r, uint8_t g, uint8_t b) {
        return ColourValue(uint32_t{r} | (uint32_t{g} << 8) | (uint32_t{b} << 16));
    }
    static ColourValue fromQColor(const QColor& c) {
        return fromRgb(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                       static_cast<uint8_t>(c.blue()));
    }

    constexpr uint32_t value() const { return value_; }
    constexpr uint8_t red() const { return value_ & 0xFF; }
    constexpr uint8_t green() const { return (value_ >> 8) & 0xFF; }
    constexpr uint8_t blue() const { return (value_ >> 16) & 0xFF; }
    QColor toQColor() const { return QColor(red(), green(), blue()); }
    // As a QImage pixel of Format_RGB32 / ARGB32 (opaque).
    constexpr uint32_t toQRgb() const {
        return 0xFF000000u | (uint32_t{red()} << 16) | (uint32_t{green()} << 8) | blue();
    }

    friend constexpr bool operator==(ColourValue a, ColourValue b) = default;

  private:
    uint32_t value_ = 0;
};

inline constexpr ColourValue kMagenta = ColourValue(0x00FF00FFu);
inline constexpr ColourValue kWhite = ColourValue(0x00FFFFFFu);
inline constexpr ColourValue kBlack = ColourValue(0x00000000u);

}  // namespace tessella::platform
