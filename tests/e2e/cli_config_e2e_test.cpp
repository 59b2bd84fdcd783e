// tabulix-cli with configuration files: saving and loading them, configurations among the
// operands, the reset, the order of the options and what happens when a file cannot be used.
#include "cli_table_folder.h"
#include "cli_test_support.h"
#include "file_write_test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A configuration file as the desktop program writes a new one: UTF-16 LE with its byte-order
// mark and CR LF.
QByteArray utf16File(const QString &lines)
{
    QString text = lines;
    text.replace(u'\n', QStringLiteral("\r\n"));
    return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(text.utf16()),
                                               text.size() * qsizetype(sizeof(char16_t)));
}

// The text of a UTF-16 LE file; "<no byte-order mark>" when it does not start with one.
QString utf16TextOf(const QString &path)
{
    const QByteArray bytes = contentOf(path);
    if (!bytes.startsWith("\xFF\xFE"))
        return QStringLiteral("<no byte-order mark>");
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                              (bytes.size() - 2) / 2);
}

QString firstLine(const QByteArray &output)
{
    return QString::fromUtf8(output.left(output.indexOf('\n')));
}

QStringList setting(const char *assignment)
{
    return {QStringLiteral("--set"), QString::fromUtf8(assignment)};
}

const QString list = QStringLiteral("liste");

// The generated folder; every run gets a home of its own unless it is given one.
struct ConfigFolder : GeneratedFolder {
    QString path(const char *name) const { return root.filePath(QString::fromUtf8(name)); }

    CliRun runAt(const QString &home, const QStringList &arguments, const QStringList &wrapper = {}) const
    {
        QProcess cli;
        prepareCli(cli, root.path());
        giveHome(cli, home);
        if (wrapper.isEmpty())
            return finishCli(cli, arguments);
        return finishCli(cli, wrapper.mid(1) + QStringList{QStringLiteral(TABULIX_CLI_PATH)} + arguments,
                         wrapper.first());
    }
    CliRun run(const QStringList &arguments, const QStringList &wrapper = {}) const
    {
        const QTemporaryDir home;
        return runAt(home.path(), arguments, wrapper);
    }
};

// Headers, column order and grouping as a hand-edited file gives them; the adding switches
// are stated, since loading switches folder rows on when a file leaves them out.
const char handWritten[] = "[PBED]\n"
                           "act_name_ed=Datei\n"
                           "[PBRF]\n"
                           "r0=04 Dateigröße\n"
                           "r3=01 Dateiname\n"
                           "[PBRB]\n"
                           "des_grup_ja=1\n"
                           "[PBCB]\n"
                           "des_grup=Format\n"
                           "[ES]\n"
                           "DA=1\n"
                           "OR=0\n";

} // namespace

