// The menu "Ansicht", the close and restore buttons, and the split of the left column.
#include "collect_test_support.h"
#include "config/ini_document.h"
#include "file_write_test_support.h"
#include "program_fixture.h"

#include <QFrame>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ShownView : ProgramFixture {
    ShownView()
    {
        prog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(prog));
        prog->placement().setMaximizeOnActivate(false);
    }
    QWidget *part(const char *name) const { return prog->findChild<QWidget *>(QString::fromUtf8(name)); }
    QSplitter *splitter(const char *name) const
    {
        return prog->findChild<QSplitter *>(QString::fromUtf8(name));
    }
    QPushButton *restoreButton(const char *name) const
    {
        return prog->findChild<QPushButton *>(QString::fromUtf8(name));
    }
    bool panelSetting(const char *name) const
    {
        return state.settings.isOn(SettingsWindow::PB, QString::fromUtf8(name));
    }
    int visibleDividers() const
    {
        int count = 0;
        for (int index = 1; index <= 4; ++index)
            count += prog->findChild<QFrame *>(u"max_b%1"_s.arg(index))->isVisible() ? 1 : 0;
        return count;
    }
    // The divider lines that show are the first ones.
    bool dividersPackedFromTheLeft() const
    {
        const int count = visibleDividers();
        for (int index = 1; index <= 4; ++index)
            if (prog->findChild<QFrame *>(u"max_b%1"_s.arg(index))->isVisible() != (index <= count))
                return false;
        return true;
    }
    int columnHeight() const { return splitter("Splitter1")->height(); }
    // The x of restore button slot 0, 1, 2...: 8, 70, 132 for buttons of the least width, 52;
    // slots for wider captions keep the 10 pixels between them.
    int slotX(int slot) const { return 8 + slot * (restoreButton("max_input")->width() + 10); }
};

// Drags the splitter's handle by `by` pixels as the mouse would.
void dragHandle(QSplitter *splitter, int by)
{
    QWidget *handle = splitter->handle(1);
    const QPoint start = handle->rect().center();
    const QPoint end = start + (splitter->orientation() == Qt::Vertical ? QPoint(0, by) : QPoint(by, 0));
    QTest::mousePress(handle, Qt::LeftButton, {}, start);
    QTest::mouseMove(handle, end);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
}

} // namespace

