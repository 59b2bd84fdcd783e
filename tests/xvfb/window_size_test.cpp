// The main window on an X screen larger than itself: its client is the size the settings store,
// from a fresh start and through saving and loading.
#include "config/config_location.h"
#include "file_write_test_support.h"
#include "program_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(WindowOnScreen, TheClientIsTheStoredSizeThroughSaveAndLoad)
{
    ASSERT_EQ(QGuiApplication::platformName(), u"xcb") << "run under xvfb-run with QT_QPA_PLATFORM=xcb";
    ProgramFixture window;
    window.prog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.prog));
    EXPECT_EQ(window.prog->centralWidget()->size(), MainClientSize);

    window.action("m_konfig_save_start")->trigger();
    const QByteArray saved = contentOf(startConfigurationPath());
    const WindowPlacement placed = window.state.settings.mainPlacement().window;
    EXPECT_EQ(QSize(placed.width, placed.height), MainClientSize);
    window.prog->configurations().loadConfiguration(LoadOrigin::User, startConfigurationPath());
    EXPECT_EQ(window.prog->centralWidget()->size(), MainClientSize);
    window.action("m_konfig_save_start")->trigger();
    EXPECT_EQ(contentOf(startConfigurationPath()), saved);
}
