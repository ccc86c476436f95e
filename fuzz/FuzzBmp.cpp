#include "fuzz/FuzzOne.h"
#include "imagefile/BmpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOne(data, size, tessella::imagefile::ReadBmp);
}
