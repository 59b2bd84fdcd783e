#include "table/grouping.h"

#include "common/all_cores.h"
#include "common/language.h"
#include "common/paths.h"
#include "table/cell_texts.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

// A size key is padded to this many characters before the row number follows.
constexpr int SizeKeyWidth = 17;

QTime readTime(const QString &text, const LocaleFormat &format)
{
    const QTime time = format.locale.toTime(text, format.longTimePattern);
    if (time.isValid())
        return time;
    // The date patterns of the table write 24-hour times whatever the locale's own pattern.
    const QString separator = u'\'' + format.timeSeparator + u'\'';
    return format.locale.toTime(text, QStringLiteral("HH") + separator + QStringLiteral("mm") + separator +
                                          QStringLiteral("ss"));
}

std::optional<QDateTime> readDateTime(const QString &text, const LocaleFormat &format)
{
    const QDateTime whole = format.parseDateTime(text);
    if (whole.isValid())
        return whole;
    // A time alone (the date part switched off) stands on day 0.
    const QTime timeOnly = readTime(text, format);
    if (timeOnly.isValid())
        return QDateTime(QDate(1899, 12, 30), timeOnly, Qt::UTC);
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return std::nullopt;
    const QDate date = format.locale.toDate(text.left(blank), format.shortDatePattern);
    const QTime time = readTime(text.mid(blank + 1), format);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

struct Key {
    QString output; // as the table writes it
    QString plain;  // without HTML markup: what is sorted
};

Key keyOf(const FileEntry &row, const GroupChoice &choice, const CellTexts &texts)
{
    switch (choice.fact) {
    case GroupFact::Folder: {
        const QString folder = folderPart(row.path());
        return {texts.escapedForOutput(folder), folder};
    }
    case GroupFact::Checksum:
        return {texts.checksumCell(ChecksumKind::MD5, row), row.cells[CellMd5]};
    case GroupFact::FolderAndFile:
    case GroupFact::Cell:
        break;
    }
    const QString visible = texts.visibleText(choice.kind, row);
    return {texts.outputText(choice.kind, row, visible), visible};
}

QString sortText(const QString &key, GroupSortKind sort, const LocaleFormat &format)
{
    switch (sort) {
    case GroupSortKind::Dat:
        return dayCountText(key, format).value_or(QString());
    case GroupSortKind::Siz:
        return key.leftJustified(SizeKeyWidth, u'0');
    case GroupSortKind::Txt:
        break;
    }
    return key;
}

bool codeUnitLess(const QString &a, const QString &b)
{
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(), b.utf16() + b.size());
}

} // namespace

const QVector<GroupChoice> &groupChoices()
{
    static const QVector<GroupChoice> choices = {
        {"Ordner", "Folder", GroupFact::Folder, ColumnKind::Path, GroupSortKind::Txt},
        {"Ordner und Datei", "Folder and File", GroupFact::FolderAndFile, ColumnKind::Path,
         GroupSortKind::Txt},
        {"Format", "Format", GroupFact::Cell, ColumnKind::Format, GroupSortKind::Txt},
        {"Windows Typ", "Windows Type", GroupFact::Cell, ColumnKind::WindowsType, GroupSortKind::Txt},
        {"Erstellt", "Created", GroupFact::Cell, ColumnKind::Created, GroupSortKind::Dat},
        {"Zugegriffen", "Accessed", GroupFact::Cell, ColumnKind::Accessed, GroupSortKind::Dat},
        {"Geändert", "Changed", GroupFact::Cell, ColumnKind::Changed, GroupSortKind::Dat},
        {"Versteckt", "Hidden", GroupFact::Cell, ColumnKind::Hidden, GroupSortKind::Txt},
        {"Schreibgeschützt", "Read Only", GroupFact::Cell, ColumnKind::ReadOnly, GroupSortKind::Txt},
        {"Verknüpftes Programm", "Associated Application", GroupFact::Cell, ColumnKind::Program,
         GroupSortKind::Txt},
        {"Dateigröße", "File Size", GroupFact::Cell, ColumnKind::Size, GroupSortKind::Siz},
        {"Dateiname", "Filename", GroupFact::Cell, ColumnKind::FileName, GroupSortKind::Txt},
        {"Prüfsummen", "Checksums", GroupFact::Checksum, ColumnKind::Checksums, GroupSortKind::Txt},
    };
    return choices;
}

