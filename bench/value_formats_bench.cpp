// The formats written from the rows' values against CSV, at 100,000 and 1,000,000 rows of the
// default columns with the change time: JSON should take at most 1.5 times and the workbook at
// most 3 times what CSV takes.
// Run: build/bench/tabulix_bench --benchmark_filter=Table (items_per_second is rows per second).
#include "app/table_output.h"
#include "common/settings.h"
#include "generated_rows.h"
#include "table/output_format.h"
#include "table/workbook_table.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void chooseFormat(Settings &settings, OutputFormat format)
{
    settings.setOn(PB::act_datum_changed, true);
    settings.setValue(PB::out_format, outFormatItem(format, Language::German));
}

// The rows are made once for all runs of a size.
const QVector<FileEntry> &rowsOf(int count)
{
    static QVector<FileEntry> rows;
    if (rows.size() != count)
        rows = generatedRows(count);
    return rows;
}

void linesTable(benchmark::State &state, OutputFormat format)
{
    const QVector<FileEntry> &rows = rowsOf(int(state.range(0)));
    Settings settings;
    chooseFormat(settings, format);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildOutputLines(settings, rows, german()));
    state.SetItemsProcessed(state.iterations() * rows.size());
}

void csvTable(benchmark::State &state)
{
    linesTable(state, OutputFormat::Csv);
}
BENCHMARK(csvTable)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void jsonTable(benchmark::State &state)
{
    linesTable(state, OutputFormat::Json);
}
BENCHMARK(jsonTable)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void workbookTable(benchmark::State &state)
{
    const QVector<FileEntry> &rows = rowsOf(int(state.range(0)));
    Settings settings;
    chooseFormat(settings, OutputFormat::Xlsx);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.xlsx"));
    for (auto _ : state)
        writeWorkbook(rows, settings, german(), path);
    state.SetItemsProcessed(state.iterations() * rows.size());
}
BENCHMARK(workbookTable)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
