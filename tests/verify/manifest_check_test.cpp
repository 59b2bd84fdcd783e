#include "collect_test_support.h"
#include "verify/manifest_check.h"

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

TEST(CheckFiles, EveryOutcomeAndProgressToTheLastFile)
{
    QTemporaryDir folder;
    makeFile(folder.filePath(QStringLiteral("digits")), "123456789");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const auto entry = [](const char *name, ChecksumKind kind, const char *hex, std::optional<qint64> size = {}) {
        return ManifestEntry{name, {{kind, hex}}, size, 1};
    };
    const QList<ManifestEntry> entries = {
        entry("digits", ChecksumKind::CRC32IsoHdlc, "cbf43926"),  // the common CRC-32
        entry("digits", ChecksumKind::CRC32, "181989fc"),         // our column's CRC-32/BZIP2
        entry("digits", ChecksumKind::CRC32, "cbf43926"),         // the other CRC does not match
        entry("digits", ChecksumKind::CRC32, "181989fc", 8),      // nor does another size
        entry("missing", ChecksumKind::MD5, "00000000000000000000000000000000"),
        entry("sub", ChecksumKind::MD5, "00000000000000000000000000000000"),
    };
    QList<qsizetype> told;
    const QList<FileCheck> checks =
        checkFiles(entries, QFile::encodeName(folder.path()), [&](qsizetype done) { told.append(done); });
    using Outcome = FileCheck::Outcome;
    ASSERT_EQ(checks.size(), entries.size());
    EXPECT_EQ(checks[0].outcome, Outcome::Ok);
    EXPECT_EQ(checks[1].outcome, Outcome::Ok);
    EXPECT_EQ(checks[2].outcome, Outcome::Failed);
    EXPECT_EQ(checks[3].outcome, Outcome::Failed);
    EXPECT_EQ(checks[4].outcome, Outcome::Unreadable);
    EXPECT_EQ(checks[4].error, ENOENT);
    EXPECT_EQ(checks[5].error, EISDIR);
    // The digests found, in the entry's order; none read where the size already differs.
    EXPECT_EQ(checks[2].found, QList<QByteArray>{"181989fc"});
    EXPECT_EQ(checks[3].found, QList<QByteArray>());
    EXPECT_EQ(checks[3].size, 9);
    EXPECT_EQ(checks[4].size, std::nullopt);
    ASSERT_FALSE(told.isEmpty());
    EXPECT_EQ(told.last(), entries.size());
}
