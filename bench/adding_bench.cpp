// Adding a generated tree of 100,000 files through the core: the walk alone, and the walk
// with every fact of every file (no checksums). Run: build/bench/tabulix_bench
// --benchmark_filter=Adding (items_per_second is files per second).
#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/folder_walk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int FolderCount = 100;
constexpr int FilesPerFolder = 1000;
constexpr int FileCount = FolderCount * FilesPerFolder;

// Written on first use and removed when the benchmark program ends.
QString generatedTree()
{
    static QTemporaryDir root;
    static const bool written = [] {
        const char *extensions[] = {"txt", "jpg", "png", "pdf", "cpp", "h", "mp3", "zip", "html", ""};
        for (int folder = 0; folder < FolderCount; ++folder) {
            const QString path = root.filePath(QStringLiteral("part%1/sub%2").arg(folder / 10).arg(folder));
            QDir().mkpath(path);
            for (int file = 0; file < FilesPerFolder; ++file) {
                const char *extension = extensions[file % 10];
                QFile out(path + QStringLiteral("/file%1%2%3")
                                     .arg(file)
                                     .arg(*extension ? QStringLiteral(".") : QString())
                                     .arg(QString::fromUtf8(extension)));
                if (out.open(QIODevice::WriteOnly))
                    out.write(QByteArray(file % 4096, 'x'));
            }
        }
        return true;
    }();
    Q_UNUSED(written);
    return root.path();
}

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

} // namespace
