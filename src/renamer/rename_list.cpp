#include "renamer/rename_list.h"

#include "common/paths.h"

#include "renamer/rename_plan.h"

#include <QColor>
#include <QFont>
#include <QHash>

#include <algorithm>
#include <numeric>

QString renameSizeText(qint64 bytes, const LocaleFormat &format)
{
    QLocale locale = format.locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(bytes) / 1024.0, 'f', 3) + QStringLiteral(" KB");
}

RenameList::RenameList(const LocaleFormat &format, QObject *parent)
    : QAbstractTableModel(parent), m_format(format), m_collator(format.locale)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_tagReader.setMaxThreadCount(1);
}

RenameList::~RenameList()
{
    m_stopReading = true;
    m_tagReader.waitForDone();
}

NameFacts RenameList::shownFactsOf(const QString &path) const
{
    if (!maskNeedsTags(m_rule.mask) || m_facts.tagsKnown(path))
        return factsOf(path, m_rule);
    if (!m_tagsWanted.contains(path)) {
        m_tagsWanted.append(path);
        // One reader for all the rows painted now.
        if (m_tagsWanted.size() == 1)
            QMetaObject::invokeMethod(const_cast<RenameList *>(this), &RenameList::readWantedTags,
                                      Qt::QueuedConnection);
    }
    return m_facts.factsOf(path, false);
}

QString RenameList::shownNameAt(int row) const
{
    const QString &path = m_entries[row].path;
    return renameName(namePart(path), row, count(), m_rule, shownFactsOf(path));
}

void RenameList::readWantedTags()
{
    if (m_tagsReading || m_tagsWanted.isEmpty())
        return;
    m_tagsReading = true;
    const QStringList paths = std::exchange(m_tagsWanted, {});
    m_tagReader.start([this, paths] {
        QList<std::pair<QString, FileTags>> portion;
        for (qsizetype i = 0; i < paths.size() && !m_stopReading; ++i) {
            portion.append({paths[i], readFileTags(paths[i])});
            const bool last = i + 1 == paths.size();
            if (portion.size() == 500 || last)
                QMetaObject::invokeMethod(
                    this, [this, portion = std::exchange(portion, {}), last] { takeTags(portion, last); },
                    Qt::QueuedConnection);
        }
    });
}

void RenameList::takeTags(const QList<std::pair<QString, FileTags>> &portion, bool last)
{
    for (const auto &[path, tags] : portion)
        m_facts.storeTags(path, tags);
    if (last)
        m_tagsReading = false;
    newNamesChanged();
    if (!readingTags())
        Q_EMIT tagsRead();
    else if (last)
        readWantedTags();
}

int RenameList::rowOfPath(const QString &path) const
{
    for (int row = 0; row < count(); ++row)
        if (m_entries[row].path == path)
            return row;
    return -1;
}

int RenameList::rowOfId(quint64 id) const
{
    for (int row = 0; row < count(); ++row)
        if (m_entries[row].id == id)
            return row;
    return -1;
}

int RenameList::add(RenameEntry entry)
{
    entry.id = m_nextId++;
    m_paths.insert(entry.path);
    beginInsertRows({}, count(), count());
    m_entries.append(entry);
    endInsertRows();
    place(count() - 1);
    // The numbers of the new-name column follow the count.
    newNamesChanged();
    return rowOfId(entry.id);
}

void RenameList::addAll(QList<RenameEntry> entries)
{
    // The numbers of the new-name column change with every entry taken, and with them its order.
    if (m_sortColumn == RenameNewNameColumn) {
        for (RenameEntry &entry : entries)
            add(std::move(entry));
        return;
    }
    if (entries.isEmpty())
        return;
    beginInsertRows({}, count(), count() + int(entries.size()) - 1);
    for (RenameEntry &entry : entries) {
        entry.id = m_nextId++;
        m_paths.insert(entry.path);
        m_entries.append(std::move(entry));
    }
    endInsertRows();
    // The entries there were stand in order, so a stable sort puts each new one after those
    // that do not sort after it, as adding it alone does.
    applyOrder(sortedRows());
}

void RenameList::replace(int row, const RenameEntry &entry)
{
    m_paths.remove(m_entries[row].path);
    m_paths.insert(entry.path);
    m_entries[row] = entry;
    m_clashes.reset();
    Q_EMIT dataChanged(index(row, 0), index(row, RenameColumnCount - 1));
    place(row);
}

