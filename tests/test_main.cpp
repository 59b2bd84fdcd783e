// Test entry for the core: pins locale, zone and the desktop's file-type database, then runs
// a QGuiApplication so that fonts, images and local sockets work offscreen.
#include "fresh_state.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

// The system's type descriptions, but only our own applications: text/plain opens with "cat",
// and no other type has a default application, whatever is installed on the machine.
void pinDesktopDatabase(const QString &root)
{
    QDir().mkpath(root + QStringLiteral("/share"));
    QFile::link(QStringLiteral("/usr/share/mime"), root + QStringLiteral("/share/mime"));
    writeFile(root + QStringLiteral("/data/applications/tabulix-test-viewer.desktop"),
              "[Desktop Entry]\nType=Application\nName=Test Viewer\nExec=cat %f\nMimeType=text/plain;\n");
    writeFile(root + QStringLiteral("/config/mimeapps.list"),
              "[Default Applications]\ntext/plain=tabulix-test-viewer.desktop\n");
    setenv("XDG_DATA_DIRS", qPrintable(root + QStringLiteral("/share")), 1);
    setenv("XDG_DATA_HOME", qPrintable(root + QStringLiteral("/data")), 1);
    setenv("XDG_CONFIG_HOME", qPrintable(root + QStringLiteral("/config")), 1);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("LC_ALL", "de_DE.UTF-8", 0);
    setenv("TZ", "UTC", 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QTemporaryDir desktop;
    pinDesktopDatabase(desktop.path());
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshStateFolder);
    return RUN_ALL_TESTS();
}
