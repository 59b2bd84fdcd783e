#include "rename_command.h"

#include "app/startup_sequence.h"
#include "cli_feedback.h"
#include "common/paths.h"
#include "common/settings.h"
#include "common/tabulix_error.h"
#include "qt_messages.h"
#include "renamer/rename_journal.h"
#include "renamer/rename_recovery.h"
#include "renamer/rename_tool.h"
#include "setting_steps.h"
#include "standard_output.h"

#include <QDir>
#include <cerrno>
#include <functional>

namespace {

const char usage[] =
    "Usage: tabulix-cli rename [OPTION]... PATH...\n"
    "Renames the given files and the files of the given folders as the renaming tool of the\n"
    "desktop program does: folders are searched through its filter (and into their subfolders\n"
    "while DUCH.uv=1), the files are numbered in the order of its list, and no file is ever\n"
    "replaced. An operand that is a folder named rename is written ./rename.\n"
    "Besides %name%, %num%, %0num% and %abs% a mask takes %ext%, %folder%, %date%, %time%\n"
    "(a format may follow: %date:yyyy-MM-dd%), %taken% and %camera% of a photo, %artist%,\n"
    "%album%, %title%, %track% and %year% of music, and %upper:...%, %lower:...% and\n"
    "%capital:...% around any part of it.\n"
    "\n"
    "  --config FILE            load a configuration or profile first; options apply in order\n"
    "  --reset                  every setting back to its standard value\n"
    "  --set SECTION.KEY=VALUE  change a setting of the renaming tool, e.g. DUCB.maske=%0num%,\n"
    "                           DUCB.numstart=1, DUCH.suchenersetzen=1, DUED.suchenalt=x,\n"
    "                           DUED.suchenneu=y, DUCH.cb_regex=1 (the search is a regular\n"
    "                           expression, \\1 in the replacement its first group),\n"
    "                           DUCH.cb_case=1 (ignore case), DFRB.auswahl=1, DFED.filter=jpg\n"
    "  --dry-run                print the new names and rename nothing\n"
    "  --recover                finish a renaming that was cut short (the program was killed\n"
    "                           or the machine stopped): every file of it ends under its old or\n"
    "                           its new name; prints each file moved\n"
    "  --undo                   rename the newest batch of the journal back\n"
    "  --undo-id ID             rename the batch ID of the journal back\n"
    "  --history                list the journal: id, time, number of files, folder (newest\n"
    "                           first; the journal keeps the last 20 batches)\n"
    "  --lang de|en             language of the status texts\n"
    "  --verbose                also show the warnings of the libraries below the program\n"
    "  --                       end of the options\n"
    "  --help                   show this help and exit\n"
    "\n"
    "Output: a line per file: status, TAB, old path, TAB, new path (--dry-run: no status;\n"
    "--recover: where the file is now, empty when it was not found).\n"
    "Exit status: 0 done; 1 a file was not renamed because its new name exists or the rename\n"
    "failed, a file of --recover could not be moved, or a path or configuration could not be\n"
    "read; 2 wrong usage.\n";

struct RenameOptions {
    bool help = false;
    bool dryRun = false;
    // --recover, --undo, --undo-id or --history: work on the state instead of files.
    QString stateCommand;
    std::optional<quint64> undoId;
    bool verbose = false;
    std::optional<Language> language;
    QList<SettingStep> steps;
    QStringList operands;
};

RenameOptions parseRenameOptions(const QStringList &arguments)
{
    RenameOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TabulixError(argument + QStringLiteral(" needs a value"));
            return arguments[++i];
        };
        if (optionsEnded || !argument.startsWith(u'-') || argument == u"-") {
            options.operands.append(argument);
        } else if (argument == u"--") {
            optionsEnded = true;
        } else if (argument == u"--help" || argument == u"-h") {
            options.help = true;
        } else if (argument == u"--dry-run") {
            options.dryRun = true;
        } else if (argument == u"--recover" || argument == u"--undo" || argument == u"--history" ||
                   argument == u"--undo-id") {
            if (!options.stateCommand.isEmpty())
                throw TabulixError(argument + QStringLiteral(" cannot go with ") + options.stateCommand);
            options.stateCommand = argument;
            if (argument == u"--undo-id") {
                bool number = false;
                options.undoId = value().toULongLong(&number);
                if (!number)
                    throw TabulixError(QStringLiteral("--undo-id takes the id --history shows"));
            }
        } else if (argument == u"--verbose") {
            options.verbose = true;
        } else if (argument == u"--config") {
            const QString file = value();
            if (file.isEmpty())
                throw TabulixError(QStringLiteral("--config needs a file name"));
            options.steps.append({SettingStep::Kind::LoadConfiguration, file});
        } else if (argument == u"--reset") {
            options.steps.append({SettingStep::Kind::Reset, QString()});
        } else if (argument == u"--set") {
            options.steps.append({SettingStep::Kind::Assign, value()});
        } else if (argument == u"--lang") {
            options.language = languageOfCode(value());
            if (!options.language)
                throw TabulixError(QStringLiteral("--lang takes de or en"));
        } else {
            throw TabulixError(QStringLiteral("unknown option for rename: ") + argument);
        }
    }
    if (!options.stateCommand.isEmpty() && !options.operands.isEmpty())
        throw TabulixError(options.stateCommand + QStringLiteral(" takes no file or folder"));
    if (!options.help && options.stateCommand.isEmpty() && options.operands.isEmpty())
        throw TabulixError(QStringLiteral("no file or folder to rename"));
    return options;
}

