#include "verify/check_results.h"

#include <cerrno>

namespace {

QString joinedHex(const QList<ExpectedDigest> &digests)
{
    QStringList hex;
    for (const ExpectedDigest &digest : digests)
        hex.append(QString::fromLatin1(digest.hex));
    return hex.join(u' ');
}

QString joinedHex(const QList<QByteArray> &digests)
{
    return QString::fromLatin1(digests.join(' '));
}

FileStatus statusOf(const FileCheck &check)
{
    switch (check.outcome) {
    case FileCheck::Outcome::Ok:
        return FileStatus::Ok;
    case FileCheck::Outcome::Failed:
        return FileStatus::Changed;
    case FileCheck::Outcome::Unreadable:
        break;
    }
    return check.error == ENOENT ? FileStatus::Missing : FileStatus::Unreadable;
}

} // namespace

QString statusWord(FileStatus status, Language language)
{
    static const BilingualText words[FileStatusCount] = {
        {"OK", "OK"},   {"geändert", "changed"}, {"fehlt", "missing"},
        {"neu", "new"}, {"verschoben", "moved"}, {"unlesbar", "unreadable"},
    };
    return words[int(status)].in(language);
}

QList<ResultRow> checkResultRows(const Manifest &manifest, const QList<FileCheck> &checks,
                                 const RootFindings &findings)
{
    QList<ResultRow> rows;
    rows.reserve(manifest.entries.size() + findings.newNames.size());
    for (qsizetype i = 0; i < manifest.entries.size(); ++i) {
        const ManifestEntry &entry = manifest.entries[i];
        ResultRow row{FileStatus::Ok, entry.name, {}, joinedHex(entry.digests), {}, entry.size};
        if (const auto moved = findings.movedTo.constFind(i); moved != findings.movedTo.constEnd()) {
            // The file under its new name has every digest the entry expects.
            row.status = FileStatus::Moved;
            row.movedFrom = std::exchange(row.path, *moved);
            row.found = row.expected;
        } else {
            row.status = statusOf(checks[i]);
            row.found = joinedHex(checks[i].found);
            if (checks[i].size)
                row.size = checks[i].size;
        }
        rows.append(std::move(row));
    }
    for (const QByteArray &name : findings.newNames)
        rows.append({FileStatus::New, name, {}, {}, {}, std::nullopt});
    return rows;
}

std::array<qsizetype, FileStatusCount> statusCounts(const QList<ResultRow> &rows)
{
    std::array<qsizetype, FileStatusCount> counts{};
    for (const ResultRow &row : rows)
        ++counts[int(row.status)];
    return counts;
}
