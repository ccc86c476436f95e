#include "fuzz/FuzzOne.h"
#include "imagefile/IconReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOne(data, size, [](const QByteArray& bytes) {
        return tessella::imagefile::ReadIcon(bytes, tessella::imagefile::kIcoInvalidMessage);
    });
}
