#include "verify/hashdeep_lines.h"

#include "verify/manifest_lines.h"

#include <QList>

namespace {

constexpr QByteArrayView FileMark = "%%%% HASHDEEP-";
constexpr QByteArrayView HeaderMark = "%%%% ";

enum class Column { Size, Digest, Other };

struct ColumnPlan {
    QList<Column> columns; // all but the name, which comes last
    QList<ChecksumKind> kinds; // of the digest columns, in their order
};

std::optional<ColumnPlan> columnPlan(QByteArrayView header)
{
    const QList<QByteArray> names = header.toByteArray().split(',');
    if (names.size() < 2 || names.last().trimmed() != "filename")
        return std::nullopt;
    ColumnPlan plan;
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        const QByteArray name = names[i].trimmed();
        const auto digest = [&](ChecksumKind kind) {
            plan.columns.append(Column::Digest);
            plan.kinds.append(kind);
        };
        if (name == "size")
            plan.columns.append(Column::Size);
        else if (name == "md5")
            digest(ChecksumKind::MD5);
        else if (name == "sha1")
            digest(ChecksumKind::SHA1);
        else if (name == "sha256")
            digest(ChecksumKind::SHA256);
        else if (name == "sha512")
            digest(ChecksumKind::SHA512);
        else
            plan.columns.append(Column::Other);
    }
    return plan;
}

std::optional<ManifestEntry> hashdeepEntry(QByteArrayView line, const ColumnPlan &plan)
{
    ManifestEntry entry;
    qsizetype from = 0;
    qsizetype digest = 0;
    for (const Column column : plan.columns) {
        const qsizetype comma = line.indexOf(',', from);
        if (comma < 0)
            return std::nullopt;
        const QByteArrayView field = line.sliced(from, comma - from);
        from = comma + 1;
        if (column == Column::Size) {
            bool ok = false;
            entry.size = field.toLongLong(&ok);
            if (!ok || *entry.size < 0)
                return std::nullopt;
        } else if (column == Column::Digest) {
            const ChecksumKind kind = plan.kinds[digest++];
            const std::optional<QByteArray> hex = lowerHex(field);
            if (!hex || hex->size() != hexLength(kind))
                return std::nullopt;
            entry.digests.append({kind, *hex});
        }
    }
    const QByteArrayView name = line.sliced(from);
    if (name.isEmpty() || name.contains('\0') || entry.digests.isEmpty())
        return std::nullopt;
    entry.name = name.toByteArray();
    return entry;
}

} // namespace

bool looksLikeHashdeep(QByteArrayView bytes)
{
    return bytes.startsWith(FileMark);
}

Manifest readHashdeepLines(QByteArrayView bytes)
{
    Manifest manifest;
    manifest.format = ManifestFormat::Hashdeep;
    std::optional<ColumnPlan> plan;
    forEachLine(bytes, [&](QByteArrayView line, qsizetype number) {
        if (line.isEmpty() || line.startsWith("##") || line.startsWith(FileMark))
            return;
        if (line.startsWith(HeaderMark) && line.size() <= MaxLineBytes) {
            plan = columnPlan(line.sliced(HeaderMark.size()));
            if (!plan)
                manifest.badLines.append(number);
            return;
        }
        addLine(manifest, plan && line.size() <= MaxLineBytes ? hashdeepEntry(line, *plan) : std::nullopt, number);
    });
    return manifest;
}
