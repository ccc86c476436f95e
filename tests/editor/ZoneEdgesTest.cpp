// Zones at the bottom edge of the element, as the right and left edges are tested elsewhere.

#include <gtest/gtest.h>

#include "editor/ZoneGeometry.h"

using namespace tessella::editor;

namespace {

TEST(ZoneGeometry, ZonesAndBandsStopAtTheBottomEdge) {
    const QSize element(64, 64);
    // Centred at y = 62, a 10-high zone would start at 57 and end past 64: pulled up to 54.
    EXPECT_EQ(PlaceZone({30, 62}, {20, 10}, element), QRect(20, 54, 20, 10));
    EXPECT_EQ(PlaceZone({30, 63}, {20, 10}, element), QRect(20, 54, 20, 10));
    // Taller than the element: cut to its 64 rows, from the top.
    EXPECT_EQ(PlaceZone({30, 30}, {10, 80}, element), QRect(25, 0, 10, 64));
    // A band from y = 50 down to 90 at zoom 1 keeps rows 50 to 63.
    EXPECT_EQ(ElementRectOf(BandRect({10, 50}, {20, 90}), 1, element), QRect(10, 50, 10, 14));
    // At zoom 2 the band's bottom 140 is row 70: cut to 64, rows 30 to 63.
    EXPECT_EQ(ElementRectOf(BandRect({20, 60}, {40, 140}), 2, element), QRect(10, 30, 10, 34));
}

}  // namespace
