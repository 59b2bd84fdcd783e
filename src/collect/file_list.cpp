#include "collect/file_list.h"

#include "common/all_cores.h"
#include "common/large_pages.h"

#include <QCollator>
#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

namespace {

// The headers of the fact columns, before the checksums.
const BilingualText factHeaders[] = {
    {"Name", "Name"},
    {"Format", "Format"},
    {"Typ", "Type"},
    {"Dateigröße", "File Size"},
    {"Erstellt", "Created"},
    {"Zugegriffen", "Accessed"},
    {"Geändert", "Changed"},
    {"Schreibgeschützt", "Read Only"},
    {"Versteckt", "Hidden"},
    {"Verknüpftes Programm", "Associated Application"},
    {"Dateipfad", "File Path"},
};

const QString &cellForColumn(const FileEntry &entry, int column)
{
    return column == 0 ? entry.name : entry.cells[column - 1];
}

bool isTimeColumn(int column)
{
    return column >= 4 && column <= 6;
}

bool isNumericColumn(int column)
{
    return column == ListSizeColumn || isTimeColumn(column);
}

// Sizes as numbers; times as milliseconds, an unreadable time before every readable one.
qint64 numericKey(const FileEntry &entry, int column, const LocaleFormat &format)
{
    if (column == ListSizeColumn)
        return entry.bytes;
    const QDateTime &value = column == 4 ? entry.created : column == 5 ? entry.accessed : entry.changed;
    const QDateTime time = value.isValid() ? value : format.parseDateTime(entry.cells[column - 1]);
    return time.isValid() ? time.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

QCollator listCollator(const LocaleFormat &format)
{
    QCollator collator(format.locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// The collation key of every row's cell in the column, made on every core, each with a
// collator of its own.
std::vector<std::optional<QCollatorSortKey>> collationKeys(const QVector<FileEntry> &rows, int column,
                                                           const LocaleFormat &format)
{
    std::vector<std::optional<QCollatorSortKey>> keys(size_t(rows.size()));
    onAllCores(rows.size(), [&](qsizetype begin, qsizetype end) {
        const QCollator collator = listCollator(format);
        for (qsizetype row = begin; row < end; ++row)
            keys[size_t(row)].emplace(collator.sortKey(cellForColumn(rows[row], column)));
    });
    return keys;
}

} // namespace

FileList::FileList(QObject *parent) : QAbstractTableModel(parent)
{
    for (const BilingualText &header : factHeaders)
        m_headers.append(header.in(Language::German));
    for (const char *header : {"MD5", "CRC32", "SHA1", "SHA256", "SHA512"})
        m_headers.append(QString::fromUtf8(header));
}

int FileList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_announced;
}

int FileList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ListColumnCount;
}

QVariant FileList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_announced)
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return cellForColumn(m_rows.at(index.row()), index.column());
    if (role == Qt::DecorationRole && index.column() == 0)
        return m_icons.icon(m_rows.at(index.row()).iconIndex);
    if (role == Qt::TextAlignmentRole && index.column() == ListSizeColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant FileList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ListColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_headers.at(section);
    if (role == Qt::TextAlignmentRole && section == ListSizeColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags FileList::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

Qt::DropActions FileList::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool FileList::containsPath(const QString &path) const
{
    if (!m_pathsIndexed) {
        m_pathCounts.reserve(m_rows.size());
        for (const FileEntry &row : m_rows)
            ++m_pathCounts[row.path()];
        m_pathsIndexed = true;
    }
    return m_pathCounts.contains(path);
}

void FileList::countPath(const QString &path, int change)
{
    if (!m_pathsIndexed)
        return;
    int &rows = m_pathCounts[path];
    rows += change;
    if (rows <= 0)
        m_pathCounts.remove(path);
}

void FileList::reserve(int more)
{
    m_rows.reserve(m_rows.size() + more);
    adviseLargePages(m_rows.data() + m_rows.size(), size_t(m_rows.capacity() - m_rows.size()) * sizeof(FileEntry));
}

void FileList::append(const FileEntry &entry)
{
    countPath(entry.path(), 1);
    m_rows.append(entry);
    if (!m_batching)
        announcePending();
}

void FileList::append(FileEntry &&entry)
{
    countPath(entry.path(), 1);
    m_rows.append(std::move(entry));
    if (!m_batching)
        announcePending();
}

void FileList::append(const QVector<FileEntry> &entries)
{
    for (const FileEntry &entry : entries)
        countPath(entry.path(), 1);
    m_rows.append(entries);
    if (!m_batching)
        announcePending();
}

void FileList::setBatching(bool on)
{
    m_batching = on;
    if (!on)
        announcePending();
}

void FileList::announcePending()
{
    if (m_announced >= count())
        return;
    beginInsertRows({}, m_announced, count() - 1);
    m_announced = count();
    endInsertRows();
}

void FileList::replace(int row, const FileEntry &entry)
{
    announcePending();
    if (row < 0 || row >= count())
        return;
    countPath(m_rows[row].path(), -1);
    countPath(entry.path(), 1);
    m_rows[row] = entry;
    Q_EMIT dataChanged(index(row, 0), index(row, ListColumnCount - 1));
}

void FileList::removeRowsAt(QList<int> rows)
{
    announcePending();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](int row) { return row < 0 || row >= count(); }),
               rows.end());
    for (const int row : std::as_const(rows))
        countPath(m_rows[row].path(), -1);
    // A few contiguous ranges go one by one, from the last to the first, so views keep their
    // place; scattered rows are dropped in one pass, since range by range would take
    // quadratic time on a long list.
    QVector<QPair<int, int>> ranges;
    for (qsizetype end = rows.size(); end > 0;) {
        qsizetype begin = end - 1;
        while (begin > 0 && rows[begin - 1] == rows[begin] - 1)
            --begin;
        ranges.append({rows[begin], rows[end - 1]});
        end = begin;
    }
    constexpr qsizetype MaxRangesOneByOne = 32;
    if (ranges.size() <= MaxRangesOneByOne) {
        for (const auto &[first, last] : ranges) {
            beginRemoveRows({}, first, last);
            m_rows.remove(first, last - first + 1);
            m_announced = count();
            endRemoveRows();
        }
        return;
    }
    beginResetModel();
    QVector<FileEntry> kept;
    kept.reserve(m_rows.size() - rows.size());
    for (int row = 0, next = 0; row < count(); ++row) {
        if (next < rows.size() && rows[next] == row)
            ++next;
        else
            kept.append(std::move(m_rows[row]));
    }
    m_rows = std::move(kept);
    m_announced = count();
    endResetModel();
}

