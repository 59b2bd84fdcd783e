#include "generated_rows.h"

#include <QRandomGenerator>

const LocaleFormat &german()
{
    static const LocaleFormat format = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    return format;
}

QVector<FileEntry> generatedRows(int count)
{
    QRandomGenerator random(7);
    const QDateTime base(QDate(2015, 1, 1), QTime(0, 0), Qt::UTC);
    QVector<FileEntry> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        FileEntry entry;
        entry.name = QStringLiteral("Bericht %1 & Anhang.txt").arg(i);
        entry.cells[CellFormat] = QStringLiteral("TXT");
        entry.cells[CellTypeName] = QStringLiteral("Textdokument");
        entry.cells[CellPath] = QStringLiteral("/home/nutzer/Dokumente/Jahr %1/").arg(i % 50) + entry.name;
        entry.cells[CellProgram] = QStringLiteral("/usr/bin/gedit");
        entry.bytes = random.bounded(1 << 30);
        entry.created = entry.accessed = entry.changed = base.addSecs(random.bounded(300000000));
        entry.cells[CellCreated] = entry.cells[CellAccessed] = entry.cells[CellChanged] =
            german().dateTimeText(entry.created);
        entry.cells[CellReadOnly] = entry.cells[CellHidden] = QStringLiteral("nein");
        rows.append(entry);
    }
    return rows;
}
