#include "program_fixture.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The start window shown, as at a program start.
struct StartFixture : ProgramFixture {
    explicit StartFixture(Language language) : ProgramFixture(language) { start->show(); }
    QTimer *timer() const { return start->findChild<QTimer *>(QStringLiteral("Timer1")); }
    void tick() const { QMetaObject::invokeMethod(timer(), "timeout", Qt::DirectConnection); }
};

} // namespace

TEST(StartWindow, TimerShowsTheMainWindowThenHidesTheSplashThenStops)
{
    StartFixture fixture(Language::German);
    EXPECT_TRUE(fixture.start->findChild<QLabel *>(QStringLiteral("Image1"))->isVisible());
    EXPECT_FALSE(fixture.start->findChild<QLabel *>(QStringLiteral("en1"))->isVisible());
    EXPECT_EQ(fixture.start->findChild<QLabel *>(QStringLiteral("spr"))->text(), QStringLiteral("de"));
    ASSERT_TRUE(fixture.timer()->isActive());

    for (int i = 0; i < 3; ++i)
        fixture.tick();
    EXPECT_FALSE(fixture.prog->isVisible());
    fixture.tick();
    EXPECT_TRUE(fixture.prog->isVisible());
    EXPECT_TRUE(fixture.start->isVisible());
    fixture.tick();
    fixture.tick();
    EXPECT_FALSE(fixture.start->isVisible());
    EXPECT_TRUE(fixture.timer()->isActive());
    fixture.tick();
    fixture.tick();
    EXPECT_FALSE(fixture.timer()->isActive());
    EXPECT_EQ(fixture.start->tickCount(), 8);
}

TEST(StartWindow, ClickOnTheSplashBringsUpTheMainWindowAtOnce)
{
    StartFixture fixture(Language::English);
    auto *english = fixture.start->findChild<QLabel *>(QStringLiteral("en1"));
    ASSERT_TRUE(english->isVisible());
    QTest::mouseClick(english, Qt::LeftButton);
    EXPECT_TRUE(fixture.prog->isVisible());
    EXPECT_FALSE(fixture.start->isVisible());
    EXPECT_FALSE(fixture.timer()->isActive());

    // The language label follows a switch.
    fixture.state.settings.setLanguage(Language::German);
    EXPECT_EQ(fixture.start->findChild<QLabel *>(QStringLiteral("spr"))->text(), QStringLiteral("de"));
}

TEST(StartWindow, ClosingTheMainWindowClosesTheStartWindow)
{
    StartFixture fixture(Language::German);
    fixture.prog->show();
    ASSERT_TRUE(fixture.start->isVisible());
    fixture.prog->close();
    EXPECT_FALSE(fixture.prog->isVisible());
    EXPECT_FALSE(fixture.start->isVisible());
}
