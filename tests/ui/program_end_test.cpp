// The program's end through its windows. A failed automatic save keeps every window, whichever
// window asked; once the user chose not to save, "Beenden" ends the program and every window
// goes, the renaming tool's too.
#include "program_fixture.h"
#include "ui/u_renamix.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(ProgramEnd, AFailedSaveKeepsEveryWindowAndTheNextAttemptEnds)
{
    ProgramFixture window;
    TRenamix &renamer = window.program.renamer();
    window.prog->show();
    renamer.show();
    QSignalSpy ending(&window.prog->programExit(), &ProgramExit::ending);
    // The configuration folder cannot be made: a file has its name.
    QDir().mkpath(QFileInfo(configurationFolder()).path());
    QFile(configurationFolder()).open(QIODevice::WriteOnly);
    window.action("m_konfig_autosave_alles")->trigger();

    // Each attempt tells whether the program ended.
    const std::function<bool()> attempts[] = {
        [&] {
            window.action("m_datei_beenden")->trigger();
            return window.prog->programExit().isEnding();
        },
        [&] { return window.prog->close(); },
        [&] { return window.start->close(); },
    };
    for (const auto &attempt : attempts) {
        QString error;
        readErrorBox(error);
        EXPECT_FALSE(attempt());
        EXPECT_TRUE(error.contains(startConfigurationPath())) << error.toStdString();
        EXPECT_TRUE(window.prog->isVisible());
        EXPECT_TRUE(renamer.isVisible());
    }
    EXPECT_TRUE(ending.isEmpty());

    window.action("m_konfig_autosave_nie")->trigger();
    window.action("m_datei_beenden")->trigger();
    ASSERT_EQ(ending.size(), 1);
    EXPECT_EQ(ending.at(0).at(0).toInt(), 0);
    EXPECT_FALSE(window.prog->isVisible());
    EXPECT_FALSE(window.start->isVisible());
    EXPECT_FALSE(renamer.isVisible());
}
