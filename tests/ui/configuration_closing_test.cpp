#include "config/ini_document.h"
#include "configuration_window.h"
#include "file_write_test_support.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

IniDocument readDocument(const QString &path)
{
    return IniDocument::fromBytes(contentOf(path));
}

struct ClosingWindow : ConfigurationWindow {
    ClosingWindow() { prog->show(); }
    bool close() { return prog->close(); }
    void reopen() { prog->show(); }
};

} // namespace

TEST(ClosingWindow, SavesAutomaticallyAsChosen)
{
    ClosingWindow window;
    Settings &settings = window.state.settings;
    const QString start = startConfigurationPath();

    EXPECT_TRUE(window.close());
    EXPECT_FALSE(QFileInfo::exists(start));

    // The profile alone, with only the choices of the profile window: here none.
    window.reopen();
    window.action("m_konfig_autosave_profil")->trigger();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(readDocument(start).sections(), QStringList{u"AS"_s});
    EXPECT_EQ(readDocument(start).keyValues(u"AS"_s), (QStringList{u"N=0"_s, u"P=1"_s, u"A=0"_s}));
    QFile::remove(start);

    // Everything, the chosen switch included.
    window.reopen();
    window.action("m_konfig_autosave_alles")->trigger();
    settings.setOn(MenuSwitch::RefuseDuplicates, true);
    EXPECT_TRUE(window.close());
    const IniDocument complete = readDocument(start);
    for (const char *section : {"PBED", "PBCH", "PBRF", "PSCH", "SP", "FC", "ES", "AS"})
        EXPECT_TRUE(complete.sections().contains(QString::fromUtf8(section))) << section;
    EXPECT_TRUE(complete.readFlag(u"AS"_s, u"A"_s, false));
    EXPECT_TRUE(complete.readFlag(u"ES"_s, u"DO"_s, false));

    // Switching to "Never" saves nothing: the file still asks to save everything.
    const QByteArray saved = contentOf(start);
    window.reopen();
    window.action("m_konfig_autosave_nie")->trigger();
    settings.setOn(MenuSwitch::RefuseDuplicates, false);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(contentOf(start), saved);
}

TEST(ClosingWindow, FailedAutomaticSaveKeepsTheWindowOpen)
{
    ClosingWindow window;
    // The configuration folder cannot be made: a file has its name.
    const QString folder = configurationFolder();
    QDir().mkpath(QFileInfo(folder).path());
    QFile(folder).open(QIODevice::WriteOnly);

    for (const char *choice : {"m_konfig_autosave_alles", "m_konfig_autosave_profil"}) {
        window.action(choice)->trigger();
        QString error;
        readErrorBox(error);
        EXPECT_FALSE(window.close()) << choice;
        EXPECT_TRUE(window.prog->isVisible());
        EXPECT_TRUE(error.contains(startConfigurationPath())) << error.toStdString();
    }
    window.action("m_konfig_autosave_nie")->trigger();
    EXPECT_TRUE(window.close());
}
