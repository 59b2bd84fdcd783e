// The renaming tool with the generated tree (100,000 files, TABULIX_BENCH_ROWS): adding the
// folder with its subfolders (at most 2 s), and a change of the mask followed by the new name
// of every entry, which is what the live column and its clash marks need (at most 200 ms); renaming
// every entry and undoing it, with the journal in a temporary folder.
// Run: build/bench/tabulix_bench --benchmark_filter=renameList
#include "common/settings.h"
#include "renamer/rename_tool.h"
#include "generated_rows.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct RenamingWindow {
    RenamingWindow() : tool(settings, okForAll, quiet, german()) { settings.setOn(DU::uv, true); }
    Settings settings;
    bool okForAll = true;
    RenamerFeedback quiet;
    RenameTool tool;
};

void renameListAddingTheTree(benchmark::State &state)
{
    const QString tree = generatedTree();
    for (auto _ : state) {
        RenamingWindow window;
        window.tool.addFolder(tree);
        if (window.tool.list().count() != generatedTreeFileCount())
            state.SkipWithError("not every file was added");
    }
    state.SetItemsProcessed(state.iterations() * generatedTreeFileCount());
}
BENCHMARK(renameListAddingTheTree)->Unit(benchmark::kMillisecond)->Iterations(1);

void renameListMaskChange(benchmark::State &state)
{
    RenamingWindow window;
    window.tool.addFolder(generatedTree());
    RenameList &list = window.tool.list();
    RenameRule rule;
    int change = 0;
    for (auto _ : state) {
        rule.mask = (++change % 2 ? QStringLiteral("Foto %0num% %name%") : QStringLiteral("%name%_%num% von %abs%"));
        list.setRule(rule);
        for (int row = 0; row < list.count(); ++row)
            benchmark::DoNotOptimize(list.newNameAt(row));
    }
    state.SetItemsProcessed(state.iterations() * list.count());
}
BENCHMARK(renameListMaskChange)->Unit(benchmark::kMillisecond);

void renameListRenamingAndUndoingTheTree(benchmark::State &state)
{
    QTemporaryDir journal;
    qputenv("XDG_STATE_HOME", QFile::encodeName(journal.path()));
    RenamingWindow window;
    window.tool.addFolder(generatedTree());
    window.settings.setValue(DU::maske, QStringLiteral("%name%_neu"));
    for (auto _ : state) {
        const QList<RenameOutcome> outcomes = window.tool.renameAll();
        const auto renamed = std::count_if(outcomes.cbegin(), outcomes.cend(), [](const RenameOutcome &outcome) {
            return outcome.status == RenameStatus::Renamed;
        });
        window.tool.undo();
        // The tree has to be as it was for the benchmarks after this one.
        if (renamed != generatedTreeFileCount() || !window.tool.list().containsPath(outcomes[0].oldPath))
            state.SkipWithError("not every file was renamed and back");
    }
    state.SetItemsProcessed(state.iterations() * generatedTreeFileCount());
}
BENCHMARK(renameListRenamingAndUndoingTheTree)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
