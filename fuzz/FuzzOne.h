#pragma once
// Runs one decoder on fuzz input: it may return a picture or throw our own error, nothing else.

#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <cstdint>

#include "platform/Error.h"

template <typename Decoder>
int FuzzOne(const uint8_t* data, size_t size, Decoder decode) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage image = decode(bytes);
        if (image.isNull() || image.width() < 1 || image.height() < 1) __builtin_trap();
    } catch (const tessella::platform::TessellaError&) {
    }
    return 0;
}
