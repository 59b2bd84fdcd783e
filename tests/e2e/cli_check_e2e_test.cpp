// tabulix-cli check against the checksum programs it stands in for: their files check OK, and
// after a change it prints what sha256sum -c prints, with the same exit status.
#include "cli_test_support.h"
#include "collect_test_support.h"

#include <QDir>
#include <QJsonArray>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QStringList plainNames = {QStringLiteral("a b"), QStringLiteral("back\\slash"), QStringLiteral("it's"),
                                QStringLiteral("plain"), QStringLiteral("ümlaut (1).txt")};
const QString newlineName = QStringLiteral("new\nline");

// A peer program run in the folder, in a UTF-8 locale with English messages; its standard
// error names it PROGRAM.
CliRun runPeer(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess peer;
    prepareCli(peer, folder, QStringLiteral("C.UTF-8"));
    const QString path = QStandardPaths::findExecutable(program);
    CliRun run = finishCli(peer, arguments, path);
    run.err.replace(QByteArray(QFile::encodeName(path) + ": "), "PROGRAM: ");
    return run;
}

// Our check, its standard error named as the peer's.
CliRun runCheck(const QStringList &arguments, const QString &folder)
{
    CliRun run = runCli(QStringList{QStringLiteral("check")} + arguments, folder);
    run.err.replace("tabulix-cli: ", "PROGRAM: ");
    return run;
}

class CheckFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(data()));
        for (const QString &name : plainNames + QStringList{newlineName})
            makeFile(data() + u'/' + name, name.toUtf8());
    }
    QString data() const { return m_root.filePath(QStringLiteral("data")); }
    QString root() const { return m_root.path(); }
    void writeManifest(const QByteArray &bytes) const { makeFile(data() + QStringLiteral("/m"), bytes); }

private:
    QTemporaryDir m_root;
};

} // namespace

TEST_F(CheckFolder, ManifestsOfPeersCheckOkFromAnyFolder)
{
    struct Maker {
        QString program;
        QStringList options;
        QString checker; // the peer that checks its files, for the exact lines
        QStringList names;
    };
    // rhash reads a backslash as a folder separator; only coreutils' lines hold line feeds.
    const QStringList allNames = plainNames + QStringList{newlineName};
    QStringList noBackslash = plainNames;
    noBackslash.removeAll(QStringLiteral("back\\slash"));
    const QList<Maker> makers = {
        {QStringLiteral("md5sum"), {}, QStringLiteral("md5sum"), allNames},
        {QStringLiteral("sha1sum"), {}, QStringLiteral("sha1sum"), allNames},
        {QStringLiteral("sha256sum"), {}, QStringLiteral("sha256sum"), allNames},
        {QStringLiteral("sha512sum"), {QStringLiteral("-b")}, QStringLiteral("sha512sum"), allNames},
        {QStringLiteral("sha256sum"), {QStringLiteral("--tag")}, QStringLiteral("sha256sum"), allNames},
        {QStringLiteral("rhash"), {QStringLiteral("--sfv")}, {}, noBackslash},
        {QStringLiteral("rhash"), {QStringLiteral("--bsd"), QStringLiteral("--crc32")}, {}, noBackslash},
        {QStringLiteral("rhash"), {QStringLiteral("--bsd"), QStringLiteral("--sha512")}, {}, noBackslash},
        {QStringLiteral("hashdeep"), {QStringLiteral("-l"), QStringLiteral("-c"), QStringLiteral("md5,sha256")}, {},
         plainNames},
    };
    for (const Maker &maker : makers) {
        SCOPED_TRACE(QString(maker.program + u' ' + maker.options.join(u' ')).toStdString());
        const CliRun made =
            runPeer(maker.program, maker.options + QStringList{QStringLiteral("--")} + maker.names, data());
        ASSERT_EQ(made.exitCode, 0) << made.err.constData();
        writeManifest(made.out);

        const CliRun ours = runCheck({QStringLiteral("data/m")}, root());
        EXPECT_EQ(ours.exitCode, 0) << ours.err.constData();
        EXPECT_EQ(QString::fromUtf8(ours.err), QString());
        EXPECT_EQ(ours.out.count(": OK\n"), maker.names.size()) << ours.out.constData();
        if (!maker.checker.isEmpty()) {
            EXPECT_EQ(QString::fromUtf8(ours.out),
                      QString::fromUtf8(runPeer(maker.checker, {QStringLiteral("-c"), QStringLiteral("m")}, data()).out));
        }
    }
}

