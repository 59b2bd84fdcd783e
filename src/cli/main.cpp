// tabulix-cli: lists files as a table without a window, over the same core as the desktop program.
#include "app/program_state.h"
#include "app/startup_sequence.h"
#include "app/table_output.h"
#include "cli_options.h"
#include "collect/file_adder.h"
#include "common/language.h"
#include "common/tabulix_error.h"
#include "config/setting_sections.h"
#include "encoding/text_encoding.h"
#include "encoding/write_text_file.h"
#include "table/default_texts.h"
#include "table/output_targets.h"
#include "table/picture_file.h"
#include "terminal_progress.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int usageError(const QString &reason)
{
    QTextStream(stderr) << "tabulix-cli: " << reason << "\nTry 'tabulix-cli --help'.\n";
    return 2;
}

// Applies the options that change settings, in the order the program's window would know them.
void applyOptions(ProgramState &state, const CliOptions &options)
{
    if (!options.format.isEmpty())
        state.settings.setValue(SettingsWindow::PB, QStringLiteral("out_format"),
                                outFormatItem(*outputFormatOfTag(options.format), state.settings.language()));
    if (options.encoding)
        setTextEncoding(state.settings, TextEncoding(*options.encoding));
    for (const QString &assignment : options.assignments)
        applySettingAssignment(state.settings, assignment);
}

QString standardOutputText(const QStringList &lines, OutputFormat format, bool csvLineBreaks)
{
    return outputText(lines, format, csvLineBreaks).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

int main(int argc, char **argv)
{
    // Text measuring and pictures need a graphical application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tabulix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TABULIX_VERSION));

    CliOptions options;
    ProgramState state;
    try {
        options = parseCliOptions(app.arguments().mid(1));
        if (options.help) {
            QTextStream(stdout) << cliUsage;
            return 0;
        }
        if (options.version) {
            QTextStream(stdout) << "tabulix-cli " << TABULIX_VERSION << '\n';
            return 0;
        }
        // The language of the whole run: its default texts before any other setting.
        const Language language =
            options.language.value_or(languageAtStart(QDir::currentPath(), QLocale::system()));
        state.settings.setLanguage(language);
        translateDefaultTexts(state.settings, language);
        applyOptions(state, options);
    } catch (const TabulixError &error) {
        return usageError(error.message());
    }
    if (options.listSettings) {
        QTextStream out(stdout);
        for (const QString &line : listSettings(state.settings))
            out << line << '\n';
        return 0;
    }
    if (options.paths.isEmpty())
        return usageError(QStringLiteral("no file or folder to list"));
    const OutputFormat format = chosenOutputFormat(state);
    if (isPictureFormat(format) && options.outputFile.isEmpty())
        return usageError(QStringLiteral("a picture format needs -o FILE"));

    TerminalProgress progress;
    FileAdder adder(state, progress, nullptr);
    for (const QString &path :
         withAbsolutePaths(QStringList{QString()} + options.paths, QDir::currentPath()).mid(1))
        adder.addPath(path);

    const QStringList lines = buildOutputLines(state, LocaleFormat::system());
    const bool csvLineBreaks = state.settings.isOn(SettingsWindow::EA, QStringLiteral("csv_lb"));
    if (options.outputFile.isEmpty()) {
        QTextStream out(stdout);
        out.setEncoding(QStringConverter::Utf8);
        out << standardOutputText(lines, format, csvLineBreaks);
        return 0;
    }
    try {
        if (isPictureFormat(format)) {
            writeTablePicture(lines, options.outputFile, format, state.settings.pictureFont(),
                              pictureBackground(state));
        } else {
            // Text saved under a picture name becomes a picture of the text, as the desktop program does.
            writeTextFile(
                outputText(lines, format, csvLineBreaks), options.outputFile,
                currentTextEncoding(state.settings), [&state](const QString &text, const QString &path) {
                    writeTextPicture(text, path, state.settings.pictureFont(), pictureBackground(state));
                });
        }
    } catch (const TabulixError &error) {
        QTextStream(stderr) << "tabulix-cli: " << error.message() << '\n';
        return 1;
    }
    return 0;
}
