#pragma once
// The five checksum cells of a file entry: which digests a newly added file gets, and the
// reading of the file that computes them.
#include "collect/file_entry.h"
#include "common/language.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <atomic>
#include <bitset>
#include <optional>

class Settings;

// The order of the cells and of the checksum sub-columns. The cells' CRC32 is CRC-32/BZIP2;
// checksum files of other programs (SFV, BSD tags) mean the common, reflected CRC-32 of zip,
// which has no cell and comes last.
enum class ChecksumKind { MD5, CRC32, SHA1, SHA256, SHA512, CRC32IsoHdlc };
inline constexpr int ChecksumKindCount = 5; // the kinds with a cell
inline constexpr int DigestKindCount = 6;   // every kind a file can be digested with

using ChecksumKinds = std::bitset<DigestKindCount>; // indexed by int(ChecksumKind)
using ChecksumResults = std::array<std::optional<QString>, DigestKindCount>;

// Lower-case hexadecimal digests of the whole file for every wanted kind, computed in one
// read; a large file has its digests shared out over two threads. The file is read up to the
// size it has when opened; when it cannot be read that far (missing, not a regular file,
// shrunk, read error, or stop set meanwhile) no kind has a result. Unwanted kinds have none
// either.
ChecksumResults fileChecksums(const QByteArray &systemPath, ChecksumKinds wanted,
                              const std::atomic<bool> *stop = nullptr);
ChecksumResults fileChecksums(const QString &path, ChecksumKinds wanted);
// The same for a regular file the caller has opened and keeps, read up to size, with the
// hexadecimal letters in the case asked for.
enum class HexCase { Lower, Upper };
ChecksumResults openedFileChecksums(int fd, qint64 size, ChecksumKinds wanted,
                                    const std::atomic<bool> *stop = nullptr,
                                    HexCase letters = HexCase::Lower);

// What the checksum settings of the main window say for files added now, fixed once so that
// rows can be made on any thread.
struct ChecksumPlan {
    bool active = false;   // the checksum column is on
    qint64 limitBytes = 0; // files of this size and above are not read
    ChecksumKinds wanted;  // the enabled kinds
    QString notActivated;  // "Option nicht aktiviert." in the chosen language
    QString tooLarge;      // "Datei zu groß"
    // Whether files added now are read at all.
    bool readsFiles() const { return active && wanted.any(); }
};
// Texts are in `language` ("de" or else English).
ChecksumPlan checksumPlan(const Settings &settings, Language language);

// Writes the five checksum cells of a file being added, read from fileFd up to sizeBytes when
// the plan wants them; a negative fileFd (not a regular file, or not opened) gives none.
void fillChecksumCells(FileEntry &entry, int fileFd, qint64 sizeBytes, const ChecksumPlan &plan,
                       const std::atomic<bool> *stop = nullptr);
