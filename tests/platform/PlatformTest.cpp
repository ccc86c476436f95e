#include <gtest/gtest.h>

#include <limits>

#include "platform/CheckedMath.h"
#include "platform/Error.h"
#include "platform/Guard.h"
#include "platform/ImageLimits.h"
#include "platform/Prompts.h"
#include "platform/Rounding.h"
#include "tests/support/ScriptedPrompts.h"

using namespace tessella::platform;
using tessella::testing::ScriptedPrompts;

TEST(Rounding, TiesGoToTheEvenNeighbourAndOverflowThrows) {
    const struct {
        double v;
        int32_t r;
    } rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.5001, 3}, {-2.6, -3}};
    for (const auto& row : rows) EXPECT_EQ(RoundHalfEven(row.v), row.r) << row.v;
    EXPECT_THROW(RoundHalfEven(3e9), TessellaError);
    EXPECT_THROW(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), TessellaError);
}

TEST(CheckedMath, OverflowThrowsInsteadOfWrapping) {
    const int32_t max = std::numeric_limits<int32_t>::max();
    const int32_t min = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(CheckedAdd(max - 1, 1), max);
    EXPECT_THROW(CheckedMul(65536, 32768), TessellaError);
    EXPECT_THROW(CheckedDiv(1, 0), TessellaError);
    EXPECT_THROW(CheckedDiv(min, -1), TessellaError);
    try {
        CheckedAdd(max, 1);
        ADD_FAILURE();
    } catch (const TessellaError& e) {
        EXPECT_EQ(e.message(), kOverflowMessage);
    }
}

TEST(ImageLimits, RefusesAbsurdSizesBeforeAllocating) {
    EXPECT_TRUE(ImageSizeAllowed(512, 32000));
    EXPECT_FALSE(ImageSizeAllowed(0, 10));
    EXPECT_FALSE(ImageSizeAllowed(65535, 65535));  // 4 gigapixels
    EXPECT_THROW(CheckImageSize(-1, 5, "Targa"), TessellaError);
}

TEST(Guard, ShowsTheFaultAndGoesOn) {
    ScriptedPrompts prompts;
    prompts.expectMessage(MessageKind::Error, "Targa : image invalide")
        .expectMessage(MessageKind::Error, kOutOfMemoryMessage);
    EXPECT_FALSE(Guard(prompts, [] { throw TessellaError("Targa : image invalide"); }));
    EXPECT_FALSE(Guard(prompts, [] { throw std::bad_alloc(); }));
    EXPECT_TRUE(Guard(prompts, [] {}));
    EXPECT_TRUE(prompts.scriptDone());
}
