// tabulix-cli: lists files as a table without a window, over the same core as the desktop program.
#include "app/program_state.h"
#include "app/table_output.h"
#include "check_command.h"
#include "cli_feedback.h"
#include "cli_operands.h"
#include "cli_options.h"
#include "collect/system_path.h"
#include "common/language.h"
#include "common/tabulix_error.h"
#include "config/config_location.h"
#include "config/configuration_file.h"
#include "config/setting_sections.h"
#include "desktop_command.h"
#include "manifest_output.h"
#include "encoding/text_encoding.h"
#include "encoding/write_text_file.h"
#include "qt_messages.h"
#include "rename_command.h"
#include "setting_steps.h"
#include "standard_output.h"
#include "table/default_texts.h"
#include "table/output_targets.h"
#include "table/picture_file.h"
#include "table/workbook_table.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace {

int usageError(const QString &reason)
{
    QTextStream(stderr) << "tabulix-cli: " << reason << "\nTry 'tabulix-cli --help'.\n";
    return 2;
}

void reportError(const QString &reason)
{
    QTextStream(stderr) << "tabulix-cli: " << shownOn(STDERR_FILENO, reason) << '\n';
}

// Writes the text to standard output; 0, or 1 with the reason on standard error.
// 0, or 1 with why the write failed on standard error.
int printed(const QString &failure)
{
    if (failure.isEmpty())
        return 0;
    reportError(QStringLiteral("cannot write to standard output: ") + failure);
    return 1;
}

int print(const StandardOutput &out, const QString &text)
{
    return printed(out.write(text));
}

// Writes the table to standard output block by block, so a long table is never held twice.
int printTable(const StandardOutput &out, const QStringList &lines, OutputFormat format, bool csvLineBreaks)
{
    constexpr qsizetype LinesPerBlock = 4096;
    const QString lineEnd = outputLineEnd(format, csvLineBreaks, QStringLiteral("\n"));
    for (qsizetype from = 0; from < lines.size(); from += LinesPerBlock)
        if (printed(out.writeLines(
                std::span(lines).subspan(from, std::min(LinesPerBlock, lines.size() - from)), lineEnd)) != 0)
            return 1;
    return 0;
}

// Writes the table to the file of -o; 0, or 1 with the reason on standard error.
int writeOutputFile(const ProgramState &state, const QStringList &lines, const QString &file)
{
    const OutputFormat format = chosenOutputFormat(state);
    const bool csvLineBreaks = state.settings.isOn(EA::csv_lb);
    try {
        if (isPictureFormat(format)) {
            writeTablePicture(lines, file, format, state.settings.pictureFont(), pictureBackground(state));
        } else {
            // Text saved under a picture name becomes a picture of the text, as the desktop program does.
            saveTableText(outputText(lines, format, csvLineBreaks), file, state.settings,
                          [&state](const QString &text, const QString &path) {
                              writeTextPicture(text, path, state.settings.pictureFont(),
                                               pictureBackground(state));
                          });
        }
    } catch (const TabulixError &error) {
        reportError(error.message());
        return 1;
    }
    return 0;
}

// Writes the workbook to the file of -o; 0, or 1 with the reason on standard error.
int writeWorkbookFile(const ProgramState &state, const QString &file)
{
    try {
        writeWorkbook(state.fileList.rows(), state.settings, LocaleFormat::system(), file);
    } catch (const TabulixError &error) {
        reportError(error.message());
        return 1;
    }
    return 0;
}

