#include "collect/file_list.h"

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

FileEntry row(const QString &name, qint64 size = 0, const QDateTime &created = {})
{
    FileEntry entry;
    entry.name = name;
    entry.cells[CellPath] = QStringLiteral("/data/") + name;
    entry.cells[CellFormat] = name.section(u'.', -1).toUpper();
    entry.bytes = size;
    entry.created = created;
    return entry;
}

QStringList names(const FileList &list)
{
    QStringList result;
    for (const FileEntry &entry : list.rows())
        result.append(entry.name);
    return result;
}

QStringList split(const char *text)
{
    return QString::fromUtf8(text).split(u' ');
}

const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));

} // namespace

TEST(FileList, FirstClickOnNameSortsDescendingAndOtherColumnsStartAscending)
{
    FileList list;
    list.append({row(QStringLiteral("b.txt")), row(QStringLiteral("Z.png")), row(QStringLiteral("a.jpg")),
                 row(QStringLiteral("ä.doc"))});
    list.qulistColumnClick(0, german);
    EXPECT_EQ(names(list), split("Z.png b.txt a.jpg ä.doc"));
    EXPECT_TRUE(list.sortDescending());
    list.qulistColumnClick(0, german);
    EXPECT_EQ(names(list), split("ä.doc a.jpg b.txt Z.png"));

    // Format is another column: ascending, case-insensitive.
    list.qulistColumnClick(1, german);
    EXPECT_FALSE(list.sortDescending());
    EXPECT_EQ(names(list), split("ä.doc a.jpg Z.png b.txt"));
}

TEST(FileList, SizesSortAsNumbersAndTimesByValue)
{
    FileList list;
    const QDate day(2020, 5, 1);
    list.append({row(QStringLiteral("big"), 3LL << 30, QDateTime(day, QTime(11, 0), Qt::UTC)),
                 row(QStringLiteral("small"), 900, QDateTime(day, QTime(10, 0), Qt::UTC)),
                 row(QStringLiteral("mid"), 2048, QDateTime(day.addDays(-400), QTime(23, 0), Qt::UTC))});
    list.qulistColumnClick(3, german);
    EXPECT_EQ(names(list), split("small mid big"));

    list.qulistColumnClick(4, german);
    EXPECT_EQ(names(list), split("mid small big"));

    // Rows whose times are only texts are read back with the locale's pattern; unreadable first.
    FileList texts;
    FileEntry eleven = row(QStringLiteral("eleven")), ten = row(QStringLiteral("ten")),
              junk = row(QStringLiteral("junk"));
    eleven.cells[CellCreated] = QStringLiteral("01.05.2020 11:00:00");
    ten.cells[CellCreated] = QStringLiteral("01.05.2020 10:00:00");
    junk.cells[CellCreated] = QStringLiteral("??");
    texts.append({eleven, ten, junk});
    texts.qulistColumnClick(4, german);
    EXPECT_EQ(names(texts), split("junk ten eleven"));
}

TEST(FileList, DraggedRowsLandAsABlockBeforeTheTarget)
{
    const auto fivePlaces = [] {
        FileList list;
        list.append({row(QStringLiteral("1")), row(QStringLiteral("2")), row(QStringLiteral("3")),
                     row(QStringLiteral("4")), row(QStringLiteral("5"))});
        return names(list);
    };
    {
        FileList list;
        for (const QString &name : fivePlaces())
            list.append(row(name));
        EXPECT_EQ(list.moveRowsBefore({2, 0}, 4), (QList<int>{2, 3}));
        EXPECT_EQ(names(list), split("2 4 1 3 5"));
    }
    {
        FileList list;
        for (const QString &name : fivePlaces())
            list.append(row(name));
        list.moveRowsBefore({0, 2}, -1);
        EXPECT_EQ(names(list), split("2 4 5 1 3"));
        // Onto one of the selected rows: nothing moves.
        list.moveRowsBefore({3, 4}, 4);
        EXPECT_EQ(names(list), split("2 4 5 1 3"));
        list.moveRowsBefore({4}, 0);
        EXPECT_EQ(names(list), split("3 2 4 5 1"));
    }
}

