// Adding a generated tree of 100,000 files (TABULIX_BENCH_ROWS) through the core: the walk alone, the walk with
// every fact of every file (no checksums), and, with all five checksums, the longest time the
// window would go without handling its events and how long a cancel takes to end the adding.
// Run: build/bench/tabulix_bench --benchmark_filter=Adding (items_per_second is files per
// second; longest_stall_ms and cancel_ms are the window's figures, each at most 100 ms).
#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/folder_walk.h"
#include "generated_rows.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

const int FileCount = generatedTreeFileCount();

void Adding_WalkOnly(benchmark::State &state)
{
    const QString root = generatedTree();
    for (auto _ : state)
        benchmark::DoNotOptimize(walkFolder(root, {QStringLiteral(".*")}, true));
    state.SetItemsProcessed(state.iterations() * FileCount);
}
BENCHMARK(Adding_WalkOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

void Adding_FolderWithFacts(benchmark::State &state)
{
    const QString root = generatedTree();
    for (auto _ : state) {
        ProgramState program;
        AddingFeedback quiet;
        FileAdder adder(program, quiet, nullptr);
        adder.addFolderFiles(root);
        if (program.fileList.count() != FileCount)
            state.SkipWithError("not every file was added");
    }
    state.SetItemsProcessed(state.iterations() * FileCount);
}
BENCHMARK(Adding_FolderWithFacts)->Unit(benchmark::kMillisecond)->Iterations(3);

// Measures the gaps between two rounds of window events, as a timer in the window would see
// them, and asks for a cancel once cancelAfterMs have passed.
class StallClock : public AddingFeedback {
public:
    explicit StallClock(qint64 cancelAfterMs = -1) : m_cancelAfterMs(cancelAfterMs) { m_started.start(); }

    void handlePendingEvents() override
    {
        const qint64 now = m_started.nsecsElapsed();
        if (m_lastEvents >= 0)
            longestNs = std::max(longestNs, now - m_lastEvents);
        m_lastEvents = now;
    }
    bool takeCancelRequest() override
    {
        if (m_cancelAfterMs < 0 || m_cancelAskedNs >= 0 || m_started.elapsed() < m_cancelAfterMs)
            return false;
        m_cancelAskedNs = m_started.nsecsElapsed();
        return true;
    }
    bool cancelAsked() const { return m_cancelAskedNs >= 0; }
    // From the cancel request to now.
    double msSinceCancel() const { return double(m_started.nsecsElapsed() - m_cancelAskedNs) / 1e6; }

    qint64 longestNs = 0;

private:
    QElapsedTimer m_started;
    qint64 m_lastEvents = -1;
    qint64 m_cancelAfterMs;
    qint64 m_cancelAskedNs = -1;
};

// Adds the generated tree with all five checksums; returns the rows added.
int addTreeWithChecksums(StallClock &clock)
{
    ProgramState program;
    for (const CheckSetting checksum : {PB::act_checksum, PB::act_checksum_md5, PB::act_checksum_crc,
                                        PB::act_checksum_sha1, PB::act_checksum_sha256, PB::act_checksum_sha512})
        program.settings.setOn(checksum, true);
    FileAdder adder(program, clock, nullptr);
    adder.addFolderFiles(generatedTree());
    return program.fileList.count();
}

void Adding_LongestStallWithChecksums(benchmark::State &state)
{
    double longestMs = 0;
    for (auto _ : state) {
        StallClock clock;
        addTreeWithChecksums(clock);
        longestMs = std::max(longestMs, double(clock.longestNs) / 1e6);
    }
    state.counters["longest_stall_ms"] = longestMs;
    state.SetItemsProcessed(state.iterations() * FileCount);
}
BENCHMARK(Adding_LongestStallWithChecksums)->Unit(benchmark::kMillisecond)->Iterations(3);

void Adding_CancelWithChecksums(benchmark::State &state)
{
    double slowestMs = 0;
    for (auto _ : state) {
        StallClock clock(300); // well into the checksums of the files
        if (addTreeWithChecksums(clock) == FileCount || !clock.cancelAsked())
            state.SkipWithError("the adding ended before the cancel");
        slowestMs = std::max(slowestMs, clock.msSinceCancel());
    }
    state.counters["cancel_ms"] = slowestMs;
}
BENCHMARK(Adding_CancelWithChecksums)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