TEST(CliConfiguration, ASavedConfigurationGivesTheSameTableInAFreshHome)
{
    ConfigFolder folder;
    const QStringList changed =
        tableOptions + setting("PBCH.des_allg_header_cb=1") + setting("PBED.des_allg_header=Meine Liste") +
        setting("PBED.act_name_ed=Datei") + setting("PBRB.des_grup_ja=1") + setting("PBCB.des_grup=Format") +
        setting("PBRF.r0=04 Dateigröße") + setting("PBRF.r3=01 Dateiname") +
        setting("PBRB.des_tab_zeichen=1") + setting("PBCB.des_tab_z= | ");
    const QString saved = folder.path("gespeichert.tbx");
    const CliRun first = folder.run(changed + QStringList{QStringLiteral("--save-config"), saved, list});
    ASSERT_EQ(first.exitCode, 0) << first.err.constData();
    EXPECT_TRUE(first.err.isEmpty()) << first.err.constData();
    EXPECT_TRUE(firstLine(first.out).startsWith(u"Meine Liste")) << first.out.constData();
    EXPECT_TRUE(first.out.contains("\nTXT\n")) << first.out.constData();
    EXPECT_TRUE(first.out.contains("\n0,098 KB | TXT | alpha.txt | ")) << first.out.constData();

    const CliRun loaded =
        folder.run({QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--config"), saved, list});
    EXPECT_EQ(loaded.exitCode, 0) << loaded.err.constData();
    EXPECT_EQ(loaded.out, first.out);

    // Without a path only the configuration is written, the same one.
    const QString only = folder.path("nur.tbx");
    const CliRun saving = folder.run(changed + QStringList{QStringLiteral("--save-config"), only});
    EXPECT_EQ(saving.exitCode, 0) << saving.err.constData();
    EXPECT_TRUE(saving.out.isEmpty()) << saving.out.constData();
    EXPECT_TRUE(contentOf(only).startsWith("\xFF\xFE"));
    EXPECT_EQ(contentOf(only), contentOf(saved));
}

TEST(CliConfiguration, AHandWrittenConfigurationWorksAsOptionAndAsOperand)
{
    ConfigFolder folder;
    const QString file = makeFile(folder.path("hand.tbx"), utf16File(QString::fromUtf8(handWritten)));
    const CliRun bySettings =
        folder.run(tableOptions + setting("PBED.act_name_ed=Datei") + setting("PBRF.r0=04 Dateigröße") +
                   setting("PBRF.r3=01 Dateiname") + setting("PBRB.des_grup_ja=1") +
                   setting("PBCB.des_grup=Format") + QStringList{list});
    ASSERT_EQ(bySettings.exitCode, 0) << bySettings.err.constData();
    const QString header = firstLine(bySettings.out);
    EXPECT_TRUE(header.startsWith(u"Dateigröße  Format  Datei ")) << header.toStdString();
    EXPECT_TRUE(bySettings.out.contains("\nJPG\n")) << bySettings.out.constData();

    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--config"), file, list}, QStringList{file, list},
          QStringList{QStringLiteral("hand.tbx"), list}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = folder.run(tableOptions + arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(run.out, bySettings.out);
    }
}

TEST(CliConfiguration, ConfigurationOperandsTakeTurnsWithThePaths)
{
    ConfigFolder folder;
    // Folders as rows, and no files of them.
    makeFile(folder.path("ordner.tbx"), utf16File(QStringLiteral("[ES]\nDA=0\nOR=1\n")));
    const CliRun foldersFirst = folder.run(tableOptions + QStringList{QStringLiteral("ordner.tbx"), list});
    EXPECT_EQ(foldersFirst.exitCode, 0) << foldersFirst.err.constData();
    EXPECT_TRUE(foldersFirst.out.contains("\nliste ")) << foldersFirst.out.constData();
    EXPECT_FALSE(foldersFirst.out.contains("alpha.txt")) << foldersFirst.out.constData();

    const CliRun filesFirst = folder.run(tableOptions + QStringList{list, QStringLiteral("ordner.tbx")});
    EXPECT_EQ(filesFirst.exitCode, 0) << filesFirst.err.constData();
    EXPECT_TRUE(filesFirst.out.contains("\nalpha.txt")) << filesFirst.out.constData();

    // Only the exact extension makes a configuration; any other is a file to list.
    makeFile(folder.path("GROSS.TBX"), utf16File(QStringLiteral("[ES]\nDA=0\nOR=1\n")));
    const CliRun upperCase = folder.run(tableOptions + QStringList{QStringLiteral("GROSS.TBX"), list});
    EXPECT_EQ(upperCase.exitCode, 0) << upperCase.err.constData();
    EXPECT_TRUE(upperCase.out.contains("\nGROSS.TBX ")) << upperCase.out.constData();
    EXPECT_TRUE(upperCase.out.contains("\nalpha.txt ")) << upperCase.out.constData();

    // A configuration operand that names nothing is reported like a path; the rest is done.
    const CliRun missing = folder.run(tableOptions + QStringList{QStringLiteral("fehlt.tbx"), list});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(missing.err),
              QStringLiteral("tabulix-cli: cannot access 'fehlt.tbx': ") + systemReason(ENOENT) + u'\n');
    EXPECT_EQ(missing.out, expected("liste.txt"));
}

TEST(CliConfiguration, AConfigurationThatCannotBeReadStopsTheRun)
{
    ConfigFolder folder;
    const QString output = makeFile(folder.path("alt.txt"), "vorher");
    CliRun run = folder.run({QStringLiteral("--config"), QStringLiteral("fehlt.tbx"), QStringLiteral("-o"),
                             output, QStringLiteral("--save-config"), folder.path("neu.tbx"), list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err),
              QStringLiteral("tabulix-cli: cannot read configuration 'fehlt.tbx': ") + systemReason(ENOENT) +
                  u'\n');
    EXPECT_EQ(contentOf(output), "vorher");
    EXPECT_FALSE(QFile::exists(folder.path("neu.tbx")));

    run = folder.run({QStringLiteral("--config"), list, list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err), QStringLiteral("tabulix-cli: cannot read configuration 'liste': ") +
                                              systemReason(EISDIR) + u'\n');
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();

    // A FIFO is refused at once rather than waited on.
    const QString fifo = folder.path("fifo.tbx");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    run = folder.run({QStringLiteral("--config"), fifo, list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err),
              u"tabulix-cli: cannot read configuration '" + fifo + u"': Not a regular file\n");

    for (const QStringList &arguments : {QStringList{list, QStringLiteral("--config")},
                                         QStringList{QStringLiteral("--config"), QString(), list},
                                         QStringList{QStringLiteral("--save-config"), QString()},
                                         QStringList{QStringLiteral("fehlt.tbx")}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        run = folder.run(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
    }
}

TEST(CliConfiguration, AFailedSaveChangesNothing)
{
    ConfigFolder folder;
    const QString kept = folder.path("behalten.tbx");
    ASSERT_EQ(folder.run(setting("PBED.act_name_ed=Alt") + QStringList{QStringLiteral("--save-config"), kept})
                  .exitCode,
              0);
    const QByteArray keptBefore = contentOf(kept);
    const QString output = makeFile(folder.path("alt.txt"), "vorher");
    const QString blocker = makeFile(folder.path("datei"), "d");
    const QStringList before = namesIn(folder.root.path());

    CliRun run = folder.run({QStringLiteral("--save-config"), blocker + QStringLiteral("/neu.tbx"),
                             QStringLiteral("-o"), output, list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("datei/neu.tbx")) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();

    // The configuration is larger than the files may grow.
    run = folder.run(setting("PBED.act_name_ed=Neu") + QStringList{QStringLiteral("--save-config"), kept,
                                                                   QStringLiteral("-o"), output, list},
                     {QStringLiteral("prlimit"), QStringLiteral("--fsize=64")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("behalten.tbx")) << run.err.constData();
    EXPECT_EQ(contentOf(kept), keptBefore);
    EXPECT_EQ(contentOf(output), "vorher");
    EXPECT_EQ(namesIn(folder.root.path()), before);
}

TEST(CliConfiguration, TheResetSpeaksTheLanguageOfTheRun)
{
    ConfigFolder folder;
    const QString english = folder.path("english.tbx");
    CliRun run = folder.run(setting("PBED.act_name_ed=X") + setting("PBRF.r0=04 Dateigröße") +
                            QStringList{QStringLiteral("--reset"), QStringLiteral("--lang"),
                                        QStringLiteral("en"), QStringLiteral("--save-config"), english});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
    QString text = utf16TextOf(english);
    EXPECT_TRUE(text.contains(u"[PBRF]\r\nr0=01 Filename\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\r\nact_name_ed=Name\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\r\nact_size_ed=File Size\r\n")) << text.toStdString();

    // A setting after the reset stays.
    const QString german = folder.path("deutsch.tbx");
    run = folder.run(QStringList{QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--reset")} +
                     setting("PBED.act_name_ed=X") + QStringList{QStringLiteral("--save-config"), german});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    text = utf16TextOf(german);
    EXPECT_TRUE(text.contains(u"[PBRF]\r\nr0=01 Dateiname\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\r\nact_name_ed=X\r\n")) << text.toStdString();
}

TEST(CliConfiguration, SettingOptionsApplyInTheOrderGiven)
{
    ConfigFolder folder;
    const QString file = makeFile(folder.path("hand.tbx"), utf16File(QString::fromUtf8(handWritten)));
    const QStringList config = {QStringLiteral("--config"), file};
    const QStringList name = setting("PBED.act_name_ed=Bezeichnung");
    const CliRun setFirst = folder.run(tableOptions + name + config + QStringList{list});
    const CliRun configFirst = folder.run(tableOptions + config + name + QStringList{list});
    EXPECT_EQ(setFirst.exitCode, 0) << setFirst.err.constData();
    EXPECT_EQ(configFirst.exitCode, 0) << configFirst.err.constData();
    EXPECT_FALSE(firstLine(setFirst.out).contains(u"Bezeichnung")) << setFirst.out.constData();
    EXPECT_TRUE(firstLine(configFirst.out).contains(u"Bezeichnung")) << configFirst.out.constData();

    const QStringList csv = {QStringLiteral("--format"), QStringLiteral("csv")};
    const QStringList text = setting("PBCB.out_format=Textdatei (*.txt)");
    EXPECT_EQ(folder.run(tableOptions + csv + text + QStringList{list}).out, expected("liste.txt"));
    EXPECT_EQ(folder.run(tableOptions + text + csv + QStringList{list}).out, expected("liste.csv"));
}

TEST(CliConfiguration, TheStartConfigurationIsReadOnlyWhenNamed)
{
    ConfigFolder folder;
    const QTemporaryDir home;
    const QString start =
        makeFile(home.filePath(QStringLiteral(".config/tabulix/Auto.tbx")),
                 utf16File(QStringLiteral("[PBED]\nact_name_ed=Automatisch\n[ES]\nOR=0\n")));
    const CliRun help = folder.runAt(home.path(), {QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(help.out).contains(start)) << help.out.constData();
    for (const char *option : {"--config FILE", "--reset", "--save-config FILE"})
        EXPECT_TRUE(help.out.contains(option)) << option;

    EXPECT_EQ(folder.runAt(home.path(), tableOptions + QStringList{list}).out, expected("liste.txt"));
    const CliRun named =
        folder.runAt(home.path(), tableOptions + QStringList{QStringLiteral("--config"), start, list});
    EXPECT_EQ(named.exitCode, 0) << named.err.constData();
    EXPECT_TRUE(firstLine(named.out).startsWith(u"Automatisch")) << named.out.constData();
}