// One line of the output; the status is empty for a dry run.
QString outputLine(const QString &status, const QString &oldPath, const QString &newPath)
{
    return status + u'\t' + oldPath + u'\t' + newPath + u'\n';
}

// The status of a recovered file: renamed when it reached its new name, not renamed when it went
// back to its old one, an error when it is under neither.
RenameStatus recoveredStatus(const RecoveredFile &file)
{
    switch (file.completed.location) {
    case FileLocation::New:
        return RenameStatus::Renamed;
    case FileLocation::Old:
        return RenameStatus::NotRenamed;
    case FileLocation::Temporary:
    case FileLocation::Missing:
        break;
    }
    return RenameStatus::Failed;
}

// The plan and the journal that could not be written go to standard error.
class CliRenamerFeedback : public RenamerFeedback {
public:
    explicit CliRenamerFeedback(CliFeedback &feedback) : m_feedback(feedback) {}
    void showFailure(const QString &text) override { m_feedback.reportFailure(text); }

private:
    CliFeedback &m_feedback;
};

// --recover: a line for each file moved or left under neither of its names.
int recover(Language language, CliFeedback &feedback, const std::function<int(const QString &)> &print)
{
    const Recovery recovery = recoverBatches(true);
    for (const QString &failure : recovery.failures)
        feedback.reportFailure(failure);
    QString text;
    for (const RecoveredFile &file : recovery.files)
        text += outputLine(renameStatusText(recoveredStatus(file), language), file.move.from, file.path());
    return print(text) != 0 || recovery.anyFailed() ? 1 : 0;
}

// --undo and --undo-id: a line for each file of the batch, renamed back or not.
int undo(std::optional<quint64> id, Language language, CliFeedback &feedback,
         const std::function<int(const QString &)> &print)
{
    const std::optional<QList<UndoneMove>> undone = undoBatch(id);
    if (!undone) {
        feedback.reportFailure(id ? QStringLiteral("no batch with the id ") + QString::number(*id) +
                                        QStringLiteral(" in the journal")
                                  : QStringLiteral("nothing to undo in the journal"));
        return 1;
    }
    QString text;
    bool anyFailed = false;
    for (const UndoneMove &move : *undone) {
        anyFailed = anyFailed || !move.undone;
        text +=
            outputLine(renameStatusText(move.undone ? RenameStatus::Undone : RenameStatus::Failed, language),
                       move.move.newPath, move.move.oldPath);
    }
    return print(text) != 0 || anyFailed || feedback.anyUnreadable() ? 1 : 0;
}

// --history: the newest batch first.
QString historyText()
{
    const QList<JournalBatch> batches = loadJournal();
    QString text;
    for (auto batch = batches.crbegin(); batch != batches.crend(); ++batch)
        text += QString::number(batch->id) + u'\t' +
                batch->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + u'\t' +
                QString::number(batch->moves.size()) + u'\t' + batch->folder() + u'\n';
    return text;
}

} // namespace

int runRenameCommand(const QStringList &arguments, const StandardOutput &out)
{
    const RenameOptions options = parseRenameOptions(arguments);
    releaseQtMessages(options.verbose);
    CliFeedback feedback;
    const auto print = [&](const QString &text) {
        if (const QString failure = out.write(text); !failure.isEmpty()) {
            feedback.reportFailure(QStringLiteral("cannot write to standard output: ") + failure);
            return 1;
        }
        return 0;
    };
    if (options.help)
        return print(QString::fromUtf8(usage));

    Settings settings;
    settings.setLanguage(options.language.value_or(languageAtStart(QDir::currentPath(), QLocale::system())));
    try {
        applySettingSteps(settings, options.steps);
    } catch (const UnreadableConfiguration &error) {
        feedback.reportFailure(error.message());
        return 1;
    }

    try {
        if (options.stateCommand == u"--recover")
            return recover(settings.language(), feedback, print);
        if (options.stateCommand == u"--history")
            return print(historyText());
        if (!options.stateCommand.isEmpty())
            return undo(options.undoId, settings.language(), feedback, print);
    } catch (const TabulixError &error) {
        // The plan or the journal could not be written.
        feedback.reportFailure(error.message());
        return 1;
    }

    bool okForAll = false;
    CliRenamerFeedback quiet(feedback);
    RenameTool tool(settings, okForAll, quiet);
    const QStringList absolute =
        withAbsolutePaths(QStringList{QString()} + options.operands, QDir::currentPath()).mid(1);
    QStringList existing;
    for (qsizetype i = 0; i < absolute.size(); ++i) {
        feedback.setOperand(options.operands[i], absolute[i]);
        if (QFileInfo::exists(absolute[i]))
            existing.append(absolute[i]);
        else
            feedback.reportUnreadable(absolute[i], ENOENT);
    }
    tool.addDropped(existing);

    QString text;
    bool anyFailed = false;
    if (options.dryRun) {
        const RenameList &list = tool.list();
        for (int row = 0; row < list.count(); ++row)
            text +=
                outputLine(QString(), list.at(row).path, folderPart(list.at(row).path) + list.newNameAt(row));
    } else {
        const Language language = settings.language();
        for (const RenameOutcome &outcome : tool.renameAll()) {
            // Entries are new here: one whose file went before its turn still has its first status.
            const RenameStatus status = outcome.status.value_or(RenameStatus::Added);
            anyFailed = anyFailed || status == RenameStatus::Exists || status == RenameStatus::Failed;
            text += outputLine(renameStatusText(status, language), outcome.oldPath, outcome.newPath);
        }
    }
    return print(text) != 0 || anyFailed || feedback.anyUnreadable() ? 1 : 0;
}
