#include "fuzz/FuzzOne.h"
#include "imagefile/GpuTextureReader.h"

// One input through the three containers: each refuses the others' files at their first bytes,
// so the corpus of one kind explores the others' refusals too.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzOne(data, size, tessella::imagefile::ReadDds);
    FuzzOne(data, size, tessella::imagefile::ReadKtx2);
    return FuzzOne(data, size, tessella::imagefile::ReadAstcFile);
}
