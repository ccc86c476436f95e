#pragma once
// A picture handed to a file writer one 24-bit row at a time, with its alpha row beside it when
// it has transparency, so that writing a large picture holds neither a converted copy of it nor
// the whole file's bytes.

#include <QByteArray>
#include <QImage>
#include <functional>

#include "pixels/PixelGrid.h"
#include "platform/SafeFile.h"

namespace tessella::imagefile {

struct BgrRows {
    int width = 0;
    int height = 0;
    int dotsPerMeterX = 0;
    int dotsPerMeterY = 0;
    // Row y (0 at the top) as width blue-green-red triples, valid until the next call.
    std::function<const uchar*(int y)> row;
    // Row y's alpha as width bytes (0 transparent, 255 opaque), valid until the next call;
    // empty for an opaque picture, which the writers then write as 24 bits.
    std::function<const uchar*(int y)> alpha = {};
};

// The rows of a working array, with its alpha plane when it has one, without its resolution.
// grid must outlive the answer.
inline BgrRows RowsOf(const pixels::PixelGrid& grid) {
    BgrRows rows{grid.width(), grid.height(), 0, 0,
                 [&grid](int y) { return reinterpret_cast<const uchar*>(grid.row(y)); }};
    if (grid.hasAlpha()) rows.alpha = [&grid](int y) { return grid.alphaRow(y); };
    return rows;
}

// The rows of image; pictures of other formats than Format_BGR888 are converted a band of
// rows at a time. A picture with an alpha channel and a texel below 255 gives its alpha rows
// too, its colours as stored (never blended). image must outlive the answer.
BgrRows RowsOf(const QImage& image);

// Gathers small writes (one row of a small element) into larger ones; flush() sends the rest.
class BufferedSink final : public platform::ByteSink {
  public:
    explicit BufferedSink(platform::ByteSink& out) : out_(out) { buffer_.reserve(kSize); }
    using platform::ByteSink::write;
    void write(const char* data, std::size_t size) override;
    void flush();

  private:
    static constexpr qsizetype kSize = 1 << 16;
    platform::ByteSink& out_;
    QByteArray buffer_;
};

// Appends to a byte array, for the writers that answer the file's bytes.
class AppendingSink final : public platform::ByteSink {
  public:
    explicit AppendingSink(QByteArray& out) : out_(out) {}
    using platform::ByteSink::write;
    void write(const char* data, std::size_t size) override { out_.append(data, qsizetype(size)); }

  private:
    QByteArray& out_;
};

}  // namespace tessella::imagefile
