#include "imagefile/RlaDecoder.h"

#include <cstdint>
#include <cstring>

#include "imagefile/ImageFileTexts.h"
#include "pixels/LargeImage.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

constexpr qsizetype kHeaderSize = 740;
constexpr qsizetype kActiveWindowAt = 8;  // left, right, bottom, top
constexpr qsizetype kNumChanAt = 20;
constexpr qsizetype kChanBitsAt = 658;

[[noreturn]] void Invalid() {
    throw platform::TessellaError(kRlaInvalidMessage);
}

class BigEndian {
  public:
    explicit BigEndian(const QByteArray& data)
        : bytes_(reinterpret_cast<const uint8_t*>(data.constData())), size_(data.size()) {}
    qsizetype size() const { return size_; }
    uint16_t U16(qsizetype at) const {
        Need(at, 2);
        return static_cast<uint16_t>(bytes_[at] << 8 | bytes_[at + 1]);
    }
    int16_t S16(qsizetype at) const { return static_cast<int16_t>(U16(at)); }
    int32_t S32(qsizetype at) const {
        Need(at, 4);
        return static_cast<int32_t>(uint32_t{bytes_[at]} << 24 | uint32_t{bytes_[at + 1]} << 16 |
                                    uint32_t{bytes_[at + 2]} << 8 | bytes_[at + 3]);
    }
    const uint8_t* Span(qsizetype at, qsizetype count) const {
        Need(at, count);
        return bytes_ + at;
    }

  private:
    void Need(qsizetype at, qsizetype count) const {
        if (at < 0 || count < 0 || at > size_ || count > size_ - at) Invalid();
    }
    const uint8_t* bytes_;
    qsizetype size_;
};

// Expands one channel of one scanline: count >= 0 repeats the next byte count + 1 times,
// count < 0 copies -count literal bytes. The runs must fill the row exactly.
void ExpandChannel(const uint8_t* in, qsizetype inSize, uint8_t* row, int width) {
    qsizetype i = 0;
    int x = 0;
    while (x < width) {
        if (i >= inSize) Invalid();
        const int count = static_cast<int8_t>(in[i++]);
        if (count >= 0) {
            if (i >= inSize || count + 1 > width - x) Invalid();
            std::memset(row + x, in[i++], static_cast<size_t>(count) + 1);
            x += count + 1;
        } else {
            const int literal = -count;
            if (literal > width - x || literal > inSize - i) Invalid();
            std::memcpy(row + x, in + i, static_cast<size_t>(literal));
            i += literal;
            x += literal;
        }
    }
}

}  // namespace

QImage DecodeRla(const QByteArray& data) {
    const BigEndian file(data);
    if (file.size() < kHeaderSize) Invalid();
    const int64_t left = file.S16(kActiveWindowAt);
    const int64_t right = file.S16(kActiveWindowAt + 2);
    const int64_t bottom = file.S16(kActiveWindowAt + 4);
    const int64_t top = file.S16(kActiveWindowAt + 6);
    const int64_t width64 = right - left + 1;
    const int64_t height64 = top - bottom + 1;
    platform::CheckImageSize(width64, height64, kRlaWhat);
    const int width = static_cast<int>(width64);
    const int height = static_cast<int>(height64);

    const int colourChannels = file.S16(kNumChanAt);
    if (colourChannels != 1 && colourChannels != 3) Invalid();
    // Older writers leave the depth field at zero; their channels are 8 bits.
    const int bits = file.S16(kChanBitsAt);
    if (bits != 8 && bits != 0) throw platform::TessellaError(kRlaDepthRefusedMessage.arg(bits));
    // The offset table alone must fit the file before anything is allocated.
    if (height64 * 4 > file.size() - kHeaderSize) Invalid();

    QImage image = pixels::NewImage(width, height, QImage::Format_BGR888);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    QByteArray channelRow(width, Qt::Uninitialized);
    uint8_t* channel = reinterpret_cast<uint8_t*>(channelRow.data());
    for (int stored = 0; stored < height; ++stored) {
        qsizetype at = file.S32(kHeaderSize + qsizetype{stored} * 4);
        uint8_t* out = image.scanLine(height - 1 - stored);  // scanlines run bottom to top
        for (int c = 0; c < colourChannels; ++c) {
            const qsizetype length = file.U16(at);
            ExpandChannel(file.Span(at + 2, length), length, channel, width);
            at += 2 + length;
            // Red, green, blue land on bytes 2, 1, 0; a single channel is grey.
            for (int target = 0; target < 3; ++target) {
                if (colourChannels == 3 && target != 2 - c) continue;
                for (int x = 0; x < width; ++x) out[x * 3 + target] = channel[x];
            }
        }
    }
    return image;
}

}  // namespace tessella::imagefile
