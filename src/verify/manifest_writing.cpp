#include "verify/manifest_writing.h"

#include "collect/ordered_workers.h"

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

WrittenManifest writtenManifest(ManifestKind kind, const QList<QByteArray> &paths, const QByteArray &folder)
{
    ChecksumKinds wanted;
    wanted.set(int(digestOf(kind)));
    QList<std::optional<QByteArray>> lines(paths.size());
    std::optional<QByteArray> *const out = lines.data(); // each worker writes its own slots
    runOnAllCores(int(paths.size()), 64, [&](int begin, int end, int) {
        for (int i = begin; i < end; ++i) {
            const std::optional<QString> hex = fileChecksums(paths[i], wanted)[int(digestOf(kind))];
            out[i] = hex ? manifestLine(kind, nameBelow(paths[i], folder), *hex) : std::nullopt;
        }
    });
    WrittenManifest manifest;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (lines[i])
            manifest.bytes += *lines[i];
        else
            manifest.unreadable.append(paths[i]);
    }
    return manifest;
}
