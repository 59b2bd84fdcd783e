#pragma once
// Making a file row from the facts found on disk. The rules that fix its texts are taken once
// when adding starts, so rows can be made on any thread.
#include "collect/checksums.h"
#include "collect/file_entry.h"
#include "collect/file_facts.h"
#include "collect/file_types.h"
#include "collect/row_texts.h"
#include "collect/system_path.h"
#include "collect/zone_bias.h"
#include "common/language.h"
#include "common/locale_format.h"

#include <QHash>

#include <atomic>
#include <optional>

struct RowRules {
    LocaleFormat format;
    ZoneBias zone;
    bool corrected = false; // the daylight-saving correction at this moment
    Language language = Language::German;
    ChecksumPlan checksums;
};

// What became of one file read from disk.
struct MadeRow {
    std::optional<FileEntry> row;
    int error = 0;       // the facts could not be read (an errno value)
    bool failed = false; // making the row failed
};

class FileRowMaker {
public:
    explicit FileRowMaker(const RowRules &rules, const std::atomic<bool> *stop = nullptr);

    // A whole file row without its icon. Its checksums are read from fileFd, the file opened
    // for reading (negative when it could not be), and end early when stop is set.
    FileEntry fileRow(const QByteArray &systemPath, const EntryFacts &facts, int fileFd);
    // The row of a file whose facts are read now; none for a file that cannot be read or has
    // become a folder.
    MadeRow rowFromDisk(const QByteArray &systemPath);
    // The cells every row writer fills alike: name (the path's last part), type, times, flags
    // and size in bytes.
    void writeFacts(FileEntry &entry, const QString &name, const PathFacts &info, bool corrected);

private:
    // The type facts of a file name, remembered by typeGuessKey for the rows this maker makes.
    const FileTypeFacts &typeFacts(const QString &name);

    const RowRules &m_rules;
    const std::atomic<bool> *m_stop;
    DateTimeTexts m_dates;
    NearFolder m_folder;
    QHash<QString, const FileTypeFacts *> m_types;
    QHash<QString, QString> m_formats; // one text per format for the rows made here
};
