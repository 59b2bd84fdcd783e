#include "app/view_layout.h"

#include <gtest/gtest.h>

TEST(ViewLayout, ColumnsAndSplittersFollowTheSwitches)
{
    const ViewLayout all = viewLayout({});
    EXPECT_TRUE(all.leftColumn && all.rightColumn && all.columnSplitter && all.previewSplitter);
    EXPECT_EQ(all.dividerCount, 0);
    for (const ViewArea area : viewAreas)
        EXPECT_EQ(all.restoreX(area), -1);

    // Input and preview hidden: the left column and both splitters go.
    const ViewLayout rightOnly = viewLayout({false, false, true, true});
    EXPECT_FALSE(rightOnly.leftColumn);
    EXPECT_TRUE(rightOnly.rightColumn);
    EXPECT_FALSE(rightOnly.columnSplitter);
    EXPECT_FALSE(rightOnly.previewSplitter);

    // One area of the left column keeps the column but not the splitter between the two.
    const ViewLayout inputOnly = viewLayout({true, false, true, true});
    EXPECT_TRUE(inputOnly.leftColumn);
    EXPECT_TRUE(inputOnly.columnSplitter);
    EXPECT_FALSE(inputOnly.previewSplitter);

    // Either area of the right column keeps it.
    EXPECT_TRUE(viewLayout({true, true, false, true}).rightColumn);
    EXPECT_TRUE(viewLayout({true, true, true, false}).rightColumn);
    const ViewLayout leftOnly = viewLayout({true, true, false, false});
    EXPECT_FALSE(leftOnly.rightColumn);
    EXPECT_FALSE(leftOnly.columnSplitter);
    EXPECT_TRUE(leftOnly.previewSplitter);
}

TEST(ViewLayout, RestoreButtonsTakeTheNextFreeSlot)
{
    const ViewLayout rightOnly = viewLayout({false, false, true, true});
    EXPECT_EQ(rightOnly.restoreX(ViewArea::Input), 8);
    EXPECT_EQ(rightOnly.restoreX(ViewArea::Preview), 70);
    EXPECT_EQ(rightOnly.restoreX(ViewArea::Actions), -1);
    EXPECT_EQ(rightOnly.dividerCount, 2);

    // A gap in the hidden areas leaves no gap among the buttons.
    const ViewLayout previewAndOutput = viewLayout({true, false, true, false});
    EXPECT_EQ(previewAndOutput.restoreX(ViewArea::Preview), 8);
    EXPECT_EQ(previewAndOutput.restoreX(ViewArea::Output), 70);
    EXPECT_EQ(previewAndOutput.restoreX(ViewArea::Input), -1);
    EXPECT_EQ(previewAndOutput.dividerCount, 2);

    const ViewLayout none = viewLayout({false, false, false, false});
    EXPECT_EQ(none.restoreButtonX, (std::array<int, 4>{8, 70, 132, 194}));
    EXPECT_EQ(none.dividerCount, 4);
    EXPECT_FALSE(none.leftColumn || none.rightColumn);

    // Each divider stands between its button and the next slot.
    for (int index = 0; index < 4; ++index) {
        EXPECT_GE(dividerX(index), none.restoreButtonX[index] + RestoreButtonWidth);
        EXPECT_LE(dividerX(index) + DividerWidth, RestoreButtonLeft + (index + 1) * RestoreButtonStep);
    }

    // Captions wider than a slot widen every slot alike; narrower ones keep the slots.
    EXPECT_EQ(viewLayout({false, false, false, false}, 70).restoreButtonX,
              (std::array<int, 4>{8, 88, 168, 248}));
    EXPECT_EQ(dividerX(1, 70), 88 + 74);
    EXPECT_EQ(viewLayout({false, false, false, false}, 40).restoreButtonX, none.restoreButtonX);
    EXPECT_EQ(dividerX(1, 40), dividerX(1));
}

TEST(ViewLayout, HalfSplitGivesTheFirstSideHalfTheTotal)
{
    EXPECT_EQ(halfSplit(600, 6), (std::array<int, 2>{300, 294}));
    EXPECT_EQ(halfSplit(601, 6), (std::array<int, 2>{300, 295}));
    EXPECT_EQ(halfSplit(4, 6), (std::array<int, 2>{2, 0}));
}
