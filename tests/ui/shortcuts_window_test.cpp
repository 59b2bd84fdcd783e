// The shortcuts window over a user's desktop in temporary folders: its status labels follow
// the buttons, its texts follow the language, and the main window opens it without blocking.
#include "app/program_state.h"
#include "desktop_test_support.h"
#include "program_fixture.h"
#include "ui/u_einstshortcuts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QColor green(0, 128, 0);
const QColor red(255, 0, 0);

QColor colourOf(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

void click(Teinstshortcuts &window, const char *button)
{
    auto *control = window.findChild<QPushButton *>(QString::fromUtf8(button));
    ASSERT_TRUE(control) << button;
    QTest::mouseClick(control, Qt::LeftButton);
}

// The texts and colours of the four labels, in the window's order.
QStringList statusTexts(const Teinstshortcuts &window)
{
    QStringList texts;
    for (const QLabel *label :
         {window.ver_konfig, window.ver_sendenan, window.ver_ordner, window.ver_alledateien})
        texts.append(label->text() + u' ' + colourOf(label).name());
    return texts;
}

} // namespace

TEST(ShortcutsWindow, StatusColoursAndTextsFollowAddAndRemove)
{
    ProgramState state;
    TemporaryDesktop desktop;
    Teinstshortcuts window(state, desktop.shell());
    window.show();
    const QString off = QStringLiteral("Nicht aktiv #ff0000");
    const QString on = QStringLiteral("Aktiv #008000");
    EXPECT_EQ(statusTexts(window), (QStringList{off, off, off, off}));

    click(window, "KonfigAn");
    EXPECT_EQ(statusTexts(window), (QStringList{on, off, off, off}));
    click(window, "SendenAnAn");
    click(window, "OrdnerAn");
    click(window, "AlleDateienAn");
    EXPECT_EQ(statusTexts(window), (QStringList{on, on, on, on}));
    click(window, "OrdnerAus");
    EXPECT_EQ(statusTexts(window), (QStringList{on, on, off, on}));

    // The chosen types come from the field, which is the setting.
    window.beldateien->end(false);
    QTest::keyClicks(window.beldateien, QStringLiteral(",flac"));
    EXPECT_EQ(state.settings.value(SettingsWindow::SC, QStringLiteral("beldateien")), u"mp3,doc,txt,flac");
    click(window, "BeliebigeDateienAn");
    const QString actions = QString::fromUtf8(readTestFile(desktop.shell().thunarActionsPath()));
    EXPECT_TRUE(actions.contains(QStringLiteral("<patterns>*.mp3;*.doc;*.txt;*.flac</patterns>")))
        << actions.toStdString();
    // The chosen types have no status label; the line below the buttons tells what was done.
    EXPECT_EQ(window.resultLine->text() + u' ' + colourOf(window.resultLine).name(),
              u"Verknüpft für .mp3, .doc, .txt, .flac #008000");
    click(window, "BeliebigeDateienAus");
    EXPECT_FALSE(readTestFile(desktop.shell().thunarActionsPath()).contains("*.flac"));
    EXPECT_EQ(window.resultLine->text(), u"Entfernt");
    window.beldateien->setText(QStringLiteral("tar.gz"));
    click(window, "BeliebigeDateienAn");
    EXPECT_EQ(window.resultLine->text() + u' ' + colourOf(window.resultLine).name(),
              u"The chosen file types name no usable extension; nothing was added. #ff0000");

    // In English, and from a program that has moved since.
    state.settings.setLanguage(Language::English);
    window.applyLanguage();
    EXPECT_EQ(window.windowTitle(), u"Shortcuts");
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
              u"These entries apply to your user account.");
    EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("KonfigAn"))->text(), u"Register");
    EXPECT_EQ(window.findChild<QGroupBox *>(QStringLiteral("GroupBox2"))->title(), u"Send to");
    EXPECT_EQ(statusTexts(window).first(), u"Activated #008000");
    const bool root = geteuid() == 0;
    EXPECT_EQ(window.administratorLine->text(), root ? u"The Program is running as an Administrator."
                                                     : u"The Program is not running as an Administrator.");
    EXPECT_EQ(colourOf(window.administratorLine), root ? green : red);
    EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("AlsAdminStarten")), nullptr);

    Teinstshortcuts moved(
        state, ShellIntegration(desktop.folders(), desktop.root.filePath(QStringLiteral("neu/tabulix"))));
    moved.show();
    const QString notActivated = QStringLiteral("Not activated #ff0000");
    EXPECT_EQ(statusTexts(moved),
              (QStringList{notActivated, QStringLiteral("Activated #008000"), notActivated, notActivated}));
}

TEST(ShortcutsWindow, TheMenuItemShowsItWithoutBlockingAndTheLanguageSwitchReachesIt)
{
    ProgramFixture windows;
    Teinstshortcuts &shortcuts = windows.program.shortcutsWindow();
    EXPECT_TRUE(shortcuts.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(shortcuts.windowTitle(), u"Verknüpfungen");

    windows.action("m_einstshortcuts")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shortcuts.isVisible(); }));
    EXPECT_FALSE(shortcuts.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    windows.chooseLanguage(Language::English);
    EXPECT_EQ(shortcuts.windowTitle(), u"Shortcuts");
    EXPECT_EQ(shortcuts.ver_konfig->text(), u"Not activated");
    click(shortcuts, "Button1");
    EXPECT_FALSE(shortcuts.isVisible());
}
