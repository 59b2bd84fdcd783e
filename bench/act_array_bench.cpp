// Columns and cells of 100,000 rows: the default columns, every column with HTML links and a
// shortened path, and the default columns grouped by creation date (rows read back as dates).
// Run: build/bench/tabulix_bench --benchmark_filter=actArray (items_per_second is rows per second).
#include "common/settings.h"
#include "table/act_array_fill.h"
#include "table/column_kinds.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

constexpr int RowCount = 100000;

const LocaleFormat &german()
{
    static const LocaleFormat format = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    return format;
}

QVector<FileEntry> generatedRows()
{
    QRandomGenerator random(7);
    const QDateTime base(QDate(2015, 1, 1), QTime(0, 0), Qt::UTC);
    QVector<FileEntry> rows;
    rows.reserve(RowCount);
    for (int i = 0; i < RowCount; ++i) {
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

void fill(benchmark::State &state, const Settings &settings, OutputFormat output)
{
    const QVector<FileEntry> rows = generatedRows();
    for (auto _ : state)
        benchmark::DoNotOptimize(fillActArray(rows, settings, german(), output));
    state.SetItemsProcessed(state.iterations() * RowCount);
}

void actArrayDefaultColumns(benchmark::State &state)
{
    const Settings settings;
    fill(state, settings, OutputFormat::Txt);
}
BENCHMARK(actArrayDefaultColumns)->Unit(benchmark::kMillisecond);

void actArrayAllColumnsHtml(benchmark::State &state)
{
    Settings settings;
    for (int number = 1; number < ColumnKindCount; ++number)
        settings.setOn(SettingsWindow::PB, QString::fromUtf8(columnKindInfo(ColumnKind(number)).activation),
                       true);
    for (const char *name : {"act_name_htmllink", "act_pfad_htmllink", "act_pfad_kurz"})
        settings.setOn(SettingsWindow::PB, QString::fromUtf8(name), true);
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_datum_changed_format"),
                      QStringLiteral("yyyy-mm-dd"));
    fill(state, settings, OutputFormat::Htm);
}
BENCHMARK(actArrayAllColumnsHtml)->Unit(benchmark::kMillisecond);

void actArrayGroupedByDate(benchmark::State &state)
{
    Settings settings;
    settings.setOn(SettingsWindow::PB, QStringLiteral("des_grup_ja"), true);
    settings.setValue(SettingsWindow::PB, QStringLiteral("des_grup"), QStringLiteral("Erstellt"));
    fill(state, settings, OutputFormat::Txt);
}
BENCHMARK(actArrayGroupedByDate)->Unit(benchmark::kMillisecond);

} // namespace
