#include "verify/table_manifest.h"

#include "collect/file_list_file.h"
#include "collect/system_path.h"
#include "table/column_kinds.h"
#include "verify/manifest_lines.h"

#include <QList>

namespace {

// CSV records of cells split at ";", with quoted cells that may hold ";", line ends and
// doubled quotes.
QList<QStringList> csvRecords(QStringView text)
{
    QList<QStringList> records;
    QStringList record;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                cell += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                cell += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u';') {
            record.append(std::exchange(cell, QString()));
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            record.append(std::exchange(cell, QString()));
            records.append(std::exchange(record, QStringList()));
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !record.isEmpty()) {
        record.append(cell);
        records.append(record);
    }
    return records;
}

struct TableColumns {
    qsizetype path = -1;
    QList<std::pair<qsizetype, ChecksumKind>> digests;
};

TableColumns columnsOf(const QStringList &header)
{
    TableColumns columns;
    for (qsizetype i = 0; i < header.size(); ++i) {
        for (const Language language : {Language::German, Language::English})
            if (header[i] == headerDefault(ColumnKind::Path, language))
                columns.path = i;
        for (int kind = 0; kind < ChecksumKindCount; ++kind)
            if (header[i] == QLatin1String(checksumColumnInfo(ChecksumKind(kind)).header))
                columns.digests.append({i, ChecksumKind(kind)});
    }
    return columns;
}

// Where the header is among the first records (a title may come before it), and its columns.
std::optional<std::pair<qsizetype, TableColumns>> headerOf(const QList<QStringList> &records)
{
    constexpr qsizetype HeaderWithin = 3;
    for (qsizetype at = 0; at < std::min(records.size(), HeaderWithin); ++at) {
        const TableColumns columns = columnsOf(records[at]);
        if (columns.path >= 0 && !columns.digests.isEmpty())
            return std::pair(at, columns);
    }
    return std::nullopt;
}

} // namespace

std::optional<Manifest> readTableManifest(QByteArrayView bytes)
{
    // The start tells a table from other checksum files before the whole file is decoded.
    constexpr qsizetype HeadBytes = 64 * 1024;
    const std::optional<QString> head = decodeFileListText(bytes.first(std::min(bytes.size(), HeadBytes)));
    if (!head || !headerOf(csvRecords(*head)))
        return std::nullopt;
    const std::optional<QString> text = decodeFileListText(bytes);
    if (!text)
        return std::nullopt;
    const QList<QStringList> records = csvRecords(*text);
    const std::optional<std::pair<qsizetype, TableColumns>> header = headerOf(records);
    if (!header)
        return std::nullopt;
    const auto &[headerAt, columns] = *header;
    Manifest manifest;
    manifest.format = ManifestFormat::CsvTable;
    for (qsizetype row = headerAt + 1; row < records.size(); ++row) {
        const QStringList &cells = records[row];
        const QString path = cells.value(columns.path);
        if (path.isEmpty()) // the counts and totals below the rows
            continue;
        if (path.contains(QChar(0))) {
            manifest.badLines.append(row + 1);
            continue;
        }
        // Shortening puts ".../" in place of the leading folders.
        if (!path.startsWith(u'/') || path.startsWith(u"/.../")) {
            manifest.unusable = QStringLiteral("the table's paths are shortened; a table with the full path can be checked");
            return manifest;
        }
        ManifestEntry entry{encodedPath(path), {}, std::nullopt, row + 1};
        for (const auto &[column, kind] : columns.digests) {
            const QString cell = cells.value(column);
            const std::optional<QByteArray> hex = cell.size() == hexLength(kind) ? lowerHex(cell.toLatin1()) : std::nullopt;
            if (hex)
                entry.digests.append({kind, *hex});
        }
        if (entry.digests.isEmpty())
            ++manifest.rowsWithoutDigest;
        else
            manifest.entries.append(std::move(entry));
    }
    return manifest;
}
