#pragma once
// The ordered rows of the file list and the model behind the list view `qulist`.
// Order is the order of adding, changed only by sorting and by dragging.
#include "collect/file_entry.h"
#include "collect/file_icons.h"
#include "common/language.h"
#include "common/locale_format.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVector>

inline constexpr int ListColumnCount = 16; // caption plus cells 0 to 14
inline constexpr int ListSizeColumn = 3;
inline constexpr int ListChecksumsColumn = 11; // MD5, the first of the five checksums

class FileList : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FileList(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;

    int count() const { return int(m_rows.size()); }
    const FileEntry &at(int row) const { return m_rows.at(row); }
    const QVector<FileEntry> &rows() const { return m_rows; }
    // Whether a row has this path; a lookup, not a pass over the rows, so refusing duplicates
    // stays fast on long lists. The index is built on the first question and kept from then on,
    // so lists that never ask pay nothing for it.
    bool containsPath(const QString &path) const;
    // The icon list the rows' icon indexes point into.
    FileIcons &icons() { return m_icons; }

    void append(const FileEntry &entry);
    void append(FileEntry &&entry);
    // Makes room for this many more rows at once, so a long list is not copied as it grows.
    // Room for more rows, filled in order (in large pages where the system offers them).
    void reserve(int more);
    void append(const QVector<FileEntry> &entries);
    // While batching, appended rows are kept but shown to views only when batching ends (or
    // before any other change), so bulk adding does not re-lay out the view per row.
    void setBatching(bool on);
    void replace(int row, const FileEntry &entry);
    // Removes the given rows (any order, repeats ignored), from the last to the first.
    void removeRowsAt(QList<int> rows);
    void clear();

    // Header captions of the list columns in the given language. The English captions
    // leave column 11 as it was, so after German it keeps "Prüfsummen".
    void setLanguage(Language language);

    // A click on list column c: same column flips the direction, another sorts ascending.
    // The state starts at column 0 ascending, so the first click on "Name" sorts descending.
    void qulistColumnClick(int column, const LocaleFormat &format);
    bool sortDescending() const { return m_sortDescending; }

    // Moves the selected rows as a block before the target row (after the last row when
    // target is -1), keeping their order. Dropping onto one of the selected rows leaves
    // everything in place. Returns the rows' new positions.
    QList<int> moveRowsBefore(QList<int> selected, int target);

private:
    void announcePending();
    void countPath(const QString &path, int change);
    // Puts the rows in the given order of old row numbers; selections follow their rows.
    void applyOrder(const QVector<int> &order);

    QVector<FileEntry> m_rows;
    mutable QHash<QString, int> m_pathCounts; // rows per path, once m_pathsIndexed
    mutable bool m_pathsIndexed = false;
    FileIcons m_icons;
    QStringList m_headers;
    int m_announced = 0; // rows the views know about
    bool m_batching = false;
    int m_sortColumn = 0;
    bool m_sortDescending = false;
};
