#include "collect/file_rows.h"

#include "collect/system_path.h"
#include "common/paths.h"

#include <cerrno>
#include <exception>
#include <fcntl.h>

QByteArray FileEntry::systemPath() const
{
    return lostBytes.isEmpty() ? encodedPath(path()) : lostBytes;
}

void FileEntry::setSystemPath(const QByteArray &systemPath)
{
    cells[CellPath] = shownPath(systemPath);
    // Only a path showing U+FFFD can have lost bytes.
    const bool lossless = !path().contains(QChar::ReplacementCharacter) || encodedPath(path()) == systemPath;
    lostBytes = lossless ? QByteArray() : systemPath;
}

FileRowMaker::FileRowMaker(const RowRules &rules, const std::atomic<bool> *stop)
    : m_rules(rules), m_stop(stop), m_dates(rules.format)
{
}

void FileRowMaker::writeFacts(FileEntry &entry, const QString &name, const PathFacts &info, bool corrected)
{
    entry.name = name;
    entry.cells[CellTypeName] = info.typeName;
    entry.created = m_rules.zone.wallClock(info.created, corrected);
    entry.accessed = m_rules.zone.wallClock(info.accessed, corrected);
    entry.changed = m_rules.zone.wallClock(info.changed, corrected);
    entry.cells[CellCreated] = m_dates.text(entry.created);
    entry.cells[CellAccessed] = m_dates.text(entry.accessed);
    entry.cells[CellChanged] = m_dates.text(entry.changed);
    entry.cells[CellReadOnly] = yesNoText(info.readOnly, m_rules.language);
    entry.cells[CellHidden] = yesNoText(info.hidden, m_rules.language);
    entry.bytes = info.size;
}

const FileTypeFacts &FileRowMaker::typeFacts(const QString &name)
{
    const QString key = typeGuessKey(name);
    auto known = m_types.constFind(key);
    if (known == m_types.constEnd())
        known = m_types.insert(key, &fileTypeFacts(contentTypeOfName(name, false)));
    return **known;
}

FileEntry FileRowMaker::fileRow(const QByteArray &systemPath, const EntryFacts &facts, int fileFd)
{
    FileEntry entry;
    entry.setSystemPath(systemPath);
    const QString &path = entry.path();
    const QString name = namePart(path);
    const FileTypeFacts &type = typeFacts(name);
    PathFacts info;
    static_cast<EntryFacts &>(info) = facts;
    info.typeName = type.description;
    info.program = type.programPath;
    writeFacts(entry, name, info, m_rules.corrected);
    const QString format = formatOfExtension(path);
    auto shared = m_formats.constFind(format);
    if (shared == m_formats.constEnd())
        shared = m_formats.insert(format, format);
    entry.cells[CellFormat] = *shared;
    entry.cells[CellSizeText] = fileSizeText(info.size, m_rules.format);
    entry.cells[CellProgram] = info.program;
    fillChecksumCells(entry, facts.regularFile ? fileFd : -1, info.size, m_rules.checksums, m_stop);
    return entry;
}

MadeRow FileRowMaker::rowFromDisk(const QByteArray &systemPath)
{
    MadeRow made;
    EntryFacts facts;
    const char *name = nullptr;
    const int folder = m_folder.folderOf(systemPath, name);
    if (folder < 0) {
        made.error = errno;
        return made;
    }
    // A file whose contents are read anyway is opened first and its facts taken from the open
    // file: one lookup of its name less. Non-blocking, so that a named pipe cannot stall.
    const FileDescriptor file(m_rules.checksums.readsFiles() ? openAt(folder, name, O_RDONLY | O_NONBLOCK)
                                                             : -1);
    made.error = file.get() >= 0 ? readOpenedFacts(file.get(), folder, name, facts)
                                 : readEntryFacts(folder, name, facts);
    if (made.error != 0 || facts.directory)
        return made;
    try {
        made.row = fileRow(systemPath, facts, file.get());
    } catch (const std::exception &) {
        made.failed = true;
    }
    return made;
}
