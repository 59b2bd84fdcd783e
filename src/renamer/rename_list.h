#pragma once
// The renaming list `qulist` of the renaming window: one entry per file, always in the order of
// the sort column and direction, with a sixth column showing the name each entry would get.
#include "common/locale_format.h"
#include "renamer/name_facts.h"
#include "renamer/rename_name.h"
#include "renamer/renamer_texts.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QList>
#include <QSet>

#include <vector>
#include <QThreadPool>
#include <atomic>
#include <optional>
#include <utility>

struct RenameEntry {
    quint64 id = 0; // stays with the entry while it moves in the list
    QString name;   // the base when added; the whole new name after a rename
    QString type;   // "JPG"
    QString size;   // "1,500 KB"
    QString status; // in the language it was written in
    QString path;
};

// "n,nnn KB": bytes / 1024 with three decimals, the locale's decimal separator, no grouping.
QString renameSizeText(qint64 bytes, const LocaleFormat &format);

class RenameList : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RenameList(const LocaleFormat &format = LocaleFormat::system(), QObject *parent = nullptr);
    ~RenameList() override;

    int count() const { return int(m_entries.size()); }
    const RenameEntry &at(int row) const { return m_entries.at(row); }
    // Exact comparison; -1 when no entry has it.
    int rowOfPath(const QString &path) const;
    bool containsPath(const QString &path) const { return m_paths.contains(path); }
    int rowOfId(quint64 id) const;

    // Takes a new entry into its place in the sort order and returns its row; the id is given here.
    int add(RenameEntry entry);
    // Takes new entries into their places as adding them one by one would, in one step.
    void addAll(QList<RenameEntry> entries);
    // Changes the entry and moves it to its place in the sort order.
    void replace(int row, const RenameEntry &entry);
    // Changes the entries of the same ids and moves them to their places, in one step, as
    // replacing them one by one in this order would.
    void replaceAll(const QList<RenameEntry> &entries);
    void removeRowNumbers(QList<int> rows);
    void clear();

    // A click on a header: the column clicked last flips the direction, another sorts ascending.
    // The state starts at Name ascending, so the first click on Name sorts descending.
    void columnClick(int column);
    bool sortDescending() const { return m_descending; }

    // The rule the "Neuer Name" column follows.
    void setRule(const RenameRule &rule);
    const RenameRule &rule() const { return m_rule; }
    // The name the entry at the row gets with the current rule, its tags read first if need be.
    QString newNameAt(int row) const;
    // Whether tags are still being read in the background for the new-name column.
    bool readingTags() const { return !m_tagsWanted.isEmpty() || m_tagsReading; }
    // The facts of the file the rule asks for (none when its mask names no fact).
    NameFacts factsOf(const QString &path, const RenameRule &rule) const;
    void setZone(const ZoneBias &zone, bool corrected);
    // How many new names clash with another new name or a file that stays, or are no names.
    int clashCount() const;
    // Headers in the language.
    void setLanguage(Language language);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // Every tag the column asked for has been read.
    void tagsRead();

private:
    QString cell(int row, int column) const;
    // The colour, font and tooltip of a new name that clashes or lacks a tag.
    QVariant newNameMark(int row, int role) const;
    // The facts the column shows: tags not yet read are asked for in the background, and the
    // name shows without them until they come.
    NameFacts shownFactsOf(const QString &path) const;
    QString shownNameAt(int row) const;
    // Reads the wanted tags on a thread of its own, handing them over in portions.
    void readWantedTags();
    void takeTags(const QList<std::pair<QString, FileTags>> &portion, bool last);
    // Negative when the entry at row a sorts before the one at row b in the current order.
    int compareRows(int a, int b) const;
    double sizeNumber(int row) const;
    // The rows in the current order; of rows that compare equal, those of a lower rank go first,
    // and rows of the same rank keep their order.
    std::vector<int> sortedRows(const std::vector<int> &ranks = {}) const;
    // Puts the entries in the order of the rows given.
    void applyOrder(const std::vector<int> &order);
    void sortAll();
    // Moves the entry at row to where the sort order wants it.
    void place(int row);
    // For each row whether its new name clashes or is no name, worked out once per change.
    const QList<bool> &clashes() const;
    // The new names and the clash marks change.
    void newNamesChanged();

    LocaleFormat m_format;
    QCollator m_collator;
    QList<RenameEntry> m_entries;
    QSet<QString> m_paths; // of the entries, for telling a path listed already
    quint64 m_nextId = 1;
    int m_sortColumn = RenameNameColumn;
    int m_lastClicked = RenameNameColumn;
    bool m_descending = false;
    RenameRule m_rule;
    mutable NameFactsCache m_facts;
    mutable std::optional<QList<bool>> m_clashes;
    mutable QStringList m_tagsWanted;
    bool m_tagsReading = false;
    std::atomic_bool m_stopReading = false;
    QThreadPool m_tagReader;
    Language m_language = Language::German;
};
