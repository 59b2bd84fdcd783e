#include "generated_rows.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>

const LocaleFormat &german()
{
    static const LocaleFormat format = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    return format;
}

int benchRowCount()
{
    static const int count = [] {
        bool valid = false;
        const int rows = qEnvironmentVariableIntValue("TABULIX_BENCH_ROWS", &valid);
        return valid && rows > 0 ? rows : 100000;
    }();
    return count;
}

QVector<FileEntry> generatedRows(int count)
{
    QRandomGenerator random(7);
    const QDateTime base(QDate(2015, 1, 1), QTime(0, 0), Qt::UTC);
    QVector<FileEntry> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        FileEntry entry;
        static const char *const formats[][2] = {
            {"txt", "Textdokument"}, {"pdf", "PDF-Dokument"}, {"jpg", "JPEG-Bild"}, {"png", "PNG-Bild"},
            {"mp3", "MP3-Audio"},    {"zip", "ZIP-Archiv"},   {"cpp", "C++-Quelltext"}, {"html", "HTML-Dokument"},
            {"odt", "ODT-Dokument"}, {"csv", "CSV-Tabelle"}};
        const auto &format = formats[i % 10];
        entry.name = QStringLiteral("Bericht %1 & Anhang.").arg(i) + QString::fromLatin1(format[0]);
        entry.cells[CellFormat] = QString::fromLatin1(format[0]).toUpper();
        entry.cells[CellTypeName] = QString::fromUtf8(format[1]);
        entry.cells[CellPath] = QStringLiteral("/home/nutzer/Dokumente/Jahr %1/").arg(i % 50) + entry.name;
        entry.cells[CellProgram] = QStringLiteral("/usr/bin/gedit");
        entry.bytes = random.bounded(1 << 30);
        entry.created = entry.accessed = entry.changed = base.addSecs(random.bounded(300000000));
        entry.cells[CellCreated] = entry.cells[CellAccessed] = entry.cells[CellChanged] =
            german().dateTimeText(entry.created);
        entry.cells[CellReadOnly] = entry.cells[CellHidden] = QStringLiteral("nein");
        rows.append(entry);
    }
    return rows;
}

namespace {

constexpr int FilesPerFolder = 1000;

int generatedTreeFolderCount()
{
    return std::max(1, benchRowCount() / FilesPerFolder);
}

} // namespace

int generatedTreeFileCount()
{
    return generatedTreeFolderCount() * FilesPerFolder;
}

QString generatedTree()
{
    static QTemporaryDir root;
    static const bool written = [] {
        const char *extensions[] = {"txt", "jpg", "png", "pdf", "cpp", "h", "mp3", "zip", "html", ""};
        for (int folder = 0; folder < generatedTreeFolderCount(); ++folder) {
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