// Saves the complete configuration; 0, or 1 with the reason on standard error.
int saveConfigurationFile(const ProgramState &state, const QString &file)
{
    try {
        saveConfiguration(state.settings, file);
    } catch (const TabulixError &error) {
        reportError(error.message());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Past the file size limit a write fails with its reason instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const StandardOutput out;
    holdQtMessages();
    // Text measuring and pictures need a graphical application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt would take arguments like "-reverse" or "-platform" for itself, even after "--": it
    // sees the program name only.
    // Paths keep every byte, UTF-8 or not.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(argumentPath(QByteArray(argv[i])));
    int qtArgumentCount = 1;
    QGuiApplication app(qtArgumentCount, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tabulix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TABULIX_VERSION));

    if (!arguments.isEmpty() && arguments.first() == u"rename") {
        try {
            return runRenameCommand(arguments.mid(1), out);
        } catch (const TabulixError &error) {
            releaseQtMessages(false);
            return usageError(error.message());
        }
    }
    if (!arguments.isEmpty() && arguments.first() == u"check") {
        releaseQtMessages(false);
        try {
            return runCheckCommand(arguments.mid(1), out);
        } catch (const TabulixError &error) {
            return usageError(error.message());
        }
    }

    CliOptions options;
    try {
        options = parseCliOptions(arguments);
    } catch (const TabulixError &error) {
        releaseQtMessages(false);
        return usageError(error.message());
    }
    releaseQtMessages(options.verbose);
    if (options.help)
        return print(out, cliUsage(startConfigurationPath()));
    if (options.version)
        return print(out, QStringLiteral("tabulix-cli " TABULIX_VERSION "\n"));

    // The rows are left to the system at exit: freeing a hundred thousand of them one by one
    // takes longer than listing them.
    ProgramState &state = *new ProgramState;
    CliFeedback feedback;
    CliOperands operands(state, feedback, options.operands);
    // --list-settings lists without adding anything.
    const FileListStep addFileList = [&operands](const QString &file) { operands.addFileList(file); };
    try {
        // The language of the whole run: its default texts before any other setting.
        const Language language =
            options.language.value_or(languageAtStart(QDir::currentPath(), QLocale::system()));
        state.settings.setLanguage(language);
        translateDefaultTexts(state.settings, language);
        applySettingSteps(state.settings, options.steps, options.listSettings ? FileListStep() : addFileList);
    } catch (const UnreadableConfiguration &error) {
        reportError(error.message());
        return 1;
    } catch (const TabulixError &error) {
        return usageError(error.message());
    }
    if (options.listSettings)
        return print(out, listSettings(state.settings).join(u'\n') + u'\n');
    if (!options.operands.isEmpty() && options.operands.first() == QLatin1String(desktopCommandName)) {
        const DesktopCommandResult result = runDesktopCommand(options.operands.mid(1), state.settings);
        if (result.exitCode == 2)
            return usageError(result.error);
        if (result.exitCode != 0)
            reportError(result.error);
        return std::max(result.exitCode, result.output.isEmpty() ? 0 : print(out, result.output));
    }
    const bool listing = anyPathToList(options.operands) ||
                         std::any_of(options.steps.begin(), options.steps.end(), [](const SettingStep &step) {
                             return step.kind == SettingStep::Kind::FilesFrom;
                         });
    if (!listing && options.savedConfiguration.isEmpty())
        return usageError(QStringLiteral("no file or folder to list"));

    operands.processAll();
    const OutputFormat format = chosenOutputFormat(state);
    if (listing && isBinaryFormat(format) && options.outputFile.isEmpty())
        return usageError(isPictureFormat(format) ? QStringLiteral("a picture format needs -o FILE")
                                                  : QStringLiteral("the xlsx format needs -o FILE"));
    // A failed save stops the run before the table, so nothing else changes.
    if (!options.savedConfiguration.isEmpty() &&
        saveConfigurationFile(state, options.savedConfiguration) != 0)
        return 1;
    if (!listing)
        return feedback.anyUnreadable() ? 1 : 0;
    // Nothing to list is no table: a file of -o stays as it was.
    if (!operands.anyNamed())
        return 1;

    if (const std::optional<ManifestKind> kind = manifestKindOf(format))
        return writeManifestOutput(state, *kind, options.outputFile, out) != 0 || feedback.anyUnreadable() ? 1 : 0;
    const bool csvLineBreaks = state.settings.isOn(EA::csv_lb);
    if (options.outputFile.isEmpty() && outputInBlocks(state)) {
        const bool whole = writeOutputInBlocks(state, LocaleFormat::system(), [&](const QStringList &lines) {
            return printTable(out, lines, format, csvLineBreaks) == 0;
        });
        return !whole || feedback.anyUnreadable() ? 1 : 0;
    }
    if (format == OutputFormat::Xlsx)
        return writeWorkbookFile(state, options.outputFile) != 0 || feedback.anyUnreadable() ? 1 : 0;
    const QStringList lines = buildOutputLines(state, LocaleFormat::system());
    const int written = options.outputFile.isEmpty() ? printTable(out, lines, format, csvLineBreaks)
                                                     : writeOutputFile(state, lines, options.outputFile);
    return written != 0 || feedback.anyUnreadable() ? 1 : 0;
}
