#pragma once
// The text of every cell of the table: one rule per column kind, steered by the formatting
// options of the main window. The options are read once, so a table of many rows is quick.
#include "collect/file_entry.h"
#include "common/locale_format.h"
#include "common/path_shortener.h"
#include "table/act_array.h"
#include "table/date_cells.h"
#include "table/output_format.h"

#include <QString>
#include <array>
#include <optional>

class Settings;

class CellTexts {
public:
    CellTexts(const Settings &settings, const LocaleFormat &format, OutputFormat output);

    // What a cell of kinds 01 to 11 shows, before any HTML markup. Group keys sort by it.
    QString visibleText(ColumnKind kind, const FileEntry &row) const;
    // The cell as the output writes it: in HTML the visible text escaped and, for the name
    // and path kinds when their link option is on, linked to the file; in text tables and
    // pictures texts from files (name, path, format, type, program) with their control
    // characters as "?"; elsewhere unchanged.
    QString outputText(ColumnKind kind, const FileEntry &row, const QString &visible) const;
    QString cellText(ColumnKind kind, const FileEntry &row) const
    {
        return outputText(kind, row, visibleText(kind, row));
    }
    // What the size cells show: the unit (0 "Byte" to 4 "TB", -1 a name the cell cannot show)
    // with its places, or without the unit the whole bytes; and whether thousands are separated.
    int sizeUnit() const { return m_sizeUnit; }
    int sizeDecimals() const { return m_sizeDecimals; }
    bool sizeShowsUnit() const { return m_sizeShowUnit; }
    bool sizeThousands() const { return m_sizeThousands; }
    // The options of a date column (created, accessed, changed).
    const DateCellOptions &dateOptions(ColumnKind kind) const
    {
        return m_dates[int(kind) - int(ColumnKind::Created)];
    }
    // Whether the name or path cells link to their files.
    bool linksToFile(ColumnKind kind) const
    {
        return (kind == ColumnKind::FileName && m_nameLink) || (kind == ColumnKind::Path && m_pathLink);
    }
    // Whether rows may be done on several threads at once: text measuring is bound to one.
    bool threadSafe() const { return !m_pathShort; }
    // A checksum sub-column: the row's text of that kind, escaped in HTML.
    QString checksumCell(ChecksumKind kind, const FileEntry &row) const;
    // Any text that comes from a file, as the output writes it: escaped in HTML, as it is in
    // CSV (whose quoting carries any character), else with control characters as "?" so that
    // no name breaks the table's lines or steers a terminal.
    QString escapedForOutput(const QString &text) const;

private:
    QString nameText(const FileEntry &row) const;
    QString sizeText(const FileEntry &row) const;
    QString pathText(const FileEntry &row) const;
    QString programText(const FileEntry &row) const;

    LocaleFormat m_format;
    bool m_html, m_csv;
    bool m_nameExtension, m_nameLink;
    int m_sizeUnit; // -1: a unit name the cell cannot show
    int m_sizeDecimals;
    bool m_sizeShowUnit, m_sizeThousands;
    std::array<DateCellOptions, 3> m_dates; // created, accessed, changed
    QString m_hiddenYes, m_hiddenNo, m_readOnlyYes, m_readOnlyNo;
    bool m_programFolder, m_programName;
    bool m_pathName, m_pathExtension, m_pathDirectFolder, m_pathShort, m_pathLink;
    mutable std::optional<PathShortener> m_shortener; // only when paths are shortened
};
