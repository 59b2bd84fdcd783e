#pragma once
// The output made away from the window: what it is made from is copied when it is asked for,
// so the window goes on meanwhile, and a newer request stops it between its steps.
#include "collect/file_entry.h"
#include "common/locale_format.h"
#include "common/settings.h"

#include <QStringList>
#include <QTextDocument>
#include <atomic>
#include <memory>
#include <optional>

struct ProgramState;
class QThread;

// Everything one output is made from, as it stood when it was asked for.
struct OutputSources {
    Settings::Values settings;
    QVector<FileEntry> rows;
    LocaleFormat locale;
};
OutputSources outputSources(const ProgramState &state, const LocaleFormat &locale);

// The output as the preview shows it: its lines, their text (what copy and save take), and
// that text as a plain document for the text view, belonging to the thread it was made for.
struct BuiltOutput {
    QStringList lines;
    QString text;
    std::unique_ptr<QTextDocument> document;
};
// Nothing when stop was set before it was done.
std::optional<BuiltOutput> buildOutput(const OutputSources &sources, QThread *documentThread,
                                       const std::atomic_bool &stop);

// The text as a plain text view's document holds it, made a block of lines at a time; nothing
// when stop was set on the way.
std::unique_ptr<QTextDocument> plainTextDocument(const QString &text, const std::atomic_bool &stop);
