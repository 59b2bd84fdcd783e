// Test entry for the core: pins locale and zone, then runs a QGuiApplication
// so that fonts, images and local sockets work offscreen.
#include <QGuiApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    setenv("LC_ALL", "de_DE.UTF-8", 0);
    setenv("TZ", "UTC", 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
