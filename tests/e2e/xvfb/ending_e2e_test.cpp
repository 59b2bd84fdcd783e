// Every way out of the real program, on a virtual X screen of its own: the menu "Beenden", the
// window manager's close and SIGTERM, each with an automatic save that works and one that fails.
// Afterwards a start with a path opens a window: no process is left to swallow it.
#include "config/ini_document.h"
#include "x_screen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

using namespace Qt::StringLiterals;

namespace {

constexpr int Patience = 30000;
const QString MainWindowTitle = u"Tabulix - Quellwerk"_s;

enum class WayOut { Menu, Close, Terminate };

struct Case {
    WayOut way;
    bool saveFails;
};

std::string nameOf(const Case &wayOut)
{
    const char *const ways[] = {"Menu", "Close", "Terminate"};
    return std::string(ways[int(wayOut.way)]) + (wayOut.saveFails ? "WithAFailingSave" : "WithAWorkingSave");
}

void PrintTo(const Case &wayOut, std::ostream *out)
{
    *out << nameOf(wayOut);
}

// A start of the program and what it wrote to standard error so far.
struct Program {
    qint64 pid() const { return process.processId(); }
    const QString &log()
    {
        m_log += QString::fromUtf8(process.readAllStandardError());
        return m_log;
    }
    bool ended() { return process.waitForFinished(Patience) && process.exitStatus() == QProcess::NormalExit; }

    QProcess process;

private:
    QString m_log;
};

// One user's desktop: the screen, a home with its configuration folder, a runtime folder.
class Desktop {
public:
    QString blocker() const { return m_home.filePath(u"config/tabulix"_s); }
    QString startConfiguration() const { return blocker() + u"/Auto.tbx"_s; }
    QString file(const QString &name) const { return m_home.filePath(name); }
    XScreen &screen() { return m_screen; }

    std::unique_ptr<Program> start(const QStringList &arguments)
    {
        auto program = std::make_unique<Program>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DISPLAY"_s, m_screen.display());
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        environment.insert(u"HOME"_s, m_home.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, m_home.filePath(u"config"_s));
        environment.insert(u"XDG_DATA_HOME"_s, m_home.filePath(u"data"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime.path());
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path=/nonexistent/tabulix-tests-bus"_s);
        // The start's log line says when the main window is up and the splash's timer stopped.
        environment.insert(u"QT_LOGGING_RULES"_s, u"tabulix.start=true;tabulix.handover=true"_s);
        program->process.setProcessEnvironment(environment);
        program->process.start(QStringLiteral(TABULIX_GUI_PATH), arguments);
        program->process.waitForStarted(Patience);
        return program;
    }

    // The program's main window once its start is over; a click on the splash ends the start.
    xcb_window_t mainWindow(Program &program)
    {
        bool clicked = false;
        const bool started = QTest::qWaitFor(
            [&] {
                const QList<xcb_window_t> splash =
                    m_screen.shownWindows(program.pid(), XScreen::Kind::Splash);
                if (!splash.isEmpty() && !clicked) {
                    m_screen.click(splash.constFirst(), QPoint(10, 10));
                    clicked = true;
                }
                return program.log().contains(u"main window shown"_s);
            },
            Patience);
        for (const xcb_window_t window : m_screen.shownWindows(program.pid(), XScreen::Kind::Normal))
            if (started && m_screen.title(window) == MainWindowTitle)
                return window;
        return XCB_WINDOW_NONE;
    }

    void askToEnd(WayOut way, Program &program, xcb_window_t mainWindow)
    {
        switch (way) {
        case WayOut::Menu:
            // "Beenden" is the last item of the first menu. Clicks carry no time, so a second one
            // on the same spot would be a double click, which closes the menu again.
            m_screen.click(mainWindow, QPoint(m_menuOpenings++ % 2 == 0 ? 10 : 25, 10));
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return !m_screen.shownWindows(program.pid(), XScreen::Kind::Menu).isEmpty(); },
                Patience));
            m_screen.pressKey(mainWindow, Keysym::Up);
            m_screen.pressKey(mainWindow, Keysym::Return);
            break;
        case WayOut::Close:
            m_screen.close(mainWindow);
            break;
        case WayOut::Terminate:
            program.process.terminate();
            break;
        }
    }

    // The error box of a failed save shows and is closed; the main window stays.
    void closeErrorBox(Program &program)
    {
        QList<xcb_window_t> box;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !(box = m_screen.shownWindows(program.pid(), XScreen::Kind::Dialog)).isEmpty(); },
            Patience));
        m_screen.close(box.constFirst());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return m_screen.shownWindows(program.pid(), XScreen::Kind::Dialog).isEmpty(); }, Patience));
    }

