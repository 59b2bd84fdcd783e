// tabulix-cli rename: the renaming tool's work from the command line, for real and as a dry run.
#include "cli_test_support.h"
#include "collect_test_support.h"
#include "common/safe_file.h"
#include "file_write_test_support.h"
#include "renamer/rename_plan.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct RenameFolder {
    RenameFolder()
    {
        for (const char *name : {"b.txt", "a.jpg", "fotos/c.JPG", "fotos/d.png", "fotos/tief/e.jpg"})
            makeFile(path(name), name);
    }
    QString path(const char *name) const { return root.filePath(QString::fromUtf8(name)); }
    QStringList files() const
    {
        QStringList names;
        for (const char *folder : {"", "fotos", "fotos/tief"})
            for (const QString &name : QDir(path(folder)).entryList(QDir::Files, QDir::Name))
                names.append((*folder ? QString::fromUtf8(folder) + u'/' : QString()) + name);
        return names;
    }
    CliRun rename(const QStringList &arguments, const QString &locale = QStringLiteral("de_DE.UTF-8")) const
    {
        QProcess cli;
        prepareCli(cli, root.path(), locale);
        giveHome(cli, root.filePath(QStringLiteral("home")));
        QProcessEnvironment environment = cli.processEnvironment();
        environment.insert(QStringLiteral("XDG_STATE_HOME"), stateHome());
        cli.setProcessEnvironment(environment);
        return finishCli(cli, QStringList{QStringLiteral("rename")} + arguments);
    }
    QString stateHome() const { return root.filePath(QStringLiteral("state")); }
    QByteArray line(const char *status, const char *from, const char *to) const
    {
        return QByteArray(QByteArray(status) + '\t' + path(from).toUtf8() + '\t' + path(to).toUtf8() + '\n');
    }
    QTemporaryDir root;
};

} // namespace