void FileList::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    m_pathCounts.clear();
    m_announced = 0;
    endResetModel();
}

void FileList::setLanguage(Language language)
{
    for (int column = 0; column < int(std::size(factHeaders)); ++column)
        m_headers[column] = factHeaders[column].in(language);
    // Only German names the first checksum column; English leaves it as it was.
    if (isGerman(language))
        m_headers[ListChecksumsColumn] = QStringLiteral("Prüfsummen");
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ListColumnCount - 1);
}

void FileList::qulistColumnClick(int column, const LocaleFormat &format)
{
    if (column < 0 || column >= ListColumnCount)
        return;
    announcePending();
    m_sortDescending = column == m_sortColumn ? !m_sortDescending : false;
    m_sortColumn = column;

    // One key per row, computed once, keeps sorting 100,000 rows fast.
    QVector<int> order(count());
    std::iota(order.begin(), order.end(), 0);
    const auto sortBy = [&](const auto &keys) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return m_sortDescending ? keys[size_t(b)] < keys[size_t(a)] : keys[size_t(a)] < keys[size_t(b)];
        });
    };
    if (isNumericColumn(column)) {
        std::vector<qint64> keys;
        keys.reserve(m_rows.size());
        for (const FileEntry &entry : m_rows)
            keys.push_back(numericKey(entry, column, format));
        sortBy(keys);
    } else {
        sortBy(collationKeys(m_rows, column, format));
    }
    applyOrder(order);
}

QList<int> FileList::moveRowsBefore(QList<int> selected, int target)
{
    announcePending();
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    selected.erase(
        std::remove_if(selected.begin(), selected.end(), [&](int row) { return row < 0 || row >= count(); }),
        selected.end());
    if (target >= count())
        target = -1;
    if (selected.isEmpty() || selected.contains(target))
        return selected;

    // The new order as old row numbers: the others, with the block before the target.
    QVector<int> order;
    order.reserve(count());
    for (int row = 0, next = 0; row < count(); ++row) {
        if (next < selected.size() && selected[next] == row) {
            ++next;
            continue;
        }
        if (row == target)
            order.append(selected);
        order.append(row);
    }
    if (target < 0)
        order.append(selected);
    applyOrder(order);

    QList<int> moved;
    const int first = int(order.indexOf(selected.first()));
    for (int i = 0; i < selected.size(); ++i)
        moved.append(first + i);
    return moved;
}

void FileList::applyOrder(const QVector<int> &order)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QVector<int> newRowOf(order.size());
    for (int position = 0; position < order.size(); ++position)
        newRowOf[order[position]] = position;
    // The rows move in place along each cycle of the new order, so no second list is filled.
    FileEntry *rows = m_rows.data();
    std::vector<bool> placed(size_t(order.size()));
    for (int start = 0; start < order.size(); ++start) {
        if (placed[size_t(start)])
            continue;
        FileEntry held = std::move(rows[start]);
        for (int position = start;;) {
            placed[size_t(position)] = true;
            const int from = order[position];
            if (from == start) {
                rows[position] = std::move(held);
                break;
            }
            rows[position] = std::move(rows[from]);
            position = from;
        }
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after.append(index.row() < newRowOf.size() ? this->index(newRowOf[index.row()], index.column())
                                                   : QModelIndex());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
