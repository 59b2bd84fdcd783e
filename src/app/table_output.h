#pragma once
// One refresh of the output from the rows and the settings: the columns and cells, then the
// lines; and the text those lines make in the text view, the clipboard and a saved file.
#include "collect/file_entry.h"
#include "common/locale_format.h"
#include "encoding/write_text_file.h"
#include "table/output_format.h"
#include "table/table_picture.h"
#include "verify/manifest_writing.h"

#include <QStringList>

#include <atomic>
#include <functional>

struct ProgramState;
class Settings;

// The output format chosen in the main window.
OutputFormat chosenOutputFormat(const ProgramState &state);
OutputFormat chosenOutputFormat(const Settings &settings);

// The checksum file of the rows' files, names relative to the folder.
WrittenManifest rowsManifest(const QVector<FileEntry> &rows, ManifestKind kind, const QString &folder,
                             const std::atomic_bool *stop = nullptr);

// Saves the checksum file of the rows' files through the safe writer, names relative to the
// file's folder; returns the paths left out. Throws the writer's TabulixError.
QList<QByteArray> saveManifest(const QVector<FileEntry> &rows, ManifestKind kind, const QString &path);

// fillActArray followed by layOutTable for the rows in their list order, or the lines of a
// checksum file with names relative to the current folder; nothing when stop is set on the way.
QStringList buildOutputLines(const Settings &settings, const QVector<FileEntry> &rows,
                             const LocaleFormat &locale, const std::atomic_bool *stop = nullptr);
QStringList buildOutputLines(const ProgramState &state, const LocaleFormat &locale);

// Whether the output can be made and written a block of rows at a time: CSV without grouping,
// whose lines stand alone, and the formats written from the rows' values.
bool outputInBlocks(const ProgramState &state);
// The lines of such output, handed to write block by block so that the whole table never sits
// in memory at once; the same lines as buildOutputLines. Returns false as soon as write does.
bool writeOutputInBlocks(const ProgramState &state, const LocaleFormat &locale,
                         const std::function<bool(const QStringList &lines)> &write);

// The picture background of the output settings (`Edit1`, "#RRGGBB"); white when unreadable.
QColor pictureBackground(const ProgramState &state);

// What follows each line: the line break, or nothing in CSV without line breaks (`csv_lb` off).
QString outputLineEnd(OutputFormat format, bool csvLineBreaks, const QString &lineBreak);
// Every line followed by CR LF (or the given line end); CSV without line breaks when `csv_lb` is
// off. Line breaks inside cells stay as they are.
QString outputText(const QStringList &lines, OutputFormat format, bool csvLineBreaks,
                   const QString &lineBreak = QStringLiteral("\r\n"));

// Saves the table's text: the formats written from the rows' values as UTF-8 without a
// byte-order mark, as their readers expect; every other format as writeTextFile does, in the
// chosen encoding or as a picture of the text. Throws writeTextFile's TabulixError.
void saveTableText(const QString &text, const QString &path, const Settings &settings,
                   const PictureWriter &writePicture);