TEST(FileList, SelectionFollowsMovedRowsAndRemovalTakesExactlyTheSelectedRows)
{
    FileList list;
    for (const char *name : {"a", "b", "c", "d", "e", "f"})
        list.append(row(QString::fromUtf8(name)));
    QItemSelectionModel selection(&list);
    selection.select(list.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list.moveRowsBefore({1}, 5);
    EXPECT_EQ(names(list), split("a c d e b f"));
    ASSERT_EQ(selection.selectedRows().size(), 1);
    EXPECT_EQ(selection.selectedRows().first().row(), 4);

    list.removeRowsAt({5, 0, 1, 1, 3, 42, -1});
    EXPECT_EQ(names(list), split("d b"));
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

TEST(FileList, HeadersFollowTheLanguageButEnglishLeavesTheChecksumHeader)
{
    FileList list;
    EXPECT_EQ(list.headerData(11, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("MD5"));
    list.setLanguage(Language::German);
    EXPECT_EQ(list.headerData(11, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Prüfsummen"));
    list.setLanguage(Language::English);
    EXPECT_EQ(list.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("File Size"));
    EXPECT_EQ(list.headerData(11, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Prüfsummen"));
    EXPECT_EQ(list.headerData(15, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("SHA512"));
    EXPECT_EQ(list.columnCount(), 16);
}

TEST(FileList, ScatteredRemovalKeepsEveryOtherRowInOrder)
{
    FileList list;
    for (int i = 0; i < 200; ++i)
        list.append(row(QString::number(i)));
    QList<int> odd;
    for (int i = 199; i > 0; i -= 2)
        odd.append(i);
    list.removeRowsAt(odd);
    ASSERT_EQ(list.count(), 100);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(list.at(i).name, QString::number(2 * i));
}

TEST(FileList, BatchedRowsReachViewsAtOnceAndBeforeAnyOtherChange)
{
    FileList list;
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    list.setBatching(true);
    for (const char *name : {"a", "b", "c"}) {
        FileEntry entry;
        entry.name = QString::fromUtf8(name);
        list.append(entry);
    }
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(inserted.count(), 0);
    // A change in the middle of a batch first shows the rows it may touch.
    list.removeRowsAt({1});
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(list.rowCount(), 2);
    FileEntry last;
    last.name = QStringLiteral("d");
    list.append(last);
    EXPECT_EQ(list.rowCount(), 2);
    list.setBatching(false);
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.data(list.index(2, 0), Qt::DisplayRole).toString(), QStringLiteral("d"));
}

TEST(FileList, PathLookupFollowsEveryChangeOfTheRows)
{
    FileList list;
    list.append(row(QStringLiteral("a.txt")));
    list.append({row(QStringLiteral("b.txt")), row(QStringLiteral("b.txt")), row(QStringLiteral("c.txt"))});
    const auto has = [&list](const char *name) {
        return list.containsPath(QStringLiteral("/data/") + QString::fromUtf8(name));
    };
    EXPECT_TRUE(has("a.txt") && has("b.txt") && has("c.txt"));
    EXPECT_FALSE(has("d.txt"));

    // A path stays while any row still has it.
    list.removeRowsAt({1});
    EXPECT_TRUE(has("b.txt"));
    list.removeRowsAt({1});
    EXPECT_FALSE(has("b.txt"));

    list.replace(0, row(QStringLiteral("renamed.txt")));
    EXPECT_FALSE(has("a.txt"));
    EXPECT_TRUE(has("renamed.txt"));
    list.qulistColumnClick(0, german);
    EXPECT_TRUE(has("renamed.txt") && has("c.txt"));

    // Scattered removal takes another way through the list.
    for (int i = 0; i < 100; ++i)
        list.append(row(QString::number(i)));
    QList<int> every;
    for (int i = 2; i < list.count(); i += 2)
        every.append(i);
    list.removeRowsAt(every);
    for (const FileEntry &entry : list.rows())
        EXPECT_TRUE(list.containsPath(entry.path()));
    int gone = 0;
    for (int i = 0; i < 100; ++i)
        gone += list.containsPath(QStringLiteral("/data/") + QString::number(i)) ? 0 : 1;
    EXPECT_EQ(gone, 100 - (list.count() - 2));

    list.clear();
    EXPECT_FALSE(has("c.txt"));

    // The index is built at the first question, from the rows as they are then.
    FileList unasked;
    unasked.append(
        {row(QStringLiteral("x.txt")), row(QStringLiteral("y.txt")), row(QStringLiteral("z.txt"))});
    unasked.removeRowsAt({0});
    unasked.replace(0, row(QStringLiteral("w.txt")));
    EXPECT_FALSE(unasked.containsPath(QStringLiteral("/data/x.txt")));
    EXPECT_FALSE(unasked.containsPath(QStringLiteral("/data/y.txt")));
    EXPECT_TRUE(unasked.containsPath(QStringLiteral("/data/w.txt")) &&
                unasked.containsPath(QStringLiteral("/data/z.txt")));
}
