// Test entry for the windows: the offscreen application object of the program, with pinned
// locale, zone and home folder.
#include "dialog_answers.h"
#include "fresh_state.h"
#include "ui/u_application.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    setenv("LC_ALL", "de_DE.UTF-8", 0);
    setenv("TZ", "UTC", 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // No session bus: nothing a test does reaches the desktop's file manager.
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tabulix-tests-bus", 1);
    // In test mode the configuration folder lies below $HOME: no test reaches the user's own.
    const QTemporaryDir home;
    setenv("HOME", qPrintable(home.path()), 1);
    QStandardPaths::setTestModeEnabled(true);
    TabulixApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshStateFolder);
    ::testing::UnitTest::GetInstance()->listeners().Append(new DialogAnswerCheck);
    return RUN_ALL_TESTS();
}
