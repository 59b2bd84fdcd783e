// Reading the photo tags that new names take: 10,000 JPEG files with EXIF (DateTimeOriginal and
// the camera model, written once by exiftool and copied), read as the renaming list's background
// reader does. Run: build/bench/tabulix_bench --benchmark_filter=photo_tags.
#include "renamer/name_tags.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int PhotoCount = 10000;

// Written on first use, so that running only the other benchmarks costs nothing.
const QStringList &photos()
{
    static QTemporaryDir folder(QStringLiteral("/tmp/tabulix-photo-tags-XXXXXX"));
    static const QStringList paths = [] {
        const QString first = folder.filePath(QStringLiteral("template.jpg"));
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        if (!picture.save(first, "JPEG"))
            qFatal("cannot write the benchmark photo");
        if (QProcess::execute(QStringLiteral("exiftool"),
                              {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                               QStringLiteral("-DateTimeOriginal=2024:05:01 12:00:00"),
                               QStringLiteral("-Model=Bench"), first}) != 0)
            qFatal("exiftool (libimage-exiftool-perl) is needed for this benchmark");
        QStringList copies;
        for (int i = 0; i < PhotoCount; ++i) {
            copies.append(folder.filePath(QStringLiteral("photo%1.jpg").arg(i)));
            QFile::copy(first, copies.last());
        }
        return copies;
    }();
    return paths;
}

void photo_tags(benchmark::State &state)
{
    const QStringList &paths = photos();
    for (auto _ : state)
        for (const QString &path : paths)
            benchmark::DoNotOptimize(readFileTags(path));
    state.SetItemsProcessed(state.iterations() * PhotoCount);
}

} // namespace

BENCHMARK(photo_tags)->Unit(benchmark::kMillisecond)->Iterations(1);