TEST_F(CheckFolder, AfterChangesSpeaksAsSha256sum)
{
    const CliRun made = runPeer(QStringLiteral("sha256sum"), QStringList{QStringLiteral("--")} + plainNames +
                                                                 QStringList{newlineName},
                                data());
    ASSERT_EQ(made.exitCode, 0);
    ASSERT_TRUE(QDir(data()).mkdir(QStringLiteral("sub")));
    const QByteArray zeros(64, '0');
    writeManifest(made.out + "junk line\n" + zeros + "  sub\n" + zeros + "  gone one\n" + zeros +
                  "  \\odd\n" + "\\" + zeros + "  bad\\escape\n");
    makeFile(data() + QStringLiteral("/plain"), "changed");
    ASSERT_TRUE(QFile::remove(data() + QStringLiteral("/it's")));
    makeFile(data() + QStringLiteral("/only missing"), zeros + "  missing\n");
    makeFile(data() + QStringLiteral("/only junk"), "junk\n\n# comment\n");
    makeFile(data() + QStringLiteral("/all fine"), made.out.first(made.out.indexOf('\n') + 1));

    const QList<QStringList> runs = {
        {QStringLiteral("m")},
        {QStringLiteral("--quiet"), QStringLiteral("m")},
        {QStringLiteral("--status"), QStringLiteral("m")},
        {QStringLiteral("-w"), QStringLiteral("m")},
        {QStringLiteral("--warn"), QStringLiteral("--quiet"), QStringLiteral("m")},
        {QStringLiteral("--status"), QStringLiteral("--warn"), QStringLiteral("m")},
        {QStringLiteral("--strict"), QStringLiteral("m"), QStringLiteral("all fine")},
        {QStringLiteral("--ignore-missing"), QStringLiteral("m")},
        {QStringLiteral("--ignore-missing"), QStringLiteral("only missing")},
        {QStringLiteral("--ignore-missing"), QStringLiteral("--status"), QStringLiteral("only missing")},
        {QStringLiteral("only junk"), QStringLiteral("all fine")},
        {QStringLiteral("--strict"), QStringLiteral("all fine")},
        {QStringLiteral("no such manifest"), QStringLiteral("all fine")},
    };
    for (const QStringList &arguments : runs) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun theirs = runPeer(QStringLiteral("sha256sum"), QStringList{QStringLiteral("-c")} + arguments, data());
        const CliRun ours = runCheck(arguments, data());
        EXPECT_EQ(QString::fromUtf8(ours.out), QString::fromUtf8(theirs.out));
        EXPECT_EQ(QString::fromUtf8(ours.err), QString::fromUtf8(theirs.err));
        EXPECT_EQ(ours.exitCode, theirs.exitCode);
    }
}

TEST_F(CheckFolder, PipesAndDevicesAreNotReadThrough)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(data() + QStringLiteral("/fifo")).constData(), 0600), 0);
    const QByteArray zeros(64, '0');
    writeManifest(zeros + "  fifo\n" + zeros + "  /dev/zero\n");
    const CliRun ours = runCli({QStringLiteral("check"), QStringLiteral("data/m")}, root());
    EXPECT_EQ(ours.exitCode, 1);
    EXPECT_EQ(ours.out, "fifo: FAILED open or read\n/dev/zero: FAILED open or read\n");
    EXPECT_TRUE(ours.err.startsWith("tabulix-cli: fifo: ")) << ours.err.constData();
    EXPECT_TRUE(ours.err.endsWith("tabulix-cli: WARNING: 2 listed files could not be read\n"));
}

