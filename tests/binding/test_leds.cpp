#include <gtest/gtest.h>

#include "ovsnmpledcolormaplist.h"

namespace {

const OvSNMPLedColour kPortColours[] = {
    {0, 0x4080FF}, {1, 0x4080FF}, {2, 0x00FF00}, {3, 0x00FF00}, {4, 0x00FF00}, {5, 0x0000FF}, {0, -1},
};

// Codes above a byte match by their low byte; the first match wins.
const OvSNMPLedColour kOverlapping[] = {
    {0x102, 0x111111}, {2, 0x222222}, {7, 0x000000}, {9, -1},
};

const OvSNMPLedColour kExtra[] = {{6, 0xABCDEF}, {2, 0x333333}, {0, -1}};

TEST(LedColorMapList, BuildingCopiesTheTableWithoutItsEndingRow) {
    const OvSNMPLedColorMapList map(kPortColours, 7, 0x80, 0, 0x123456);
    EXPECT_EQ(map.ValueMask, 7);
    EXPECT_EQ(map.BlinkMask, 0x80);
    EXPECT_EQ(map.OffColour, 0);
    EXPECT_EQ(map.NoDataColour, 0x123456);
    ASSERT_EQ(map.Count(), 6);
    EXPECT_EQ(map.Entry(5).StatusCode, 5);
    EXPECT_EQ(map.Entry(5).Colour, 0x0000FF);
    EXPECT_THROW(map.Entry(6), std::out_of_range);
}

TEST(LedColorMapList, LookupTakesTheFirstRowOfTheStatusAndBlackOtherwise) {
    OvSNMPLedColorMapList map(kOverlapping, 7, 0x80, 0, -1);
    struct Case {
        uint8_t status;
        int32_t colour;
    } const cases[] = {{2, 0x111111}, {7, 0x000000}, {0, 0}, {9, 0}, {0x82, 0}, {6, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(map.LookupColour(c.status), c.colour) << int(c.status);

    map.Append(kExtra);
    EXPECT_EQ(map.Count(), 5);
    EXPECT_EQ(map.LookupColour(6), 0xABCDEF);
    EXPECT_EQ(map.LookupColour(2), 0x111111) << "an appended row never shadows an earlier one";
}

TEST(LedColorMapList, EmptyOrMissingTablesGiveNoRows) {
    const OvSNMPLedColour empty[] = {{5, -1}};
    OvSNMPLedColorMapList map(empty, 7, 0x80, 0x010101, 0);
    map.Append(nullptr);
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.LookupColour(5), 0);
    EXPECT_EQ(OvSNMPLedColorMapList(nullptr, 0, 0, 0, 0).Count(), 0);
}

}  // namespace
