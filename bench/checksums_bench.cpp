// Checksums of a 1 GiB file of pseudo-random bytes: all five kinds in one read, and CRC32 and
// MD5 alone. The file is written once into a temporary folder under /tmp and removed at exit;
// after writing it sits in the page cache, so the figures are digest speed, not disk speed.
// Run: build/bench/tabulix_bench --benchmark_filter=checksums (bytes_per_second is the speed).
#include "collect/checksums.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

constexpr qint64 FileSize = qint64(1) << 30;

// Written on first use, so that running only the other benchmarks costs nothing.
const QString &bigFile()
{
    static QTemporaryDir folder(QStringLiteral("/tmp/tabulix-checksums-XXXXXX"));
    static const QString path = [] {
        const QString name = folder.filePath(QStringLiteral("random.bin"));
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the benchmark file");
        std::vector<std::uint64_t> block(1 << 19); // 4 MiB
        std::uint64_t state = 0x9E3779B97F4A7C15u;
        for (qint64 written = 0; written < FileSize; written += qint64(block.size() * sizeof block[0])) {
            for (std::uint64_t &word : block) { // xorshift64: random enough to defeat any shortcut
                state ^= state << 13;
                state ^= state >> 7;
                state ^= state << 17;
                word = state;
            }
            file.write(reinterpret_cast<const char *>(block.data()), qint64(block.size() * sizeof block[0]));
        }
        return name;
    }();
    return path;
}

void checksums(benchmark::State &state, ChecksumKinds kinds)
{
    const QString &path = bigFile();
    for (auto _ : state) {
        const ChecksumResults results = fileChecksums(path, kinds);
        for (int i = 0; i < ChecksumKindCount; ++i)
            if (kinds[i] && !results[i])
                state.SkipWithError("the file could not be read");
        benchmark::DoNotOptimize(results);
    }
    state.SetBytesProcessed(state.iterations() * FileSize);
}

BENCHMARK_CAPTURE(checksums, allKindsOnePass, ChecksumKinds().set())
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checksums, crc32Alone, ChecksumKinds().set(int(ChecksumKind::CRC32)))
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checksums, md5Alone, ChecksumKinds().set(int(ChecksumKind::MD5)))
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

} // namespace