TEST(ViewLogic, HidingInputAndPreviewLeavesTheRightColumnFillingTheWindow)
{
    ShownView window;
    QAction *input = window.action("m_anz_input");
    QAction *preview = window.action("m_anz_vorschau");
    ASSERT_TRUE(input->isChecked() && preview->isChecked());
    input->trigger();
    preview->trigger();

    EXPECT_FALSE(input->isChecked());
    EXPECT_FALSE(window.state.settings.isOn(MenuSwitch::ShowPreview));
    EXPECT_FALSE(window.part("Panel2")->isVisible());
    EXPECT_TRUE(window.splitter("Splitter1")->handle(1)->isHidden());
    EXPECT_TRUE(window.splitter("Splitter2")->handle(1)->isHidden());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.part("Panel3")->width() == window.part("Panel1")->width(); }));
    EXPECT_TRUE(window.part("Panel7")->isVisible());
    EXPECT_TRUE(window.part("Panel6")->isVisible());

    QPushButton *maxInput = window.restoreButton("max_input");
    QPushButton *maxPreview = window.restoreButton("max_vorschau");
    EXPECT_TRUE(maxInput->isVisible());
    EXPECT_EQ(maxInput->x(), 8);
    EXPECT_EQ(maxInput->text(), u"Input"_s);
    EXPECT_EQ(maxInput->toolTip(), u"Input Bereich maximieren"_s);
    EXPECT_TRUE(maxPreview->isVisible());
    EXPECT_EQ(maxPreview->x(), window.slotX(1));
    EXPECT_GE(maxPreview->width(), 52);
    EXPECT_EQ(maxPreview->width(), maxInput->width());
    EXPECT_EQ(maxPreview->text(), u"Vorschau"_s);
    EXPECT_FALSE(window.restoreButton("max_aktionen")->isVisible());
    EXPECT_FALSE(window.restoreButton("max_output")->isVisible());
    EXPECT_EQ(window.visibleDividers(), 2);
    EXPECT_TRUE(window.dividersPackedFromTheLeft());
    // The stored panel values say what shows.
    EXPECT_FALSE(window.panelSetting("Panel2"));
    EXPECT_FALSE(window.panelSetting("Panel4"));
    EXPECT_FALSE(window.panelSetting("Panel5"));
    EXPECT_TRUE(window.panelSetting("Panel3"));

    // Restoring the preview moves the input's button to the first slot.
    maxPreview->click();
    EXPECT_TRUE(preview->isChecked());
    EXPECT_TRUE(window.part("Panel5")->isVisible());
    EXPECT_FALSE(window.part("Panel4")->isVisible());
    EXPECT_FALSE(maxPreview->isVisible());
    EXPECT_EQ(maxInput->x(), 8);
    EXPECT_EQ(window.visibleDividers(), 1);
    EXPECT_FALSE(window.splitter("Splitter1")->handle(1)->isHidden());

    // The close buttons hide the right column's areas; with both gone the column goes too.
    window.prog->findChild<QToolButton *>(u"close_actions"_s)->click();
    EXPECT_FALSE(window.part("box_akt")->isVisible());
    EXPECT_TRUE(window.part("Panel3")->isVisible());
    EXPECT_EQ(window.restoreButton("max_aktionen")->x(), window.slotX(1));
    EXPECT_EQ(window.restoreButton("max_aktionen")->toolTip(), u"Spalten und Design Bereich maximieren"_s);
    window.prog->findChild<QToolButton *>(u"close_output"_s)->click();
    EXPECT_FALSE(window.part("Panel3")->isVisible());
    EXPECT_EQ(window.restoreButton("max_output")->x(), window.slotX(2));
    EXPECT_EQ(window.visibleDividers(), 3);
    EXPECT_TRUE(window.splitter("Splitter1")->handle(1)->isHidden());

    for (const char *name : {"max_input", "max_aktionen", "max_output"})
        window.restoreButton(name)->click();
    for (const char *name : {"max_input", "max_vorschau", "max_aktionen", "max_output"})
        EXPECT_FALSE(window.restoreButton(name)->isVisible()) << name;
    EXPECT_EQ(window.visibleDividers(), 0);
    for (const char *name : {"Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "box_akt"}) {
        EXPECT_TRUE(window.part(name)->isVisible()) << name;
        EXPECT_TRUE(window.panelSetting(name)) << name;
    }
}

TEST(ViewLogic, InputAndPreviewSplitHalfAndHalfUnlessTheUserMovedTheSplitter)
{
    ShownView window;
    QSplitter *split = window.splitter("Splitter2");
    const auto inputIsHalf = [&] { return split->sizes().value(0) == window.columnHeight() / 2; };
    ASSERT_TRUE(inputIsHalf()) << split->sizes().value(0) << " of " << window.columnHeight();

    // Without the preview the input fills the left column.
    dragHandle(split, 60);
    ASSERT_FALSE(inputIsHalf());
    window.prog->findChild<QToolButton *>(u"close_vorschau"_s)->click();
    EXPECT_FALSE(window.part("Panel5")->isVisible());
    EXPECT_EQ(window.part("Panel4")->height(), window.part("Panel2")->height());
    EXPECT_EQ(window.restoreButton("max_vorschau")->x(), 8);
    EXPECT_EQ(window.restoreButton("max_vorschau")->toolTip(), u"Vorschau maximieren"_s);

    // Back again, the column splits half and half, though the user had moved the splitter before.
    window.action("m_anz_vorschau")->trigger();
    EXPECT_TRUE(inputIsHalf()) << split->sizes().value(0);

    // Moving a splitter keeps the user's split; so does moving the other one.
    dragHandle(split, 70);
    const int moved = split->sizes().value(0);
    ASSERT_GT(moved, window.columnHeight() / 2 + 40);
    dragHandle(window.splitter("Splitter1"), -40);
    QCoreApplication::processEvents();
    EXPECT_EQ(split->sizes().value(0), moved);

    // Resizing the window splits half and half again.
    window.prog->resize(window.prog->width() - 30, window.prog->height() - 40);
    ASSERT_TRUE(QTest::qWaitFor(inputIsHalf)) << split->sizes().value(0) << " of " << window.columnHeight();
}

