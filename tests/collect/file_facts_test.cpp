#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/file_facts.h"
#include "collect/folder_walk.h"
#include "collect/row_texts.h"
#include "collect_test_support.h"

#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
const LocaleFormat english = LocaleFormat::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
const char *const centralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

// The facts of a path as a row gets them; what cannot be read keeps its empty value.
PathFacts factsOf(const QString &path)
{
    EntryFacts facts;
    readPathFacts(QFile::encodeName(path), facts);
    return withTypeFacts(path, facts);
}

} // namespace

TEST(SizeTexts, BytesBelowOneKilobyteKilobytesAbove)
{
    EXPECT_EQ(fileSizeText(0, german), QStringLiteral("0 Byte"));
    EXPECT_EQ(fileSizeText(500, german), QStringLiteral("500 Byte"));
    EXPECT_EQ(fileSizeText(1023, german), QStringLiteral("1.023 Byte"));
    EXPECT_EQ(fileSizeText(-1, german), QStringLiteral("-1 Byte"));
    EXPECT_EQ(fileSizeText(1024, german), QStringLiteral("1,000 KB"));
    EXPECT_EQ(fileSizeText(1234500, german), QStringLiteral("1.205,566 KB"));
    EXPECT_EQ(fileSizeText(1234500, english), QStringLiteral("1,205.566 KB"));
    // Folder rows and refreshed rows use kilobytes below 1024 bytes too.
    EXPECT_EQ(kilobyteText(500, german), QStringLiteral("0,488 KB"));
    // 64 bytes are 0.0625 KB: the half rounds away from zero.
    EXPECT_EQ(kilobyteText(64, german), QStringLiteral("0,063 KB"));
    // Past eight significant digits the places are written as 0.
    EXPECT_EQ(kilobyteText(126419999, german), QStringLiteral("123.457,030 KB"));
    EXPECT_EQ(kilobyteText(123456789012, german), QStringLiteral("120.563.270,000 KB"));
    EXPECT_EQ(kilobyteText(std::numeric_limits<qint64>::max(), german),
              QStringLiteral("9.007.199.300.000.000,000 KB"));
}

TEST(FileFacts, DaylightCorrectionFollowsTheZoneAndTheSwitch)
{
    QTemporaryDir folder;
    const QString path = makeFile(folder.filePath(QStringLiteral("winter.txt")), "x");
    setFileTimes(path, QDateTime(QDate(2009, 1, 15), QTime(12, 0), Qt::UTC));
    const ZoneForTest zone(centralEurope);

    ProgramState state;
    AddingFeedback quiet;
    FileAdder adder(state, quiet, nullptr, german);
    const auto addedAt = [&](std::time_t now) {
        adder.updateDaylightBias(now);
        adder.addFile(path);
        return state.fileList.at(state.fileList.count() - 1).cells[CellChanged];
    };
    // Standard time (13:00) plus the correction while the zone keeps summer time now.
    EXPECT_EQ(addedAt(utcMoment(2009, 7, 1)), QStringLiteral("15.01.2009 14:00:00"));
    EXPECT_EQ(addedAt(utcMoment(2009, 12, 1)), QStringLiteral("15.01.2009 13:00:00"));
    state.settings.setOn(MenuSwitch::DaylightCorrection, false);
    EXPECT_EQ(addedAt(utcMoment(2009, 7, 1)), QStringLiteral("15.01.2009 13:00:00"));

    // A refreshed row never carries the correction.
    state.settings.setOn(MenuSwitch::DaylightCorrection, true);
    EXPECT_EQ(addedAt(utcMoment(2009, 7, 1)), QStringLiteral("15.01.2009 14:00:00"));
    adder.refreshRow(state.fileList.count() - 1);
    EXPECT_EQ(state.fileList.at(state.fileList.count() - 1).cells[CellChanged],
              QStringLiteral("15.01.2009 13:00:00"));
    EXPECT_EQ(state.fileList.at(state.fileList.count() - 1).changed,
              QDateTime(QDate(2009, 1, 15), QTime(13, 0), Qt::UTC));
}

