#pragma once
// Grouping the table by one fact: the items of the choice `des_grup`, the key of every row and
// the order of the groups.
#include "collect/file_entry.h"
#include "common/language.h"
#include "common/locale_format.h"
#include "table/act_array.h"

#include <QStringList>
#include <QVector>
#include <optional>
#include <span>

class CellTexts;

enum class GroupFact { Folder, FolderAndFile, Cell, Checksum };
// How a key is made comparable: as text, as the moment it stands for, or padded as a size.
enum class GroupSortKind { Txt, Dat, Siz };

struct GroupChoice {
    BilingualText item;
    GroupFact fact;
    ColumnKind kind; // the column whose cell is the key (the path for FolderAndFile)
    GroupSortKind sort;
};

// The items of `des_grup` in list order.
const QVector<GroupChoice> &groupChoices();
// Their texts in the interface language ("de" or else English).
QStringList groupChoiceItems(Language language);
// The choice whose German or English item is exactly the text, whatever the language.
const GroupChoice *groupChoiceOf(const QString &text);

// The moment a date key stands for, as days since 30 December 1899 with the time of day as
// the fraction, in general notation with up to 15 significant digits ("40000,5" in German).
// None when the text cannot be read back as a date, a date and time, or a time.
std::optional<QString> dayCountText(const QString &key, const LocaleFormat &format);

// The rows in group order (indexes into `rows`), ascending by key plus the zero-padded row
// number, compared by UTF-16 code unit; and every row's key as the table writes it, by row.
// A date key that cannot be read back sorts as an empty one.
struct GroupOrder {
    QVector<qsizetype> order;
    QStringList keys;
};
GroupOrder groupOrder(std::span<const FileEntry> rows, const GroupChoice &choice, const CellTexts &texts,
                      const LocaleFormat &format);

// Writes the group key and the size in bytes into the two cells after the output columns of
// every row (`cells` holds one row per entry of `rows`, in the same order), then sorts the rows
// into groupOrder's order.
void sortIntoGroups(CellTable &cells, std::span<const FileEntry> rows, const GroupChoice &choice,
                    const CellTexts &texts, const LocaleFormat &format);
