#pragma once
// The output made away from the window: what it is made from is copied when it is asked for,
// so the window goes on meanwhile, and a newer request stops it between its steps.
#include "app/text_lines.h"
#include "collect/file_entry.h"
#include "common/locale_format.h"
#include "common/settings.h"

#include <QStringList>
#include <atomic>
#include <optional>

struct ProgramState;

// Everything one output is made from, as it stood when it was asked for.
struct OutputSources {
    Settings::Values settings;
    QVector<FileEntry> rows;
    LocaleFormat locale;
};
OutputSources outputSources(const ProgramState &state, const LocaleFormat &locale);

// The output as the preview shows it: its lines, and their text (what copy and save take)
// broken into the lines the text view shows.
struct BuiltOutput {
    QStringList lines;
    TextLines text;
};
// Nothing when stop was set before it was done.
std::optional<BuiltOutput> buildOutput(const OutputSources &sources, const std::atomic_bool &stop);