TEST_F(CheckFolder, ManifestsWeWritePassThePeers)
{
    makeFile(data() + QStringLiteral("/sub/inner"), "inner");
    struct Written {
        QString format, checker;
    };
    for (const Written &written : {Written{QStringLiteral("md5sum"), QStringLiteral("md5sum")},
                                   Written{QStringLiteral("sha1sum"), QStringLiteral("sha1sum")},
                                   Written{QStringLiteral("sha256sum"), QStringLiteral("sha256sum")},
                                   Written{QStringLiteral("sha512sum"), QStringLiteral("sha512sum")}}) {
        SCOPED_TRACE(written.format.toStdString());
        // Names relative to the folder of -o, not to the current one, escaped where they hold a
        // backslash or a line feed.
        const CliRun made = runCli(
            {QStringLiteral("--format"), written.format, QStringLiteral("-o"), QStringLiteral("../m"), QStringLiteral(".")},
            data());
        ASSERT_EQ(made.exitCode, 0) << made.err.constData();
        const CliRun checked = runPeer(written.checker, {QStringLiteral("-c"), QStringLiteral("m")}, root());
        EXPECT_EQ(checked.exitCode, 0) << checked.err.constData();
        EXPECT_EQ(checked.out.count(": OK\n"), plainNames.size() + 2) << checked.out.constData();
    }
    // On standard output names are relative to the current folder; rhash checks them too, and
    // our SFV files, where every name but those with a backslash or a line feed can stand.
    ASSERT_TRUE(QFile::remove(data() + QStringLiteral("/back\\slash")));
    ASSERT_TRUE(QFile::remove(data() + u'/' + newlineName));
    for (const QString &format : {QStringLiteral("sha256sum"), QStringLiteral("sfv")}) {
        SCOPED_TRACE(format.toStdString());
        const CliRun made = runCli({QStringLiteral("--format"), format, QStringLiteral("data")}, root());
        ASSERT_EQ(made.exitCode, 0) << made.err.constData();
        makeFile(root() + QStringLiteral("/list"), made.out);
        const CliRun checked = runPeer(QStringLiteral("rhash"), {QStringLiteral("-c"), QStringLiteral("list")}, root());
        EXPECT_EQ(checked.exitCode, 0) << checked.out.constData();
        EXPECT_EQ(runCheck({QStringLiteral("list")}, root()).exitCode, 0);
    }
}

TEST_F(CheckFolder, OurCsvTablesCheckWithTheirOwnCrc)
{
    const QStringList list = {QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--set"),
                              QStringLiteral("PBCH.act_checksum=1"), QStringLiteral("-o")};
    ASSERT_EQ(runCli(list + QStringList{QStringLiteral("data/table.csv"), QStringLiteral("--columns"),
                                        QStringLiteral("name,path,md5,crc32"), QStringLiteral("data")},
                     root())
                  .exitCode,
              0);
    const CliRun fine = runCli({QStringLiteral("check"), QStringLiteral("data/table.csv")}, root());
    EXPECT_EQ(fine.exitCode, 0) << fine.err.constData();
    EXPECT_EQ(fine.out.count(": OK\n"), plainNames.size() + 1);

    makeFile(data() + QStringLiteral("/plain"), "changed");
    const CliRun changed = runCli({QStringLiteral("check"), QStringLiteral("--quiet"), QStringLiteral("data/table.csv")}, root());
    EXPECT_EQ(changed.exitCode, 1);
    EXPECT_EQ(changed.out, QFile::encodeName(data()) + "/plain: FAILED\n");

    // A table of shortened paths says why it cannot be checked.
    makeFile(data() + u'/' + QString(60, u'x') + QStringLiteral("/deep"), "deep");
    ASSERT_EQ(runCli(list + QStringList{QStringLiteral("short.csv"), QStringLiteral("--set"), QStringLiteral("PBCH.act_pfad_kurz=1"),
                                        QStringLiteral("--columns"), QStringLiteral("path,md5"), QStringLiteral("data")},
                     root())
                  .exitCode,
              0);
    const CliRun shortened = runCli({QStringLiteral("check"), QStringLiteral("short.csv")}, root());
    EXPECT_EQ(shortened.exitCode, 2) << shortened.out.constData();
    EXPECT_TRUE(shortened.err.contains("shortened")) << shortened.err.constData();
}