void RenameList::replaceAll(const QList<RenameEntry> &entries)
{
    // Each new name depends on its row, so each entry has to find its place before the next.
    if (m_sortColumn == RenameNewNameColumn) {
        for (const RenameEntry &entry : entries)
            replace(rowOfId(entry.id), entry);
        return;
    }
    if (entries.isEmpty())
        return;
    QHash<quint64, int> rowOfEntry;
    rowOfEntry.reserve(count());
    for (int row = 0; row < count(); ++row)
        rowOfEntry.insert(m_entries[row].id, row);
    // Replaced one by one, each entry would go after the entries that do not sort after it: after
    // those left as they were, and after those replaced before it.
    std::vector<int> ranks(size_t(count()), 0);
    int rank = 0;
    for (const RenameEntry &entry : entries) {
        const int row = rowOfEntry.value(entry.id, -1);
        if (row < 0)
            continue;
        m_paths.remove(m_entries[row].path);
        m_paths.insert(entry.path);
        m_entries[row] = entry;
        ranks[size_t(row)] = ++rank;
    }
    Q_EMIT dataChanged(index(0, 0), index(count() - 1, RenameColumnCount - 1));
    applyOrder(sortedRows(ranks));
}

void RenameList::removeRowNumbers(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= count(); }),
               rows.end());
    // Each run of neighbouring rows goes in one step, from the end, so a whole selection is one.
    for (qsizetype first = 0; first < rows.size();) {
        qsizetype last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] - 1)
            ++last;
        const int top = rows[last], bottom = rows[first];
        beginRemoveRows({}, top, bottom);
        for (int row = top; row <= bottom; ++row)
            m_paths.remove(m_entries[row].path);
        m_entries.remove(top, bottom - top + 1);
        endRemoveRows();
        first = last + 1;
    }
    newNamesChanged();
}

void RenameList::clear()
{
    beginResetModel();
    m_entries.clear();
    m_paths.clear();
    m_clashes.reset();
    m_facts.clear();
    endResetModel();
}

void RenameList::columnClick(int column)
{
    if (column < 0 || column >= RenameColumnCount)
        return;
    m_descending = column == m_lastClicked ? !m_descending : false;
    m_sortColumn = m_lastClicked = column;
    sortAll();
}

void RenameList::setRule(const RenameRule &rule)
{
    m_rule = rule;
    newNamesChanged();
}

void RenameList::newNamesChanged()
{
    m_clashes.reset();
    if (count() > 0)
        Q_EMIT dataChanged(index(0, RenameNewNameColumn), index(count() - 1, RenameNewNameColumn));
}

QString RenameList::newNameAt(int row) const
{
    const QString &path = m_entries[row].path;
    return renameName(namePart(path), row, count(), m_rule, factsOf(path, m_rule));
}

NameFacts RenameList::factsOf(const QString &path, const RenameRule &rule) const
{
    // Masks of plain names and numbers never touch the files.
    if (!maskNeedsFacts(rule.mask))
        return {};
    return m_facts.factsOf(path, maskNeedsTags(rule.mask));
}

void RenameList::setZone(const ZoneBias &zone, bool corrected)
{
    m_facts.setZone(zone, corrected);
    newNamesChanged();
}

const QList<bool> &RenameList::clashes() const
{
    if (!m_clashes) {
        QList<RenameMove> moves;
        QList<bool> unusable;
        for (int row = 0; row < count(); ++row) {
            const QString newName = shownNameAt(row);
            unusable.append(!isUsableFileName(newName));
            moves.append({m_entries[row].path, folderPart(m_entries[row].path) + newName});
        }
        QList<bool> marks = clashingTargets(moves);
        for (int row = 0; row < count(); ++row)
            marks[row] = marks[row] || unusable[row];
        m_clashes = marks;
    }
    return *m_clashes;
}

int RenameList::clashCount() const
{
    return int(std::count(clashes().cbegin(), clashes().cend(), true));
}

void RenameList::setLanguage(Language language)
{
    m_language = language;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, RenameColumnCount - 1);
}

int RenameList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int RenameList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RenameColumnCount;
}

QString RenameList::cell(int row, int column) const
{
    const RenameEntry &entry = m_entries[row];
    switch (column) {
    case 0:
        return entry.name;
    case 1:
        return entry.type;
    case RenameSizeColumn:
        return entry.size;
    case RenameStatusColumn:
        return entry.status;
    case RenamePathColumn:
        return entry.path;
    default:
        return shownNameAt(row);
    }
}

