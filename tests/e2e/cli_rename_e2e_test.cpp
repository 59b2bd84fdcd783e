// tabulix-cli rename: the renaming tool's work from the command line, for real and as a dry run.
#include "cli_test_support.h"
#include "collect_test_support.h"

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
        return finishCli(cli, QStringList{QStringLiteral("rename")} + arguments);
    }
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