QStringList groupChoiceItems(Language language)
{
    static const auto items = [] {
        std::array<QStringList, 2> made;
        for (const Language each : {Language::German, Language::English})
            for (const GroupChoice &choice : groupChoices())
                made[int(each)].append(choice.item.in(each));
        return made;
    }();
    return items[int(language)];
}

const GroupChoice *groupChoiceOf(const QString &text)
{
    for (const GroupChoice &choice : groupChoices())
        if (text == choice.item.in(Language::German) || text == choice.item.in(Language::English))
            return &choice;
    return nullptr;
}

std::optional<QString> dayCountText(const QString &key, const LocaleFormat &format)
{
    const std::optional<QDateTime> when = readDateTime(key.trimmed(), format);
    if (!when)
        return std::nullopt;
    const qint64 days = QDate(1899, 12, 30).daysTo(when->date());
    const double fraction = when->time().msecsSinceStartOfDay() / 86400000.0;
    // Before day 0 the fraction still counts forward from midnight: -1.25 is 29 December 06:00.
    const double count = days < 0 ? double(days) - fraction : double(days) + fraction;
    QLocale locale = format.locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(count, 'g', 15);
}

GroupOrder groupOrder(std::span<const FileEntry> rows, const GroupChoice &choice, const CellTexts &texts,
                      const LocaleFormat &format)
{
    const qsizetype count = rows.size();
    const int suffixWidth = int(QString::number(count).size());
    GroupOrder groups;
    groups.keys.reserve(count);
    QStringList sortKeys;
    sortKeys.reserve(count);
    for (qsizetype j = 0; j < count; ++j) {
        Key key = keyOf(rows[j], choice, texts);
        sortKeys.append(std::move(key.plain));
        groups.keys.append(std::move(key.output));
    }
    // Reading dates back is the slow part; each key on its own, with a locale of each thread's own.
    QString *const keys = sortKeys.data();
    onAllCores(count, [&](qsizetype begin, qsizetype end) {
        const LocaleFormat ownFormat = format;
        for (qsizetype j = begin; j < end; ++j)
            keys[j] = sortText(keys[j], choice.sort, ownFormat) +
                      QStringLiteral("%1").arg(j + 1, suffixWidth, 10, QLatin1Char('0'));
    });
    groups.order.resize(count);
    std::iota(groups.order.begin(), groups.order.end(), 0);
    // The row numbers make every key unique, so the order is fully determined.
    std::sort(groups.order.begin(), groups.order.end(),
              [&sortKeys](qsizetype a, qsizetype b) { return codeUnitLess(sortKeys[a], sortKeys[b]); });
    return groups;
}

void sortIntoGroups(CellTable &cells, std::span<const FileEntry> rows, const GroupChoice &choice,
                    const CellTexts &texts, const LocaleFormat &format)
{
    GroupOrder groups = groupOrder(rows, choice, texts, format);
    for (qsizetype j = 0; j < qsizetype(rows.size()); ++j) {
        QStringList &cellRow = cells[j];
        cellRow[cellRow.size() - 2] = std::move(groups.keys[j]);
        cellRow[cellRow.size() - 1] = QString::number(rows[j].bytes);
    }
    CellTable sorted;
    sorted.reserve(rows.size());
    for (const qsizetype j : groups.order)
        sorted.append(std::move(cells[j]));
    cells = std::move(sorted);
}
