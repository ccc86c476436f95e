#include "fuzz/FuzzOne.h"
#include "imagefile/TgaReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOne(data, size, tessella::imagefile::ReadTga);
}