private:
    XScreen m_screen;
    int m_menuOpenings = 0;
    QTemporaryDir m_home;
    QTemporaryDir m_runtime;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class Ending : public testing::TestWithParam<Case> {};

} // namespace

TEST_P(Ending, EndsTheProgramAndSavesAsChosen)
{
    const auto [way, saveFails] = GetParam();
    Desktop desktop;
    ASSERT_TRUE(desktop.screen().isConnected());
    ASSERT_TRUE(QDir().mkpath(desktop.file(u"config"_s)));
    if (saveFails)
        writeFile(desktop.blocker(), {}); // a file where the configuration folder belongs
    // "Alles speichern" comes with a configuration named at the start, with a text to find again.
    const QString choice = desktop.file(u"choice.tbx"_s);
    writeFile(choice, "[AS]\r\nN=0\r\nP=0\r\nA=1\r\n[PBED]\r\ndes_allg_header=Saved at the end\r\n");

    const std::unique_ptr<Program> program = desktop.start({choice});
    const xcb_window_t mainWindow = desktop.mainWindow(*program);
    ASSERT_NE(mainWindow, xcb_window_t(XCB_WINDOW_NONE)) << program->log().toStdString();
    desktop.askToEnd(way, *program, mainWindow);

    if (saveFails && way != WayOut::Terminate) {
        // The error shows; the window and the program stay, and the program still works.
        desktop.closeErrorBox(*program);
        EXPECT_EQ(program->process.state(), QProcess::Running);
        EXPECT_EQ(desktop.screen().title(mainWindow), MainWindowTitle);
        EXPECT_TRUE(
            desktop.screen().shownWindows(program->pid(), XScreen::Kind::Normal).contains(mainWindow));
        // The cause mended, the next attempt ends the program.
        ASSERT_TRUE(QFile::remove(desktop.blocker()));
        desktop.askToEnd(way, *program, mainWindow);
    }
    ASSERT_TRUE(program->ended()) << program->log().toStdString();

    if (saveFails && way == WayOut::Terminate) {
        // Ended anyway, the error on standard error.
        EXPECT_EQ(program->process.exitCode(), 1);
        EXPECT_TRUE(program->log().contains(desktop.startConfiguration())) << program->log().toStdString();
        EXPECT_FALSE(QFileInfo::exists(desktop.startConfiguration()));
    } else {
        EXPECT_EQ(program->process.exitCode(), 0) << program->log().toStdString();
        QFile saved(desktop.startConfiguration());
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << program->log().toStdString();
        const IniDocument document = IniDocument::fromBytes(saved.readAll());
        EXPECT_TRUE(document.readFlag(u"AS"_s, u"A"_s, false));
        EXPECT_EQ(document.readText(u"PBED"_s, u"des_allg_header"_s, {}), u"Saved at the end"_s);
    }

    // A later start with a path opens a window of its own.
    const QString path = desktop.file(u"list.txt"_s);
    writeFile(path, "x\n");
    const std::unique_ptr<Program> later = desktop.start({path});
    EXPECT_NE(desktop.mainWindow(*later), xcb_window_t(XCB_WINDOW_NONE)) << later->log().toStdString();
    later->process.kill();
    later->process.waitForFinished(Patience);
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, Ending,
                         testing::Values(Case{WayOut::Menu, false}, Case{WayOut::Menu, true},
                                         Case{WayOut::Close, false}, Case{WayOut::Close, true},
                                         Case{WayOut::Terminate, false}, Case{WayOut::Terminate, true}),
                         [](const testing::TestParamInfo<Case> &wayOut) { return nameOf(wayOut.param); });
