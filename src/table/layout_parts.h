#pragma once
// Pieces the layouts of the table share: the options read once, the dash marker, the end
// information and the walk through the rows with their groups.
#include "common/language.h"
#include "table/table_layout.h"

#include <functional>

// Stands where a dash line belongs until the layout knows how wide the lines are.
inline const QString DashMarker = QStringLiteral("%%--%-%");

struct LayoutOptions {
    bool title = false;
    QString titleText;
    bool dashes = false;
    QString dashText;
    bool columnHeaders = false;
    bool endCount = false;
    bool endSize = false;
    bool delimited = false;
    QChar fill = u' ';
    QString delimiter;
    QString lineEnd; // empty when delimited lines get no end text
    bool grouped = false;
    bool groupHeading = false;
    bool groupHeaders = false;
    bool groupEndInfo = false;
    QString csvSeparator;
    QString csvEnd;
    QString csvEnclosure;

    static LayoutOptions read(const Settings &settings);
};

struct LayoutInput {
    const ActArray &columns;
    const CellTable &cells;
    const LayoutOptions &options;
    OutputFormat format;
    Language language;
    const LocaleFormat &locale;
    ListTotals totals;

    bool picture() const { return isPictureFormat(format); }
    qsizetype columnCount() const { return columns.size(); }
    QStringList headers() const;
};

// What a layout does as the rows go by. Without grouping only `row` is called.
struct RowWalk {
    std::function<void(const QString &key)> groupStarts;
    std::function<void(const QStringList &row)> row;
    std::function<void(qint64 files, qint64 bytes)> groupEnds;
};

// Groups are runs of rows with the same key; the first run starts no group when its key is
// empty, since the current key starts empty.
void walkRows(const LayoutInput &in, const RowWalk &walk);

// The count and total size of some files as the options ask for them ("3 Dateien; 1,205 KB");
// empty when they ask for neither.
QString endInfoText(const LayoutOptions &options, Language language, const LocaleFormat &locale, qint64 files,
                    qint64 bytes);
// The count and total size of some files, after a dash marker when dash lines are on;
// nothing when neither is asked for.
void addEndInfo(QStringList &lines, const LayoutInput &in, qint64 files, qint64 bytes);

qsizetype longestLine(const QStringList &lines);

QStringList textLayout(const LayoutInput &in); // padded or delimited, as the options say
QStringList htmlLayout(const LayoutInput &in);
QStringList csvLayout(const LayoutInput &in);
