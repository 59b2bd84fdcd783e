#include "verify/sfv_lines.h"

#include "verify/manifest_lines.h"

namespace {

std::optional<ManifestEntry> sfvEntry(QByteArrayView line)
{
    constexpr qsizetype CrcLength = 8;
    if (line.size() > MaxLineBytes || line.size() < CrcLength + 2)
        return std::nullopt;
    const std::optional<QByteArray> crc = lowerHex(line.last(CrcLength));
    qsizetype nameEnd = line.size() - CrcLength;
    if (!crc || !isBlank(line[nameEnd - 1]))
        return std::nullopt;
    while (nameEnd > 0 && isBlank(line[nameEnd - 1]))
        --nameEnd;
    const QByteArrayView name = line.first(nameEnd);
    if (name.isEmpty() || name.contains('\0'))
        return std::nullopt;
    return ManifestEntry{name.toByteArray(), {{ChecksumKind::CRC32IsoHdlc, *crc}}, std::nullopt, 0};
}

} // namespace

Manifest readSfvLines(QByteArrayView bytes)
{
    Manifest manifest;
    manifest.format = ManifestFormat::Sfv;
    forEachLine(bytes, [&](QByteArrayView line, qsizetype number) {
        if (line.trimmed().isEmpty() || line.startsWith(';'))
            return;
        addLine(manifest, sfvEntry(line), number);
    });
    return manifest;
}