TEST(ViewLogic, TheFunctionKeysSwitchTheAreas)
{
    ShownView window;
    const std::pair<const char *, Qt::Key> items[] = {{"m_anz_input", Qt::Key_F9},
                                                      {"m_anz_vorschau", Qt::Key_F10},
                                                      {"m_anz_aktionen", Qt::Key_F11},
                                                      {"m_anz_output", Qt::Key_F12}};
    for (const auto &[name, key] : items) {
        EXPECT_EQ(window.action(name)->shortcut(), QKeySequence(key)) << name;
        EXPECT_TRUE(window.action(name)->isCheckable()) << name;
    }
    EXPECT_EQ(window.prog->findChild<QMenu *>(u"m_anz"_s)->title(), u"Ansicht"_s);
    EXPECT_EQ(window.action("m_anz_aktionen")->text(), u"Spalten und Design"_s);
    EXPECT_EQ(window.action("m_anz_output")->text(), u"Speicheroptionen"_s);

    window.prog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.prog));
    QTest::keyClick(window.prog, Qt::Key_F12);
    EXPECT_FALSE(window.state.settings.isOn(MenuSwitch::ShowOutput));
    EXPECT_FALSE(window.part("Panel6")->isVisible());
    QTest::keyClick(window.prog, Qt::Key_F12);
    EXPECT_TRUE(window.part("Panel6")->isVisible());
}

TEST(ViewLogic, ALoadedConfigurationRearrangesTheView)
{
    ShownView window;
    QTemporaryDir folder;
    const QString path = folder.filePath(u"view.tbx"_s);
    chooseInFileDialog(path);
    window.action("m_konfig_save")->trigger();
    // Input and saving hidden; the panel values of the file say otherwise, the switches win.
    IniDocument document = IniDocument::fromBytes(contentOf(path));
    document.writeFlag(u"PA"_s, u"AI"_s, false);
    document.writeFlag(u"PA"_s, u"AO"_s, false);
    document.writeFlag(u"PBPA"_s, u"Panel4"_s, true);
    document.writeFlag(u"PBPA"_s, u"Panel5"_s, false);
    makeFile(path, document.toBytes());

    window.prog->configurations().loadConfiguration(LoadOrigin::User, path);
    EXPECT_FALSE(window.action("m_anz_input")->isChecked());
    EXPECT_FALSE(window.action("m_anz_output")->isChecked());
    EXPECT_FALSE(window.part("Panel4")->isVisible());
    EXPECT_TRUE(window.part("Panel5")->isVisible());
    EXPECT_FALSE(window.part("Panel6")->isVisible());
    EXPECT_EQ(window.restoreButton("max_input")->x(), 8);
    EXPECT_EQ(window.restoreButton("max_output")->x(), window.slotX(1));
    EXPECT_EQ(window.visibleDividers(), 2);

    // Saved again, the file's panel values match what shows.
    chooseInFileDialog(path);
    window.action("m_konfig_save")->trigger();
    const IniDocument saved = IniDocument::fromBytes(contentOf(path));
    EXPECT_FALSE(saved.readFlag(u"PBPA"_s, u"Panel4"_s, true));
    EXPECT_TRUE(saved.readFlag(u"PBPA"_s, u"Panel5"_s, false));
    EXPECT_FALSE(saved.readFlag(u"PBPA"_s, u"Panel6"_s, true));
    EXPECT_FALSE(saved.readFlag(u"PA"_s, u"AI"_s, true));

    // The reset shows every area again.
    window.action("m_konfig_standard")->trigger();
    for (const char *name : {"Panel4", "Panel5", "Panel6", "box_akt"})
        EXPECT_TRUE(window.part(name)->isVisible()) << name;
    EXPECT_EQ(window.visibleDividers(), 0);
}
