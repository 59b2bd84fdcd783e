#include "verify/manifest_writing.h"

#include "collect/ordered_workers.h"
#include "collect/system_path.h"
#include "verify/manifest_check.h"

#include <cerrno>

std::optional<ManifestKind> manifestKindOf(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Md5sum:
        return ManifestKind::Md5sum;
    case OutputFormat::Sha1sum:
        return ManifestKind::Sha1sum;
    case OutputFormat::Sha256sum:
        return ManifestKind::Sha256sum;
    case OutputFormat::Sha512sum:
        return ManifestKind::Sha512sum;
    case OutputFormat::Sfv:
        return ManifestKind::Sfv;
    default:
        return std::nullopt;
    }
}

ChecksumKind digestOf(ManifestKind kind)
{
    switch (kind) {
    case ManifestKind::Md5sum:
        return ChecksumKind::MD5;
    case ManifestKind::Sha1sum:
        return ChecksumKind::SHA1;
    case ManifestKind::Sha256sum:
        return ChecksumKind::SHA256;
    case ManifestKind::Sha512sum:
        return ChecksumKind::SHA512;
    case ManifestKind::Sfv:
        return ChecksumKind::CRC32IsoHdlc;
    }
    return ChecksumKind::SHA256;
}

std::optional<QByteArray> manifestLine(ManifestKind kind, const QByteArray &name, const QString &hex)
{
    if (kind == ManifestKind::Sfv) {
        if (name.contains('\n') || name.contains('\r'))
            return std::nullopt;
        return name + ' ' + hex.toUpper().toLatin1() + '\n';
    }
    const bool escaped = name.contains('\\') || name.contains('\n') || name.contains('\r');
    QByteArray line = escaped ? QByteArray("\\") : QByteArray();
    line += hex.toLatin1() + "  ";
    if (!escaped)
        return line + name + '\n';
    for (const char c : name)
        line += c == '\\' ? QByteArray("\\\\") : c == '\n' ? QByteArray("\\n") : c == '\r' ? QByteArray("\\r") : QByteArray(1, c);
    return line + '\n';
}

QByteArray nameBelow(const QByteArray &path, const QByteArray &folder)
{
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    return path.startsWith(prefix) && path.size() > prefix.size() ? path.sliced(prefix.size()) : path;
}

namespace {

// The line of one path; an empty one for a folder, none when it cannot be read or named.
std::optional<QByteArray> lineOfPath(ManifestKind kind, const QByteArray &path, const QByteArray &folder,
                                     NearFolder &near, const std::atomic_bool *stop)
{
    FileDescriptor file;
    const OpenedFile opened = openForDigests(path, near, file);
    if (!opened.regular)
        return opened.error == EISDIR ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    ChecksumKinds wanted;
    wanted.set(int(digestOf(kind)));
    const std::optional<QString> hex = openedFileChecksums(file.get(), opened.size, wanted, stop)[int(digestOf(kind))];
    return hex ? manifestLine(kind, nameBelow(path, folder), *hex) : std::nullopt;
}

} // namespace

QByteArray WrittenManifest::bytes() const
{
    QByteArray joined;
    for (const QByteArray &line : lines)
        joined += line;
    return joined;
}

WrittenManifest writtenManifest(ManifestKind kind, const QList<QByteArray> &paths, const QByteArray &folder,
                                const std::atomic_bool *stop)
{
    QList<std::optional<QByteArray>> lines(paths.size());
    std::optional<QByteArray> *const out = lines.data(); // each worker writes its own slots
    runOnAllCores(int(paths.size()), 64, [&](int begin, int end, int) {
        NearFolder near;
        for (int i = begin; i < end; ++i)
            out[i] = lineOfPath(kind, paths[i], folder, near, stop);
    });
    WrittenManifest manifest;
    if (stop && *stop)
        return manifest;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (!lines[i])
            manifest.unreadable.append(paths[i]);
        else if (!lines[i]->isEmpty())
            manifest.lines.append(*lines[i]);
    }
    return manifest;
}
