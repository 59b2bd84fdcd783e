// Columns and cells of 100,000 rows: the default columns, every column with HTML links and a
// shortened path, and the default columns grouped by creation date (rows read back as dates)
// and by type.
// Run: build/bench/tabulix_bench --benchmark_filter=actArray (items_per_second is rows per second).
#include "common/settings.h"
#include "table/act_array_fill.h"
#include "table/column_kinds.h"
#include "generated_rows.h"

#include <benchmark/benchmark.h>

namespace {

void fill(benchmark::State &state, const Settings &settings, OutputFormat output)
{
    const QVector<FileEntry> rows = generatedRows(benchRowCount());
    for (auto _ : state)
        benchmark::DoNotOptimize(fillActArray(rows, settings, german(), output));
    state.SetItemsProcessed(state.iterations() * rows.size());
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
        settings.setOn(columnKindInfo(ColumnKind(number)).activation, true);
    for (const CheckSetting link : {PB::act_name_htmllink, PB::act_pfad_htmllink, PB::act_pfad_kurz})
        settings.setOn(link, true);
    settings.setValue(PB::act_datum_changed_format, QStringLiteral("yyyy-mm-dd"));
    fill(state, settings, OutputFormat::Htm);
}
BENCHMARK(actArrayAllColumnsHtml)->Unit(benchmark::kMillisecond);

void grouped(benchmark::State &state, const char *group)
{
    Settings settings;
    settings.setOn(PB::des_grup_ja, true);
    settings.setValue(PB::des_grup, QString::fromUtf8(group));
    fill(state, settings, OutputFormat::Txt);
}
BENCHMARK_CAPTURE(grouped, actArrayGroupedByDate, "Erstellt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(grouped, actArrayGroupedByType, "Windows Typ")->Unit(benchmark::kMillisecond);

} // namespace
