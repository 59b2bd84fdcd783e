#pragma once
// Rows of the file list as adding writes them, with chosen facts, and the locales the table
// tests read them in.
#include "collect/file_entry.h"
#include "collect/row_texts.h"
#include "common/locale_format.h"
#include "common/paths.h"
#include "common/settings.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

// Fresh-start settings of the main window with short setters.
struct MainSettingsTest : ::testing::Test {
    Settings settings;

    void set(const char *name, const QString &value)
    {
        settings.setValue(SettingsWindow::PB, QString::fromUtf8(name), value);
    }
    void set(const char *name, bool on) { settings.setOn(SettingsWindow::PB, QString::fromUtf8(name), on); }
};

inline const LocaleFormat &germanFormat()
{
    static const LocaleFormat format = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    return format;
}

inline const LocaleFormat &englishFormat()
{
    static const LocaleFormat format =
        LocaleFormat::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    return format;
}

struct RowFacts {
    QString path;
    qint64 bytes = 0;
    QDateTime when = QDateTime(QDate(2009, 3, 4), QTime(14, 5, 9), Qt::UTC); // all three times
    bool hidden = false;
    bool readOnly = false;
    QString typeName = QStringLiteral("Textdokument");
    QString program = QStringLiteral("/usr/bin/cat");
    Language language = Language::German;
    QString md5 = QStringLiteral("Option nicht aktiviert.");
};

// The cells adding fills, written in the given locale.
inline FileEntry makeRow(const RowFacts &facts, const LocaleFormat &format = germanFormat())
{
    FileEntry row;
    row.name = namePart(facts.path);
    row.cells[CellFormat] = formatOfExtension(facts.path);
    row.cells[CellTypeName] = facts.typeName;
    row.cells[CellSizeText] = fileSizeText(facts.bytes, format);
    row.created = row.accessed = row.changed = facts.when;
    const QString time = facts.when.isValid() ? format.dateTimeText(facts.when) : QString();
    row.cells[CellCreated] = row.cells[CellAccessed] = row.cells[CellChanged] = time;
    row.cells[CellReadOnly] = yesNoText(facts.readOnly, facts.language);
    row.cells[CellHidden] = yesNoText(facts.hidden, facts.language);
    row.cells[CellProgram] = facts.program;
    row.cells[CellPath] = facts.path;
    row.cells[CellMd5] = facts.md5;
    for (int cell = CellCrc32; cell <= CellSha512; ++cell)
        row.cells[cell] = QStringLiteral("Option nicht aktiviert.");
    row.bytes = facts.bytes;
    return row;
}