TEST(CliRename, DryRunPrintsTheNewNamesInListOrderAndTouchesNothing)
{
    RenameFolder folder;
    const QStringList before = folder.files();
    const CliRun run = folder.rename({QStringLiteral("--dry-run"), QStringLiteral("--set"),
                                      QStringLiteral("DUCB.maske=%0num%_%name%"), QStringLiteral("b.txt"),
                                      QStringLiteral("fotos"), QStringLiteral("a.jpg")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    // Folders go through the filter (all files) and into subfolders; the list sorts by name.
    EXPECT_EQ(run.out.toStdString(),
              QByteArray(folder.line("", "a.jpg", "1_a.jpg") + folder.line("", "b.txt", "2_b.txt") +
                         folder.line("", "fotos/c.JPG", "fotos/3_c.JPG") +
                         folder.line("", "fotos/d.png", "fotos/4_d.png") +
                         folder.line("", "fotos/tief/e.jpg", "fotos/tief/5_e.jpg"))
                  .toStdString());
    EXPECT_EQ(folder.files(), before);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
}

TEST(CliRename, RenamesNeverReplacesAndTellsByItsExitCode)
{
    RenameFolder folder;
    // A folder has the name that c.JPG would get.
    QDir().mkpath(folder.path("fotos/2.JPG"));
    // Only jpg files, not into subfolders, numbered from 1.
    const QStringList filter = {QStringLiteral("--set"), QStringLiteral("DFRB.auswahl=1"),
                                QStringLiteral("--set"), QStringLiteral("DFED.filter=.jpg"),
                                QStringLiteral("--set"), QStringLiteral("DUCH.uv=0"),
                                QStringLiteral("--set"), QStringLiteral("DUCB.maske=%num%")};
    CliRun run = folder.rename(filter + QStringList{QStringLiteral("fotos"), QStringLiteral("a.jpg")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray(folder.line("Umbenannt", "a.jpg", "1.jpg") +
                                  folder.line("Datei existiert", "fotos/c.JPG", "fotos/2.JPG")));
    EXPECT_EQ(folder.files(),
              (QStringList{QStringLiteral("1.jpg"), QStringLiteral("b.txt"), QStringLiteral("fotos/c.JPG"),
                           QStringLiteral("fotos/d.png"), QStringLiteral("fotos/tief/e.jpg")}));

    // Search and replace in the extension, in English; nothing failed.
    run = folder.rename({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--set"),
                         QStringLiteral("DUCH.suchenersetzen=1"), QStringLiteral("--set"),
                         QStringLiteral("DUCH.cb_suchname=0"), QStringLiteral("--set"),
                         QStringLiteral("DUCH.cb_suchendung=1"), QStringLiteral("--set"),
                         QStringLiteral("DUED.suchenalt=jpg"), QStringLiteral("--set"),
                         QStringLiteral("DUED.suchenneu=jpeg"), QStringLiteral("1.jpg"),
                         QStringLiteral("b.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out,
              folder.line("Renamed", "1.jpg", "1.jpeg") + folder.line("Not Renamed", "b.txt", "b.txt"));

    // A mask that makes no file name fails; a missing path is reported and the rest done.
    run =
        folder.rename({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--set"),
                       QStringLiteral("DUCB.maske=x/y"), QStringLiteral("b.txt"), QStringLiteral("missing")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, folder.line("Error", "b.txt", "x/y.txt"));
    EXPECT_TRUE(run.err.startsWith("tabulix-cli: cannot access 'missing': ")) << run.err.constData();
    EXPECT_TRUE(QFile::exists(folder.path("b.txt")));
}

TEST(CliRename, WrongUsageEndsWithTwo)
{
    RenameFolder folder;
    for (const QStringList &arguments :
         {QStringList{}, QStringList{QStringLiteral("--dry-run")},
          QStringList{QStringLiteral("--format"), QStringLiteral("txt"), QStringLiteral("b.txt")},
          QStringList{QStringLiteral("--set"), QStringLiteral("DUCB.gibtsnicht=1"), QStringLiteral("b.txt")},
          QStringList{QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("b.txt")}}) {
        const CliRun run = folder.rename(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(folder.rename({QStringLiteral("--help")}).exitCode, 0);
    // A configuration named but not there stops the run before anything is renamed.
    const CliRun run =
        folder.rename({QStringLiteral("--config"), QStringLiteral("fehlt.tbx"), QStringLiteral("--set"),
                       QStringLiteral("DUCB.maske=neu"), QStringLiteral("b.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QFile::exists(folder.path("b.txt")));
}

TEST(CliRename, RecoverFinishesABatchThatWasCutShort)
{
    RenameFolder folder;
    makeFile(folder.path("c.txt"), "c.txt");
    // A swap and a move, cut short after the files took their temporary names and the first
    // reached its new one; meanwhile another file took the move's new name.
    const RenamePlan plan = planRenames({{folder.path("a.jpg"), folder.path("b.txt")},
                                         {folder.path("b.txt"), folder.path("a.jpg")},
                                         {folder.path("c.txt"), folder.path("d.txt")}});
    ASSERT_EQ(plan.moves.size(), 3);
    const QString planPath = folder.stateHome() + QStringLiteral("/tabulix/rename-plan-1-1.json");
    QDir().mkpath(folder.stateHome() + QStringLiteral("/tabulix"));
    writeFileSafely(planPath, planBytes(plan.moves), QString());
    for (const PlannedMove &move : plan.moves)
        ASSERT_EQ(renameWithoutReplacing(move.from, move.temporary), RenameResult::Renamed);
    ASSERT_EQ(renameWithoutReplacing(plan.moves[0].temporary, plan.moves[0].to), RenameResult::Renamed);
    makeFile(folder.path("d.txt"), "outside");

    CliRun run = folder.rename({QStringLiteral("--recover")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out.toStdString(), QByteArray(folder.line("Umbenannt", "b.txt", "a.jpg") +
                                                folder.line("Nicht umbenannt", "c.txt", "c.txt"))
                                         .toStdString());
    EXPECT_EQ(folder.files(),
              QStringList({QStringLiteral("a.jpg"), QStringLiteral("b.txt"), QStringLiteral("c.txt"),
                           QStringLiteral("d.txt"), QStringLiteral("fotos/c.JPG"),
                           QStringLiteral("fotos/d.png"), QStringLiteral("fotos/tief/e.jpg")}));
    EXPECT_EQ(contentOf(folder.path("a.jpg")), QByteArray("b.txt"));
    EXPECT_EQ(contentOf(folder.path("b.txt")), QByteArray("a.jpg"));
    EXPECT_EQ(contentOf(folder.path("d.txt")), QByteArray("outside"));
    EXPECT_FALSE(QFileInfo::exists(planPath));
    // Nothing is left to do.
    run = folder.rename({QStringLiteral("--recover")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty());

    // Both names taken: the file stays under its temporary name, and the plan waits for a
    // recovery that finds a way.
    const RenamePlan blocked = planRenames({{folder.path("c.txt"), folder.path("e.txt")}});
    writeFileSafely(planPath, planBytes(blocked.moves), QString());
    ASSERT_EQ(renameWithoutReplacing(blocked.moves[0].from, blocked.moves[0].temporary),
              RenameResult::Renamed);
    makeFile(folder.path("c.txt"), "new c");
    makeFile(folder.path("e.txt"), "new e");
    run = folder.rename({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--recover")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray("Error\t") + folder.path("c.txt").toUtf8() + '\t' +
                           blocked.moves[0].temporary.toUtf8() + '\n');
    EXPECT_TRUE(QFileInfo::exists(planPath));
    QFile::remove(folder.path("e.txt"));
    run = folder.rename({QStringLiteral("--recover")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(contentOf(folder.path("e.txt")), QByteArray("c.txt"));
    EXPECT_EQ(folder.rename({QStringLiteral("--recover"), QStringLiteral("a.jpg")}).exitCode, 2);
}

TEST(CliRename, ChainsRenameWholeAndTheJournalUndoesThemInAnotherRun)
{
    RenameFolder folder;
    for (const char *name : {"1.txt", "2.txt", "3.txt"})
        makeFile(folder.path(name), name);
    // 1→2, 2→3, 3→4 in one run; then b.txt in a run of its own.
    CliRun run = folder.rename({QStringLiteral("--set"), QStringLiteral("DUCB.numstart=2"),
                                QStringLiteral("--set"), QStringLiteral("DUCB.maske=%num%"),
                                QStringLiteral("1.txt"), QStringLiteral("2.txt"), QStringLiteral("3.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out.toStdString(), QByteArray(folder.line("Umbenannt", "1.txt", "2.txt") +
                                                folder.line("Umbenannt", "2.txt", "3.txt") +
                                                folder.line("Umbenannt", "3.txt", "4.txt"))
                                         .toStdString());
    EXPECT_EQ(contentOf(folder.path("4.txt")), QByteArray("3.txt"));
    run = folder.rename({QStringLiteral("--set"), QStringLiteral("DUCB.maske=x"), QStringLiteral("b.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();

    run = folder.rename({QStringLiteral("--history")});
    EXPECT_EQ(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 3) << run.out.constData();
    const QByteArray shared = '\t' + folder.root.path().toUtf8() + '/';
    EXPECT_TRUE(lines[0].startsWith("2\t") && lines[0].endsWith(QByteArray("\t1" + shared)))
        << lines[0].constData();
    EXPECT_TRUE(lines[1].startsWith("1\t") && lines[1].endsWith(QByteArray("\t3" + shared)))
        << lines[1].constData();

    // The older batch by its id, then the newest.
    run = folder.rename({QStringLiteral("--undo-id"), QStringLiteral("1")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out.toStdString(), QByteArray(folder.line("Rückgängig gemacht", "2.txt", "1.txt") +
                                                folder.line("Rückgängig gemacht", "3.txt", "2.txt") +
                                                folder.line("Rückgängig gemacht", "4.txt", "3.txt"))
                                         .toStdString());
    EXPECT_EQ(contentOf(folder.path("1.txt")), QByteArray("1.txt"));
    EXPECT_EQ(contentOf(folder.path("3.txt")), QByteArray("3.txt"));
    EXPECT_EQ(folder.rename({QStringLiteral("--undo-id"), QStringLiteral("1")}).exitCode, 1);
    // x.txt was renamed again meanwhile: it stays, and the run says so.
    ASSERT_TRUE(QFile::rename(folder.path("x.txt"), folder.path("y.txt")));
    run = folder.rename({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--undo")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.toStdString(), folder.line("Error", "x.txt", "b.txt").toStdString());
    EXPECT_TRUE(QFileInfo::exists(folder.path("y.txt")));
    EXPECT_EQ(folder.rename({QStringLiteral("--undo-id"), QStringLiteral("z")}).exitCode, 2);
    EXPECT_EQ(folder.rename({QStringLiteral("--undo"), QStringLiteral("--history")}).exitCode, 2);
}

TEST(CliRename, RegularExpressionsRenameByGroupsAndAnInvalidOneRenamesNothing)
{
    RenameFolder folder;
    const QStringList search{QStringLiteral("--lang"), QStringLiteral("en"),
                             QStringLiteral("--set"),  QStringLiteral("DUCH.suchenersetzen=1"),
                             QStringLiteral("--set"),  QStringLiteral("DUCH.cb_regex=1"),
                             QStringLiteral("--set"),  QStringLiteral("DUCH.cb_case=1")};
    CliRun run = folder.rename(
        search + QStringList{QStringLiteral("--set"), QStringLiteral("DUED.suchenalt=(A)$"),
                             QStringLiteral("--set"), QStringLiteral("DUED.suchenneu=\\1-\\0"),
                             QStringLiteral("--set"), QStringLiteral("DUCB.maske=%upper:%name%%"),
                             QStringLiteral("a.jpg")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out.toStdString(), folder.line("Renamed", "a.jpg", "A-A.jpg").toStdString());
    run = folder.rename(search + QStringList{QStringLiteral("--set"), QStringLiteral("DUED.suchenalt=(b"),
                                             QStringLiteral("b.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("Invalid regular expression: ")) << run.err.constData();
    EXPECT_TRUE(QFileInfo::exists(folder.path("b.txt")));
}
