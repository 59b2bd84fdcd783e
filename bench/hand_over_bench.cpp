// How long a start with arguments waits before it goes on alone: with no program listening at
// all, and with one listening that has no main window yet. A start should not stall either way.
// Run: build/bench/tabulix_bench --benchmark_filter=HandOver
#include "app/hand_over.h"
#include "app/hand_over_server.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <future>

namespace {

using namespace std::chrono_literals;

const QString commandLine = quotedCommandLine({QStringLiteral("/p"), QStringLiteral("/a")});

void HandOver_NobodyListening(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString serverName = folder.filePath(QStringLiteral("nobody"));
    for (auto _ : state)
        benchmark::DoNotOptimize(handOverToRunningInstance(serverName, 1, commandLine));
}
BENCHMARK(HandOver_NobodyListening)->Unit(benchmark::kMillisecond);

void HandOver_ListeningWithoutReceiver(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString serverName = folder.filePath(QStringLiteral("hand-over"));
    HandOverServer server;
    if (!server.listen(serverName)) {
        state.SkipWithError("cannot listen");
        return;
    }
    for (auto _ : state) {
        // The server answers from this thread's event loop while the sender waits in its own.
        auto sent = std::async(std::launch::async,
                               [&] { return handOverToRunningInstance(serverName, 1, commandLine); });
        while (sent.wait_for(0ms) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        benchmark::DoNotOptimize(sent.get());
    }
}
BENCHMARK(HandOver_ListeningWithoutReceiver)->Unit(benchmark::kMillisecond);

} // namespace
