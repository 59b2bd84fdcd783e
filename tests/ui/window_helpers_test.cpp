#include "ui/dialog_placement.h"
#include "ui/splash.h"

#include <gtest/gtest.h>

TEST(Splash, TimerShowsHidesAndStopsAtItsTicks)
{
    for (int tick = 1; tick <= 10; ++tick) {
        const SplashTick actions = splashTick(tick);
        EXPECT_EQ(actions.showMainWindow, tick >= 4) << tick;
        EXPECT_EQ(actions.hideStartWindow, tick >= 6) << tick;
        EXPECT_EQ(actions.stopTimer, tick >= 8) << tick;
    }
    const QImage german = splashPicture(Language::German);
    const QImage english = splashPicture(Language::English);
    EXPECT_FALSE(german.isNull());
    EXPECT_EQ(german.size(), english.size());
    EXPECT_NE(german, english);
}

TEST(DialogPlacement, CentresOverTheMainWindowTruncatingTowardsZero)
{
    const QSize dialog(481, 220);
    EXPECT_EQ(placeOver(QPoint(100, 50), QSize(1001, 600), dialog), QPoint(100 + 260, 50 + 190));
    // Odd differences lose the half pixel.
    EXPECT_EQ(placeOver(QPoint(0, 0), QSize(800, 601), dialog), QPoint(159, 190));
    // A main window smaller than the dialog: negative odd differences truncate towards zero,
    // not downwards (-3 / 2 is -1, not -2).
    EXPECT_EQ(placeOver(QPoint(10, 20), QSize(478, 217), dialog), QPoint(9, 19));
    EXPECT_EQ(placeOver(QPoint(0, 0), QSize(100, 21), dialog), QPoint(-190, -99));
    EXPECT_EQ(placeOver(QPoint(-300, -40), QSize(481, 220), dialog), QPoint(-300, -40));
}
