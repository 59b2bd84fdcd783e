#include "collect_test_support.h"
#include "config/ini_document.h"
#include "file_write_test_support.h"
#include "program_fixture.h"

#include <QSplitter>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ShownWindow : ProgramFixture {
    ShownWindow()
    {
        prog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(prog));
    }
    QSplitter *splitter(const QString &name) const { return prog->findChild<QSplitter *>(name); }
    // The right column is at least 316 wide, and as wide as its options need.
    int leastRightColumn() const { return prog->findChild<QWidget *>(u"Panel3"_s)->minimumWidth(); }
    // What the window shows, in the terms of a placement.
    MainWindowPlacement shown() const
    {
        const QSize client = prog->centralWidget()->size();
        return {{prog->isMaximized(), prog->x(), prog->y(), client.width(), client.height()},
                splitter(u"Splitter1"_s)->sizes().value(1),
                splitter(u"Splitter2"_s)->sizes().value(0)};
    }
};

} // namespace

TEST(WindowPlacement, TheWindowFollowsThePlacementSetting)
{
    ShownWindow window;
    Settings &settings = window.state.settings;
    const int column = window.leastRightColumn() + 34;
    const MainWindowPlacement placed{{false, 40, 30, column + 350, 560}, column, 250};
    settings.setMainPlacement(placed);
    EXPECT_EQ(window.shown(), placed);

    // Outside a start-up load a maximised placement maximises at once.
    settings.setMainPlacement({{true, 40, 30, column + 350, 560}, column, 250});
    EXPECT_TRUE(window.prog->isMaximized());
    const MainWindowPlacement other{{false, 60, 50, column + 390, 540}, column + 14, 240};
    settings.setMainPlacement(other);
    EXPECT_EQ(window.shown(), other);

    // A side larger than the window stays as it is.
    settings.setMainPlacement({{false, 60, 50, column + 390, 540}, 5000, 4000});
    EXPECT_EQ(window.shown(), other);

    // A column narrower than its options need stays as wide as they need.
    settings.setMainPlacement({{false, 60, 50, column + 390, 540}, 316, 240});
    EXPECT_EQ(window.shown().rightColumnWidth, qMax(316, window.leastRightColumn()));
}

TEST(WindowPlacement, SavingTakesThePlacementAndTheResetKeepsThePosition)
{
    ShownWindow window;
    Settings &settings = window.state.settings;
    window.prog->move(70, 20);
    window.splitter(u"Splitter1"_s)->setSizes({400, 400});
    window.splitter(u"Splitter2"_s)->setSizes({200, 500});
    const MainWindowPlacement before = window.shown();
    ASSERT_EQ(before.window.left, 70);
    ASSERT_NE(before.rightColumnWidth, settings.mainPlacement().rightColumnWidth);

    window.action("m_konfig_save_start")->trigger();
    EXPECT_EQ(settings.mainPlacement(), before);
    // Capturing leaves the window where it is.
    EXPECT_EQ(window.shown(), before);

    window.action("m_konfig_standard")->trigger();
    EXPECT_EQ(window.shown(),
              (MainWindowPlacement{{false, 70, 20, 761, 614}, qMax(316, window.leastRightColumn()), 289}));
}

TEST(WindowPlacement, LoadedConfigurationsPlaceTheWindow)
{
    ShownWindow window;
    QTemporaryDir folder;
    const QString path = folder.filePath(u"placed.tbx"_s);
    window.prog->move(50, 40);
    window.splitter(u"Splitter1"_s)->setSizes({380, 420});
    window.splitter(u"Splitter2"_s)->setSizes({250, 400});
    const MainWindowPlacement saved = window.shown();
    chooseInFileDialog(path);
    window.action("m_konfig_save")->trigger();

    window.action("m_konfig_standard")->trigger();
    window.prog->move(90, 80);
    ASSERT_NE(window.shown(), saved);
    chooseInFileDialog(path);
    window.action("m_konfig_load")->trigger();
    EXPECT_EQ(window.shown(), saved);

    // A maximised window loaded at start-up waits for its activation; a user's load maximises.
    IniDocument maximised = IniDocument::fromBytes(contentOf(path));
    maximised.writeFlag(u"SP"_s, u"PF"_s, true);
    makeFile(path, maximised.toBytes());
    window.prog->configurations().loadConfiguration(LoadOrigin::StartUp, path);
    EXPECT_FALSE(window.prog->isMaximized());
    EXPECT_TRUE(window.prog->placement().maximizeOnActivate());
    window.prog->placement().setMaximizeOnActivate(false);
    window.prog->configurations().loadConfiguration(LoadOrigin::User, path);
    EXPECT_TRUE(window.prog->isMaximized());
}
