// The desktop program: hand the command line to a running start, or start on its own.
#include "app/hand_over.h"
#include "app/hand_over_server.h"
#include "app/startup_sequence.h"
#include "app/termination_signals.h"
#include "common/language.h"
#include "renamer/rename_recovery.h"
#include "ui/desktop_program.h"
#include "ui/qt_translations.h"
#include "ui/u_application.h"
#include "ui/u_prog.h"
#include "ui/u_start.h"

#include <QDir>
#include <QLoggingCategory>
#include <csignal>

namespace {
Q_LOGGING_CATEGORY(lcStart, "tabulix.handover", QtWarningMsg)

void finishCutRenaming()
{
    const Recovery recovery = recoverBatches(false);
    if (!recovery.anyFailed())
        return;
    QStringList lines = recovery.failures;
    for (const RecoveredFile &file : recovery.files)
        if (file.completed.location == FileLocation::Temporary ||
            file.completed.location == FileLocation::Missing)
            lines.append(file.move.from + QStringLiteral(" → ") +
                         (file.path().isEmpty() ? QStringLiteral("?") : file.path()));
    showErrorBox(lines.join(u'\n'));
}

} // namespace

int main(int argc, char **argv)
{
    // Past the file size limit a write fails with its reason instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    TabulixApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tabulix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TABULIX_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList arguments = withAbsolutePaths(QCoreApplication::arguments(), QDir::currentPath());
    const QString programPath = QCoreApplication::applicationFilePath();
    arguments[0] = programPath;
    const QString serverName = handOverServerName(programPath);

    // 1. A running start takes the arguments over, and this start ends.
    if (arguments.size() > 1 && canHandOver(arguments) &&
        handOverToRunningInstance(serverName, QCoreApplication::applicationPid(),
                                  quotedCommandLine(arguments)) == HandOverResult::Taken)
        return 0;

    // From here on a termination signal ends the program the one way, with the automatic saving.
    TerminationSignals termination;

    // 2. This start's own hand-over endpoint; a start that runs beside another has none.
    HandOverServer handOver;
    handOver.listen(serverName);
    qCInfo(lcStart).noquote() << "on its own,"
                              << (handOver.isListening() ? "receiving hand-overs" : "beside a running start");

    // 3. A renaming that a killed program left mid-way is finished before anything else; while
    // another start renames, its batch is its own.
    finishCutRenaming();

    // The application title is each window's own caption: the desktop would append a display
    // name to every title, and the dialogs are captioned "Tabulix" alone.
    const Language language = languageAtStart(QDir::currentPath(), QLocale::system());
    useQtTranslations(language);
    DesktopProgram program(language, handOver, arguments.mid(1),
                           ShellIntegration(DesktopFolders::ofUser(), desktopProgramPath()));
    Tprog &prog = program.mainWindow();
    QObject::connect(&termination, &TerminationSignals::received, &prog,
                     [&prog] { prog.endProgram(ExitRequest::Signal); });
    QObject::connect(&prog.programExit(), &ProgramExit::ending, &app, &QCoreApplication::exit);
    program.start().show();
    return app.exec();
}