QVariant RenameList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == RenameSizeColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (index.column() == RenameNewNameColumn)
        return newNameMark(index.row(), role);
    return {};
}

QVariant RenameList::newNameMark(int row, int role) const
{
    if (role == Qt::ForegroundRole && clashes()[row])
        return QColor(Qt::red);
    if (role != Qt::ToolTipRole && role != Qt::FontRole)
        return {};
    // A tag not read yet is not missing.
    const QString &path = m_entries[row].path;
    const QStringList missing = maskNeedsTags(m_rule.mask) && !m_facts.tagsKnown(path)
                                    ? QStringList()
                                    : missingTags(m_rule.mask, shownFactsOf(path));
    if (role == Qt::FontRole) {
        // A name that lacks a tag shows in italics.
        if (missing.isEmpty())
            return {};
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (!clashes()[row])
        return missing.isEmpty() ? QVariant() : QVariant(missingTagsTip(missing, m_language));
    return isUsableFileName(shownNameAt(row)) ? clashTip(m_language) : unusableNameTip(m_language);
}

QVariant RenameList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return renameColumnHeader(section, m_language);
    if (role == Qt::TextAlignmentRole && section == RenameSizeColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

double RenameList::sizeNumber(int row) const
{
    // The size as the cell shows it, read back in the locale's format.
    return m_format.locale.toDouble(QString(m_entries[row].size).remove(QStringLiteral(" KB")));
}

int RenameList::compareRows(int a, int b) const
{
    int result = 0;
    if (m_sortColumn == RenameSizeColumn) {
        const double left = sizeNumber(a), right = sizeNumber(b);
        result = left < right ? -1 : (right < left ? 1 : 0);
    } else {
        result = m_collator.compare(cell(a, m_sortColumn), cell(b, m_sortColumn));
    }
    return m_descending ? -result : result;
}

std::vector<int> RenameList::sortedRows(const std::vector<int> &ranks) const
{
    std::vector<int> order(static_cast<size_t>(count()));
    std::iota(order.begin(), order.end(), 0);
    const auto rankOf = [&](int row) { return ranks.empty() ? 0 : ranks[size_t(row)]; };
    // Each row's key is made once; comparing keys is comparing the rows.
    const auto sortBy = [&](const auto &keys) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const auto &left = keys[size_t(m_descending ? b : a)], &right = keys[size_t(m_descending ? a : b)];
            if (left < right)
                return true;
            return !(right < left) && rankOf(a) < rankOf(b);
        });
    };
    if (m_sortColumn == RenameSizeColumn) {
        std::vector<double> sizes;
        sizes.reserve(order.size());
        for (int row = 0; row < count(); ++row)
            sizes.push_back(sizeNumber(row));
        sortBy(sizes);
    } else {
        // Keys are taken at the rows the entries stand on now, which matters for the new names.
        std::vector<QCollatorSortKey> texts;
        texts.reserve(order.size());
        for (int row = 0; row < count(); ++row)
            texts.push_back(m_collator.sortKey(cell(row, m_sortColumn)));
        sortBy(texts);
    }
    return order;
}

void RenameList::applyOrder(const std::vector<int> &order)
{
    Q_EMIT layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QList<RenameEntry> sorted;
    sorted.reserve(count());
    std::vector<int> newRow(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.append(std::move(m_entries[order[i]]));
        newRow[size_t(order[i])] = int(i);
    }
    m_entries = std::move(sorted);
    QModelIndexList after;
    for (const QModelIndex &old : before)
        after.append(index(newRow[size_t(old.row())], old.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
    newNamesChanged();
}

void RenameList::sortAll()
{
    applyOrder(sortedRows());
}

void RenameList::place(int row)
{
    // The others are in order: the entry goes after every one that does not sort after it,
    // found by halving among the others (index i of the others is row i, or i + 1 past the entry).
    const auto rowOfOther = [row](int other) { return other < row ? other : other + 1; };
    int low = 0, high = count() - 1;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (compareRows(rowOfOther(middle), row) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    const int destination = low;
    if (destination == row)
        return;
    // beginMoveRows counts the destination in the list before the move.
    beginMoveRows({}, row, row, {}, destination > row ? destination + 1 : destination);
    m_entries.move(row, destination);
    endMoveRows();
}
