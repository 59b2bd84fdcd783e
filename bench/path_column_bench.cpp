// The path column alone, shortened to its 200 pixels, for 100,000 rows of paths as a home
// folder and a few shared drives hold them: a few thousand folders, many files per folder,
// umlauts, ligatures, kerning pairs and now and then a character beyond Latin-1.
// Run: QT_QPA_PLATFORM=offscreen build/bench/tabulix_bench --benchmark_filter=pathColumn
#include "common/settings.h"
#include "table/act_array_fill.h"
#include "table/column_kinds.h"
#include "generated_rows.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

constexpr int FolderCount = 3000;

const QStringList roots{QStringLiteral("/home/anna"), QStringLiteral("/home/jürgen.müller"),
                        QStringLiteral("/mnt/Archiv"), QStringLiteral("/srv/projekte"),
                        QStringLiteral("/media/usb-stick")};
const QStringList words{QStringLiteral("Dokumente"),     QStringLiteral("Bilder"),
                        QStringLiteral("Urlaub 2019"),   QStringLiteral("Steuer"),
                        QStringLiteral("Rechnungen"),    QStringLiteral("config"),
                        QStringLiteral("Office"),        QStringLiteral("Präsentation"),
                        QStringLiteral("Verträge"),      QStringLiteral("src"),
                        QStringLiteral("diff-files"),    QStringLiteral("AVG Tools"),
                        QStringLiteral("Größe"),         QStringLiteral("Backup_2023-04-17"),
                        QStringLiteral("Musik"),         QStringLiteral("Fotos"),
                        QStringLiteral("Projekt Alpha"), QStringLiteral("Übersetzungen"),
                        QStringLiteral("node_modules"),  QStringLiteral("Kundendaten"),
                        QStringLiteral("Tabellen"),      QStringLiteral("Angebot – final")};
const QStringList extensions{QStringLiteral(".pdf"), QStringLiteral(".jpg"),  QStringLiteral(".docx"),
                             QStringLiteral(".txt"), QStringLiteral(".xlsx"), QStringLiteral(".cpp")};

QString word(QRandomGenerator &random)
{
    return words[random.bounded(int(words.size()))];
}

QVector<FileEntry> pathRows()
{
    QRandomGenerator random(11);
    QStringList folders;
    for (int i = 0; i < FolderCount; ++i) {
        QString folder = roots[random.bounded(int(roots.size()))];
        for (int depth = random.bounded(1, 8); depth > 0; --depth)
            folder += u'/' + word(random);
        folders.append(folder + u'/');
    }
    QVector<FileEntry> rows;
    rows.reserve(benchRowCount());
    for (int i = 0; i < benchRowCount(); ++i) {
        FileEntry entry;
        entry.name = word(random) + QStringLiteral(" %1").arg(random.bounded(100000)) +
                     extensions[random.bounded(int(extensions.size()))];
        entry.cells[CellPath] = folders[random.bounded(FolderCount)] + entry.name;
        rows.append(entry);
    }
    return rows;
}

void pathColumnShortened(benchmark::State &state)
{
    Settings settings;
    for (int number = 1; number < ColumnKindCount; ++number)
        settings.setOn(columnKindInfo(ColumnKind(number)).activation, false);
    settings.setOn(PB::act_pfad, true);
    settings.setOn(PB::act_pfad_kurz, true);
    const LocaleFormat format = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    const QVector<FileEntry> rows = pathRows();
    for (auto _ : state)
        benchmark::DoNotOptimize(fillActArray(rows, settings, format, OutputFormat::Txt));
    state.SetItemsProcessed(state.iterations() * benchRowCount());
}
BENCHMARK(pathColumnShortened)->Unit(benchmark::kMillisecond);

} // namespace
