#include "collect_test_support.h"
#include "file_write_test_support.h"
#include "renamer/rename_recovery.h"
#include "renamer/rename_state.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

// 100 files, each moving to the name of another or to a fresh one, drawn from the seed: the batch
// holds swaps, longer rings and chains that end at a fresh name.
QList<RenameMove> drawnBatch(const QString &root, std::mt19937 &random)
{
    QStringList sources, pool;
    for (int i = 0; i < 100; ++i) {
        sources.append(root + QStringLiteral("/f%1.dat").arg(i, 3, 10, QChar(u'0')));
        pool.append(sources.last());
        pool.append(root + QStringLiteral("/n%1.dat").arg(i, 3, 10, QChar(u'0')));
    }
    std::shuffle(pool.begin(), pool.end(), random);
    QList<RenameMove> moves;
    for (const QString &source : sources) {
        const qsizetype target = pool.first() == source ? 1 : 0;
        moves.append({source, pool.takeAt(target)});
    }
    return moves;
}

} // namespace

TEST(RenameRecovery, ABatchKilledAtAnyStepEndsWithEveryFileUnderItsOldOrNewName)
{
    std::mt19937 random(26);
    for (int point = 0; point < 50; ++point) {
        QTemporaryDir folder;
        const QString root = folder.path();
        const QList<RenameMove> moves = drawnBatch(root, random);
        QHash<QByteArray, qsizetype> moveOfContent;
        QByteArray input;
        for (qsizetype i = 0; i < moves.size(); ++i) {
            const QByteArray content = "file " + QByteArray::number(i);
            makeFile(moves[i].from, content);
            moveOfContent.insert(content, i);
            input += moves[i].from.toUtf8() + '\t' + moves[i].to.toUtf8() + '\n';
        }
        // Every file takes two steps: to its temporary name and to its new one.
        const int killAfter = std::uniform_int_distribution<int>(1, 2 * int(moves.size()))(random);
        QProcess batch;
        batch.start(QStringLiteral(TABULIX_RENAME_INTERRUPTED), {QString::number(killAfter)});
        batch.write(input);
        batch.closeWriteChannel();
        ASSERT_TRUE(batch.waitForFinished(30000));
        ASSERT_EQ(batch.exitStatus(), QProcess::CrashExit) << killAfter;
        ASSERT_EQ(leftPlanPaths().size(), 1);

        const Recovery recovery = recoverBatches(true);
        EXPECT_FALSE(recovery.anyFailed()) << killAfter;
        EXPECT_FALSE(recovery.files.isEmpty()) << killAfter;
        EXPECT_TRUE(leftPlanPaths().isEmpty());
        const QStringList names = QDir(root).entryList(QDir::Files | QDir::Hidden);
        ASSERT_EQ(names.size(), moves.size()) << killAfter;
        // With nothing in the way, the recovery finishes the batch: every file is at its new name.
        for (const QString &name : names) {
            const QString path = root + u'/' + name;
            const QByteArray content = contentOf(path);
            ASSERT_TRUE(moveOfContent.contains(content)) << name.toStdString();
            EXPECT_EQ(path, moves[moveOfContent.take(content)].to) << killAfter;
        }
        // Every content was found once.
        EXPECT_TRUE(moveOfContent.isEmpty());
    }
}
