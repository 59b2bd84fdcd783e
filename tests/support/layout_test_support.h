#pragma once
// A table built by hand and the settings it is laid out with, for the layout tests.
#include "common/settings.h"
#include "table/table_layout.h"

#include <QLocale>

struct LayoutCase {
    Settings settings; // a fresh start: German defaults
    ActArray columns;
    CellTable cells;
    Language language = Language::German;
    LocaleFormat locale = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    ListTotals totals;

    void set(const char *name, const char *value)
    {
        settings.setValue(SettingsWindow::PB, QString::fromUtf8(name), QString::fromUtf8(value));
    }
    void setOn(const char *name, bool on) { settings.setOn(SettingsWindow::PB, QString::fromUtf8(name), on); }
    void setCsv(const char *name, const char *value)
    {
        settings.setValue(SettingsWindow::EA, QString::fromUtf8(name), QString::fromUtf8(value));
    }

    void addColumn(const char *header, bool rightAligned = false)
    {
        OutputColumn column;
        column.header = QString::fromUtf8(header);
        column.rightAligned = rightAligned;
        columns << column;
    }
    // A row of the file list; the totals follow the rows.
    void addRow(const QStringList &texts, qint64 bytes = 0)
    {
        cells << texts;
        ++totals.files;
        totals.bytes += bytes;
    }
    // With grouping the key and the size in bytes follow the output cells.
    void addGroupedRow(const QString &key, const QStringList &texts, qint64 bytes)
    {
        addRow(texts + QStringList{key, QString::number(bytes)}, bytes);
    }
    // Leaves only the table lines: no dash lines, no end information.
    void plain()
    {
        setOn("des_allg_striche_cb", false);
        setOn("des_allg_endeanzahl", false);
        setOn("des_allg_endesize", false);
    }

    QStringList lines(OutputFormat format = OutputFormat::Txt) const
    {
        return layOutTable(columns, cells, settings, format, language, locale, totals);
    }
};

inline QStringList germanFooter()
{
    return {QString(), QString(), QStringLiteral("Erstellt mit dem Tabulix."),
            QStringLiteral("https://tabulix.example")};
}
