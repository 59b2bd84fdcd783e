// The one way out, over a real hand-over server and real saves into a temporary folder.
#include "app/hand_over_server.h"
#include "app/program_exit.h"
#include "config/configuration_file.h"
#include "config/ini_document.h"
#include "file_write_test_support.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The messages the program writes to standard error while it lives.
class StandardError {
public:
    StandardError() { m_previous = qInstallMessageHandler(&StandardError::keep); }
    ~StandardError()
    {
        qInstallMessageHandler(m_previous);
        lines().clear();
    }
    static QStringList &lines()
    {
        static QStringList kept;
        return kept;
    }

private:
    static void keep(QtMsgType, const QMessageLogContext &, const QString &line) { lines().append(line); }
    QtMessageHandler m_previous;
};

struct Ending {
    Ending()
    {
        handOver.listen(folder.filePath(u"hand-over"_s));
        QObject::connect(&exit, &ProgramExit::ending, [this](int exitCode) {
            exitCodes.append(exitCode);
            listeningAtTheEnd = handOver.isListening();
        });
        settings.setOn(MenuSwitch::AutoSaveNever, false);
        settings.setOn(MenuSwitch::AutoSaveAll, true);
        // A file where the folder of the start configuration belongs: nothing can be saved.
        QFile(blocker()).open(QIODevice::WriteOnly);
    }
    QString blocker() const { return folder.filePath(u"tabulix"_s); }
    QString startConfiguration() const { return blocker() + u"/Auto.tbx"_s; }

    QTemporaryDir folder;
    Settings settings;
    HandOverServer handOver;
    QStringList shownErrors;
    std::function<void()> whileTheErrorShows = [] {};
    QList<int> exitCodes;
    bool listeningAtTheEnd = true;
    ProgramExit exit{handOver, [this] { saveAutomatically(settings, startConfiguration()); },
                     [this](const QString &error) {
                         shownErrors.append(error);
                         whileTheErrorShows();
                     }};
};

} // namespace

TEST(ProgramExit, AFailedSaveKeepsTheProgramForTheUserUntilTheNextAttempt)
{
    Ending ending;
    ASSERT_TRUE(ending.handOver.isListening());
    // While the error shows, the user cannot ask again.
    ending.whileTheErrorShows = [&] { EXPECT_FALSE(ending.exit.endProgram(ExitRequest::WindowClosed)); };
    EXPECT_FALSE(ending.exit.endProgram(ExitRequest::Menu));
    EXPECT_FALSE(ending.exit.endProgram(ExitRequest::WindowClosed));
    ASSERT_EQ(ending.shownErrors.size(), 2);
    EXPECT_TRUE(ending.shownErrors[0].contains(ending.startConfiguration()))
        << ending.shownErrors[0].toStdString();
    EXPECT_TRUE(ending.exitCodes.isEmpty());
    EXPECT_TRUE(ending.handOver.isListening());
    EXPECT_FALSE(ending.exit.isEnding());

    // The cause mended, the next attempt saves and ends, the hand-over closed first.
    QFile::remove(ending.blocker());
    EXPECT_TRUE(ending.exit.endProgram(ExitRequest::Menu));
    EXPECT_EQ(ending.exitCodes, QList<int>{EXIT_SUCCESS});
    EXPECT_FALSE(ending.listeningAtTheEnd);
    EXPECT_TRUE(
        IniDocument::fromBytes(contentOf(ending.startConfiguration())).readFlag(u"AS"_s, u"A"_s, false));

    // Decided once: a later request ends without saving again.
    QFile::remove(ending.startConfiguration());
    EXPECT_TRUE(ending.exit.endProgram(ExitRequest::WindowClosed));
    EXPECT_FALSE(QFileInfo::exists(ending.startConfiguration()));
    EXPECT_EQ(ending.exitCodes.size(), 1);
}

TEST(ProgramExit, TheSystemEndsTheProgramEvenWhenTheSaveFails)
{
    for (const ExitRequest request : {ExitRequest::Logout, ExitRequest::Signal}) {
        const StandardError standardError;
        Ending ending;
        // A later start whose hand-over is not answered yet goes on on its own.
        QLocalSocket laterStart;
        laterStart.connectToServer(ending.handOver.fullServerName());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !ending.handOver.findChildren<QLocalSocket *>().isEmpty(); }));
        EXPECT_TRUE(ending.exit.endProgram(request));
        EXPECT_EQ(ending.exitCodes, QList<int>{EXIT_FAILURE});
        EXPECT_FALSE(ending.listeningAtTheEnd);
        EXPECT_TRUE(ending.shownErrors.isEmpty());
        ASSERT_EQ(StandardError::lines().size(), 1);
        EXPECT_TRUE(StandardError::lines()[0].contains(ending.startConfiguration()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return laterStart.state() == QLocalSocket::UnconnectedState; }));
        EXPECT_TRUE(laterStart.readAll().isEmpty());
    }

    // A signal while the error of the user's attempt shows ends the program too.
    const StandardError standardError;
    Ending ending;
    ending.whileTheErrorShows = [&] { EXPECT_TRUE(ending.exit.endProgram(ExitRequest::Signal)); };
    EXPECT_TRUE(ending.exit.endProgram(ExitRequest::Menu));
    EXPECT_EQ(ending.exitCodes, QList<int>{EXIT_FAILURE});
}
