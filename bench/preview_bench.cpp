// The preview of 100,000 rows with the default columns, as the window shows it: the time from a
// change of the title to the refreshed text on screen, and the longest time the window goes
// without handling its events meanwhile. In "typing", five changes come 30 ms apart; only the
// last may be shown (refreshes_shown), and the time runs from that last change.
// Run: QT_QPA_PLATFORM=offscreen build/bench/tabulix_ui_bench (each figure at most 500 ms).
#include "app/program_state.h"
#include "generated_rows.h"
#include "ui/u_preview_pane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

struct PreviewWindow {
    PreviewWindow() : pane(state)
    {
        state.fileList.append(generatedRows(benchRowCount()));
        state.settings.setOn(PB::des_allg_header_cb, true);
        pane.resize(900, 600);
        pane.show();
        settle();
    }
    // Handles events until no refresh waits or runs, then once more so the view is painted.
    void settle()
    {
        while (pane.refreshPending())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QCoreApplication::processEvents();
    }
    void changeTitle(int number)
    {
        state.settings.setValue(PB::des_allg_header, QStringLiteral("Liste %1").arg(number));
        pane.refreshPreviewIfOn();
    }

    ProgramState state;
    PreviewPane pane;
};

PreviewWindow &previewWindow()
{
    static PreviewWindow window;
    return window;
}

// The longest gap between two rounds of events while the watch lives.
struct StallWatch {
    StallWatch()
    {
        tick.setInterval(0);
        QObject::connect(&tick, &QTimer::timeout, [this] {
            longest = std::max(longest, sinceLast.restart());
        });
        sinceLast.start();
        tick.start();
    }
    QTimer tick;
    QElapsedTimer sinceLast;
    qint64 longest = 0;
};

void previewAfterOneChange(benchmark::State &state)
{
    PreviewWindow &window = previewWindow();
    int number = 0;
    qint64 longestStall = 0;
    for (auto _ : state) {
        StallWatch watch;
        QElapsedTimer clock;
        clock.start();
        window.changeTitle(++number);
        window.settle();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        longestStall = std::max(longestStall, watch.longest);
    }
    state.counters["longest_stall_ms"] = double(longestStall);
}
BENCHMARK(previewAfterOneChange)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void previewWhileTyping(benchmark::State &state)
{
    PreviewWindow &window = previewWindow();
    int number = 1000;
    int shown = 0;
    QObject::connect(&window.pane, &PreviewPane::refreshed, [&shown] { ++shown; });
    for (auto _ : state) {
        shown = 0;
        for (int key = 0; key < 4; ++key) {
            window.changeTitle(++number);
            QElapsedTimer pause;
            pause.start();
            while (pause.elapsed() < 30)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        QElapsedTimer clock;
        clock.start();
        window.changeTitle(++number);
        window.settle();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    state.counters["refreshes_shown"] = double(shown);
}
BENCHMARK(previewWhileTyping)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