TEST_F(CheckFolder, RootFindsNewAndMovedFiles)
{
    const CliRun made = runPeer(QStringLiteral("sha256sum"), QStringList{QStringLiteral("--")} + plainNames, data());
    ASSERT_EQ(made.exitCode, 0);
    // The manifest lies outside the root; its names are taken from the root.
    makeFile(root() + QStringLiteral("/m"), made.out);
    ASSERT_TRUE(QDir(data()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::rename(data() + QStringLiteral("/plain"), data() + QStringLiteral("/sub/renamed")));
    ASSERT_TRUE(QFile::remove(data() + QStringLiteral("/it's")));
    makeFile(data() + QStringLiteral("/fresh"), "fresh");

    const CliRun ours = runCli({QStringLiteral("check"), QStringLiteral("--quiet"), QStringLiteral("--root"),
                                QStringLiteral("data"), QStringLiteral("m")},
                               root());
    EXPECT_EQ(ours.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(ours.out), QStringLiteral("it's: FAILED open or read\n"
                                                          "sub/renamed: MOVED from plain\n"
                                                          "fresh: NEW\n"
                                                          "\\new\\nline: NEW\n"));
    // Everything listed and nothing new: the check passes, and the manifest itself is no new file.
    makeFile(data() + QStringLiteral("/m"), runPeer(QStringLiteral("sha256sum"),
                                                    {QStringLiteral("fresh"), QStringLiteral("sub/renamed"),
                                                     QStringLiteral("a b"), QStringLiteral("back\\slash"),
                                                     QStringLiteral("ümlaut (1).txt"), newlineName},
                                                    data())
                                                .out);
    EXPECT_EQ(runCli({QStringLiteral("check"), QStringLiteral("--root"), QStringLiteral("data"), QStringLiteral("data/m")},
                     root())
                  .exitCode,
              0);
}

TEST_F(CheckFolder, FormatPrintsATableWithTheSameExitStatus)
{
    const CliRun made = runPeer(QStringLiteral("sha256sum"), QStringList{QStringLiteral("--")} + plainNames, data());
    ASSERT_EQ(made.exitCode, 0);
    writeManifest(made.out);
    makeFile(data() + QStringLiteral("/plain"), "changed");

    const CliRun json = runCli({QStringLiteral("check"), QStringLiteral("--format"), QStringLiteral("json"),
                                QStringLiteral("data/m")},
                               root());
    EXPECT_EQ(json.exitCode, 1);
    const QJsonArray rows = QJsonDocument::fromJson(json.out)[QStringLiteral("rows")].toArray();
    ASSERT_EQ(rows.size(), plainNames.size()) << json.out.constData();
    EXPECT_EQ(rows[3][QStringLiteral("path")].toString(), QStringLiteral("plain"));
    EXPECT_EQ(rows[3][QStringLiteral("status")].toString(), QStringLiteral("changed"));

    const CliRun german = runCli({QStringLiteral("check"), QStringLiteral("--lang"), QStringLiteral("de"),
                                  QStringLiteral("--format"), QStringLiteral("txt"), QStringLiteral("data/m")},
                                 root());
    EXPECT_EQ(german.exitCode, 1);
    EXPECT_TRUE(german.out.endsWith("\nOK: 4; geändert: 1; fehlt: 0; neu: 0; verschoben: 0; unlesbar: 0\n"))
        << german.out.constData();
    EXPECT_EQ(runCli({QStringLiteral("check"), QStringLiteral("--format"), QStringLiteral("sfv"), QStringLiteral("data/m")},
                     root())
                  .exitCode,
              2);
}
