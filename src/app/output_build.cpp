#include "app/output_build.h"

#include "app/program_state.h"
#include "app/table_output.h"

#include <QTextCursor>
#include <QThread>

OutputSources outputSources(const ProgramState &state, const LocaleFormat &locale)
{
    return {state.settings.values(), state.fileList.rows(), locale};
}

std::optional<BuiltOutput> buildOutput(const OutputSources &sources, QThread *documentThread,
                                       const std::atomic_bool &stop)
{
    const Settings settings(sources.settings);
    BuiltOutput output;
    output.lines = buildOutputLines(settings, sources.rows, sources.locale, &stop);
    if (stop)
        return std::nullopt;
    output.text = outputText(output.lines, chosenOutputFormat(settings), settings.isOn(EA::csv_lb));
    output.document = plainTextDocument(output.text, stop);
    if (!output.document)
        return std::nullopt;
    output.document->moveToThread(documentThread);
    return output;
}

std::unique_ptr<QTextDocument> plainTextDocument(const QString &text, const std::atomic_bool &stop)
{
    constexpr qsizetype BlockSize = 64 * 1024;
    auto document = std::make_unique<QTextDocument>();
    // As a text view's own document after setting its text: nothing to undo.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document.get());
    qsizetype from = 0;
    while (from < text.size()) {
        if (stop)
            return nullptr;
        // Each piece ends after a line feed, so no CR LF is split into two line ends.
        qsizetype to = text.indexOf(u'\n', std::min(from + BlockSize, text.size()) - 1);
        to = to < 0 ? text.size() : to + 1;
        cursor.insertText(QStringView(text).sliced(from, to - from).toString());
        from = to;
    }
    document->setUndoRedoEnabled(true);
    return document;
}
