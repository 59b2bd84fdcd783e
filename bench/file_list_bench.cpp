// The file list with 100,000 rows: sorting by each kind of column, removing and moving rows.
// Run: build/bench/tabulix_bench (items_per_second is rows per second).
#include "collect/file_list.h"
#include "generated_rows.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include <optional>

namespace {


QVector<FileEntry> sortableRows()
{
    QRandomGenerator random(42);
    const LocaleFormat format = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime base(QDate(2015, 1, 1), QTime(0, 0), Qt::UTC);
    QVector<FileEntry> rows;
    rows.reserve(benchRowCount());
    for (int i = 0; i < benchRowCount(); ++i) {
        FileEntry entry;
        entry.name = QStringLiteral("Datei_%1_%2.txt").arg(random.bounded(1000000)).arg(i);
        entry.cells[CellFormat] = QStringLiteral("TXT");
        entry.cells[CellPath] = QStringLiteral("/data/") + entry.name;
        entry.bytes = random.bounded(1 << 30);
        entry.created = base.addSecs(random.bounded(300000000));
        entry.cells[CellCreated] = format.dateTimeText(entry.created);
        rows.append(entry);
    }
    return rows;
}

// Times `action` on a fresh list of the generated rows, once per iteration; making and freeing
// the lists is not timed.
template <typename Action>
void onFreshLists(benchmark::State &state, const QVector<FileEntry> &rows, Action action)
{
    std::optional<FileList> list;
    for (auto _ : state) {
        state.PauseTiming();
        list.reset();
        list.emplace();
        list->append(rows);
        state.ResumeTiming();
        action(*list);
    }
    state.SetItemsProcessed(state.iterations() * benchRowCount());
}

QList<int> everyNthRow(int step)
{
    QList<int> rows;
    for (int row = 0; row < benchRowCount(); row += step)
        rows.append(row);
    return rows;
}

void sortByColumn(benchmark::State &state)
{
    const LocaleFormat format = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    const int column = int(state.range(0));
    onFreshLists(state, sortableRows(), [&](FileList &list) { list.qulistColumnClick(column, format); });
}
// Every column: 0 = name (collation), 3 = size (numbers), 4 = created (times), 10 = path.
BENCHMARK(sortByColumn)->DenseRange(0, ListColumnCount - 1)->Unit(benchmark::kMillisecond);

void removeEveryOtherRow(benchmark::State &state)
{
    const QList<int> selected = everyNthRow(2);
    onFreshLists(state, sortableRows(), [&](FileList &list) { list.removeRowsAt(selected); });
}
BENCHMARK(removeEveryOtherRow)->Unit(benchmark::kMillisecond);

void moveScatteredRowsToTheEnd(benchmark::State &state)
{
    const QList<int> selected = everyNthRow(10);
    onFreshLists(state, sortableRows(), [&](FileList &list) { list.moveRowsBefore(selected, -1); });
}
BENCHMARK(moveScatteredRowsToTheEnd)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
