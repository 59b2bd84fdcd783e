#include "verify/manifest.h"

void addLine(Manifest &manifest, std::optional<ManifestEntry> entry, qsizetype number)
{
    if (!entry) {
        manifest.badLines.append(number);
        return;
    }
    entry->line = number;
    manifest.entries.append(std::move(*entry));
}

int hexLength(ChecksumKind kind)
{
    switch (kind) {
    case ChecksumKind::MD5:
        return 32;
    case ChecksumKind::SHA1:
        return 40;
    case ChecksumKind::SHA256:
        return 64;
    case ChecksumKind::SHA512:
        return 128;
    case ChecksumKind::CRC32:
    case ChecksumKind::CRC32IsoHdlc:
        return 8;
    }
    return 0;
}

QString digestName(ChecksumKind kind)
{
    switch (kind) {
    case ChecksumKind::MD5:
        return QStringLiteral("MD5");
    case ChecksumKind::SHA1:
        return QStringLiteral("SHA1");
    case ChecksumKind::SHA256:
        return QStringLiteral("SHA256");
    case ChecksumKind::SHA512:
        return QStringLiteral("SHA512");
    case ChecksumKind::CRC32:
    case ChecksumKind::CRC32IsoHdlc:
        return QStringLiteral("CRC32");
    }
    return {};
}

QString digestName(const Manifest &manifest)
{
    for (const ManifestEntry &entry : manifest.entries)
        if (!entry.digests.isEmpty())
            return digestName(entry.digests.first().kind);
    return manifest.format == ManifestFormat::Sfv ? QStringLiteral("CRC32") : QStringLiteral("SHA256");
}