TEST(FileFacts, ZonesWithoutSummerTimeAreNeverCorrected)
{
    {
        const ZoneForTest zone("JST-9");
        const ZoneBias bias = ZoneBias::at(utcMoment(2009, 7, 1));
        EXPECT_EQ(bias.standardOffsetSeconds, 9 * 3600);
        EXPECT_FALSE(bias.correctionApplies(true));
    }
    {
        const ZoneForTest zone(centralEurope);
        EXPECT_TRUE(ZoneBias::at(utcMoment(2009, 7, 1)).correctionApplies(true));
        EXPECT_FALSE(ZoneBias::at(utcMoment(2009, 7, 1)).correctionApplies(false));
        EXPECT_FALSE(ZoneBias::at(utcMoment(2009, 12, 1)).correctionApplies(true));
    }
    // Midnight in standard time shows the date alone.
    const ZoneBias utc = ZoneBias::at(utcMoment(2009, 7, 1));
    EXPECT_EQ(german.dateTimeText(utc.wallClock(QDateTime(QDate(2009, 12, 24), QTime(0, 0), Qt::UTC), false)),
              QStringLiteral("24.12.2009"));
}

TEST(FileFacts, FolderTotalsSkipDotFoldersAndNeverFollowFolderLinks)
{
    QTemporaryDir folder;
    const QString root = folder.path();
    makeFile(root + QStringLiteral("/a.txt"), QByteArray(100, 'a'));
    makeFile(root + QStringLiteral("/sub/b.txt"), QByteArray(50, 'b'));
    makeFile(root + QStringLiteral("/.cache/big"), QByteArray(1 << 20, 'c'));
    // A link back to the folder itself would loop forever if it were entered.
    ASSERT_EQ(symlink(qPrintable(root), qPrintable(root + QStringLiteral("/sub/loop"))), 0);
    EXPECT_EQ(folderTotalSize(root), 150);
    // A link to a file counts like the file.
    ASSERT_EQ(
        symlink(qPrintable(root + QStringLiteral("/a.txt")), qPrintable(root + QStringLiteral("/link.txt"))),
        0);
    EXPECT_EQ(folderTotalSize(root), 250);

    const PathFacts info = gatherFolderFacts(root);
    EXPECT_EQ(info.size, 250);
    EXPECT_TRUE(info.directory);
    EXPECT_TRUE(info.program.isEmpty());
    EXPECT_FALSE(info.typeName.isEmpty());
    EXPECT_EQ(folderTotalSize(root + QStringLiteral("/missing")), 0);
}

TEST(FileFacts, FlagsTypesAndProgramsOfFiles)
{
    QTemporaryDir folder;
    const QString text = makeFile(folder.filePath(QStringLiteral("notes.txt")), "hello");
    const QString hidden = makeFile(folder.filePath(QStringLiteral(".profile")), "");
    const QString unknown = makeFile(folder.filePath(QStringLiteral("data.zzqq")), "");

    const PathFacts textInfo = factsOf(text);
    EXPECT_EQ(textInfo.size, 5);
    EXPECT_FALSE(textInfo.hidden);
    EXPECT_FALSE(textInfo.typeName.isEmpty());
    EXPECT_TRUE(textInfo.program.startsWith(u'/'));
    EXPECT_TRUE(textInfo.program.endsWith(QStringLiteral("/cat")));
    EXPECT_EQ(textInfo.programAsStated, QStringLiteral("cat"));
    EXPECT_TRUE(textInfo.accessed.isValid() && textInfo.changed.isValid());

    EXPECT_TRUE(factsOf(hidden).hidden);
    EXPECT_TRUE(factsOf(unknown).program.isEmpty());

    EntryFacts missing;
    EXPECT_EQ(readPathFacts(QFile::encodeName(folder.filePath(QStringLiteral("gone.txt"))), missing), ENOENT);
    EXPECT_EQ(missing.size, -1);
    EXPECT_FALSE(missing.changed.isValid());

    if (geteuid() != 0) { // the superuser may write anything
        chmod(qPrintable(text), 0444);
        EXPECT_TRUE(factsOf(text).readOnly);
    }
    EXPECT_FALSE(factsOf(unknown).readOnly);
}
