// The main window on an X screen larger than itself: its client is the size the settings store,
// from a fresh start and through saving and loading.
#include "all_windows.h"
#include "config/config_location.h"
#include "file_write_test_support.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(WindowOnScreen, TheClientIsTheStoredSizeThroughSaveAndLoad)
{
    ASSERT_EQ(QGuiApplication::platformName(), u"xcb") << "run under xvfb-run with QT_QPA_PLATFORM=xcb";
    AllWindows window;
    window.prog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.prog.get()));
    EXPECT_EQ(window.prog->centralWidget()->size(), MainClientSize);

    window.action("m_konfig_save_start")->trigger();
    const QByteArray saved = contentOf(startConfigurationPath());
    const WindowPlacement placed = window.state.settings.mainPlacement().window;
    EXPECT_EQ(QSize(placed.width, placed.height), MainClientSize);
    window.prog->loadConfiguration(LoadOrigin::User, startConfigurationPath());
    EXPECT_EQ(window.prog->centralWidget()->size(), MainClientSize);
    window.action("m_konfig_save_start")->trigger();
    EXPECT_EQ(contentOf(startConfigurationPath()), saved);
}
