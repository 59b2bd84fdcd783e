// The entries on a user's desktop in temporary folders: what add writes, what status reads back,
// and that remove takes exactly that away again.
#include "common/tabulix_error.h"
#include "desktop_test_support.h"
#include "shell/chosen_types.h"
#include "shell/shell_kinds.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QByteArray userActions = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<actions>\n"
                               "<action>\n"
                               "\t<icon>utilities-terminal</icon>\n"
                               "\t<name>Terminal hier öffnen</name>\n"
                               "\t<unique-id>1700000000-1</unique-id>\n"
                               "\t<command>exo-open --launch TerminalEmulator %f</command>\n"
                               "\t<patterns>*</patterns>\n"
                               "\t<directories/>\n"
                               "</action>\n"
                               "</actions>\n";
const QByteArray userDefaults = "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                                "[Default Applications]\nimage/png=eog.desktop;\n";

const ShellKind kindsWithStatus[] = {ShellKind::Configuration, ShellKind::SendTo, ShellKind::Folders,
                                     ShellKind::AllFiles};

struct ToolRun {
    int exitCode = -1;
    QString output;
};

ToolRun runTool(const TemporaryDesktop &desktop, const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(desktop.environment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAll()).trimmed()};
}

} // namespace

TEST(DesktopIntegration, AddMakesEachKindActiveAndRemoveLeavesOnlyTheUsersFiles)
{
    TemporaryDesktop desktop;
    writeTestFile(desktop.config() + QStringLiteral("/Thunar/uca.xml"), userActions);
    writeTestFile(desktop.config() + QStringLiteral("/mimeapps.list"), userDefaults);
    const auto before = desktop.files();
    ShellIntegration shell = desktop.shell();
    for (const ShellKind kind : allShellKinds) {
        SCOPED_TRACE(shellKindName(kind).toStdString());
        EXPECT_FALSE(shell.isActive(kind));
        shell.add(kind, Language::German, QStringLiteral("mp3,doc,txt"));
        EXPECT_EQ(shell.isActive(kind), hasStatus(kind));
    }
    // Every kind writes its own files; the user's lines stay among ours.
    EXPECT_TRUE(QFileInfo(shell.mimePackagePath()).isFile());
    EXPECT_TRUE(QFileInfo(shell.contextEntryPaths(ShellKind::ChosenTypes).first()).isFile());
    EXPECT_TRUE(QFileInfo(shell.sendToPaths()[1]).isExecutable());
    const QByteArray actions = readTestFile(shell.thunarActionsPath());
    EXPECT_TRUE(actions.contains("<unique-id>1700000000-1</unique-id>"));
    EXPECT_EQ(actions.count("<action>"), 4);
    const QByteArray defaults = readTestFile(shell.mimeappsListPath());
    EXPECT_TRUE(defaults.contains("text/plain=gedit.desktop;\n"));
    EXPECT_TRUE(defaults.contains("[Default Applications]\napplication/x-tabulix-configuration="
                                  "tabulix-configuration.desktop;\nimage/png=eog.desktop;\n"));

    for (const ShellKind kind : allShellKinds) {
        SCOPED_TRACE(shellKindName(kind).toStdString());
        shell.remove(kind);
        EXPECT_FALSE(shell.isActive(kind));
        shell.remove(kind); // removing what is not there does nothing
    }
    EXPECT_EQ(desktop.files(), before);
}

TEST(DesktopIntegration, UsersFilesThatAreNotUtf8AreLeftAsTheyAre)
{
    TemporaryDesktop desktop;
    ShellIntegration shell = desktop.shell();
    const QByteArray latin1Defaults = "[Default Applications]\n# Gr\xfc\xdf"
                                      "e\n";
    const QByteArray latin1Actions = "<actions>\n<!-- \xe4 -->\n</actions>\n";
    writeTestFile(shell.mimeappsListPath(), latin1Defaults);
    writeTestFile(shell.thunarActionsPath(), latin1Actions);
    for (const ShellKind kind : {ShellKind::Configuration, ShellKind::Folders}) {
        EXPECT_THROW(shell.add(kind, Language::German), TabulixError);
        EXPECT_THROW(shell.remove(kind), TabulixError);
    }
    EXPECT_EQ(readTestFile(shell.mimeappsListPath()), latin1Defaults);
    EXPECT_EQ(readTestFile(shell.thunarActionsPath()), latin1Actions);
}

TEST(DesktopIntegration, AMovedProgramShowsItsEntriesAsNotActiveButSendTo)
{
    TemporaryDesktop desktop;
    ShellIntegration shell = desktop.shell();
    for (const ShellKind kind : kindsWithStatus)
        shell.add(kind, Language::English);
    const ShellIntegration moved(desktop.folders(),
                                 desktop.root.filePath(QStringLiteral("anderswo/tabulix")));
    EXPECT_FALSE(moved.isActive(ShellKind::Configuration));
    EXPECT_TRUE(moved.isActive(ShellKind::SendTo));
    EXPECT_FALSE(moved.isActive(ShellKind::Folders));
    EXPECT_FALSE(moved.isActive(ShellKind::AllFiles));
    // One file missing is enough to be not active.
    QFile::remove(shell.contextEntryPaths(ShellKind::Folders)[1]);
    EXPECT_FALSE(shell.isActive(ShellKind::Folders));
    EXPECT_TRUE(shell.isActive(ShellKind::AllFiles));
    QFile::remove(shell.sendToPaths().last());
    EXPECT_FALSE(shell.isActive(ShellKind::SendTo));
}

TEST(DesktopIntegration, ChosenTypesGetEntriesForUsableExtensionsOnly)
{
    TemporaryDesktop desktop;
    ShellIntegration shell = desktop.shell();
    shell.add(ShellKind::ChosenTypes, Language::German, QStringLiteral("mp3, .doc, tar.gz, x y, ."));
    const QStringList paths = shell.contextEntryPaths(ShellKind::ChosenTypes);
    const QByteArray dolphin = readTestFile(paths[0]);
    EXPECT_TRUE(dolphin.contains("audio/mpeg;")) << dolphin.constData();
    EXPECT_TRUE(dolphin.contains("application/msword;")) << dolphin.constData();
    EXPECT_FALSE(dolphin.contains("gzip")) << dolphin.constData();
    EXPECT_TRUE(readTestFile(paths[1]).contains("\nExtensions=mp3;doc;\n"));
    EXPECT_EQ(readTestFile(paths[2]).count("MimeTypes="), 1);
    const QByteArray actions = readTestFile(shell.thunarActionsPath());
    EXPECT_TRUE(actions.contains("<patterns>*.mp3;*.doc</patterns>")) << actions.constData();
    EXPECT_TRUE(actions.contains("<name>Zum Tabulix hinzufügen</name>"));

    // Nothing usable is refused and writes nothing; remove takes every entry of the kind away.
    EXPECT_THROW(shell.add(ShellKind::ChosenTypes, Language::English, QStringLiteral("tar.gz, ., x y")),
                 TabulixError);
    EXPECT_TRUE(readTestFile(shell.thunarActionsPath()).contains("<name>Zum Tabulix hinzufügen</name>"));
    shell.remove(ShellKind::ChosenTypes);
    for (const QString &path : paths)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_FALSE(QFileInfo::exists(shell.thunarActionsPath()));
}

TEST(DesktopIntegration, RegisteringInGermanThenEnglishLeavesOneEntryWithTheEnglishText)
{
    TemporaryDesktop desktop;
    ShellIntegration shell = desktop.shell();
    for (const Language language : {Language::German, Language::English}) {
        shell.add(ShellKind::Folders, language);
        shell.add(ShellKind::Configuration, language);
    }
    const QByteArray actions = readTestFile(shell.thunarActionsPath());
    EXPECT_EQ(actions.count("<action>"), 1);
    EXPECT_TRUE(actions.contains("<name>Add to Tabulix</name>"));
    for (const QString &path : shell.contextEntryPaths(ShellKind::Folders)) {
        const QByteArray entry = readTestFile(path);
        EXPECT_TRUE(entry.contains("\nName=Add to Tabulix\n")) << path.toStdString();
        EXPECT_FALSE(entry.contains("hinzufügen")) << path.toStdString();
    }
    const QByteArray package = readTestFile(shell.mimePackagePath());
    EXPECT_TRUE(package.contains("<comment>QWM Tabulix Configuration</comment>"));
    EXPECT_EQ(readTestFile(shell.mimeappsListPath()).count("application/x-tabulix-configuration="), 1);
    EXPECT_TRUE(shell.isActive(ShellKind::Configuration));
}

TEST(DesktopIntegration, TheDesktopsOwnToolsAgreeWithWhatWasWritten)
{
    const QStringList tools = {QStringLiteral("gio"), QStringLiteral("xdg-mime"),
                               QStringLiteral("desktop-file-validate"),
                               QStringLiteral("update-mime-database")};
    for (const QString &tool : tools)
        ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << "missing tool " << tool.toStdString();
    TemporaryDesktop desktop;
    ShellIntegration shell = desktop.shell();
    for (const ShellKind kind : allShellKinds)
        shell.add(kind, Language::German, QStringLiteral("mp3"));

    const QString list = desktop.root.filePath(QStringLiteral("Liste.tbx"));
    writeTestFile(list, "[PB]\n");
    const ToolRun type = runTool(
        desktop, QStringLiteral("gio"),
        {QStringLiteral("info"), QStringLiteral("-a"), QStringLiteral("standard::content-type"), list});
    EXPECT_TRUE(
        type.output.endsWith(QStringLiteral("standard::content-type: application/x-tabulix-configuration")))
        << type.output.toStdString();
    const ToolRun xdg = runTool(desktop, QStringLiteral("xdg-mime"),
                                {QStringLiteral("query"), QStringLiteral("default"),
                                 QStringLiteral("application/x-tabulix-configuration")});
    EXPECT_EQ(xdg.output, QStringLiteral("tabulix-configuration.desktop"));
    const ToolRun gio =
        runTool(desktop, QStringLiteral("gio"),
                {QStringLiteral("mime"), QStringLiteral("application/x-tabulix-configuration")});
    EXPECT_TRUE(gio.output.contains(QStringLiteral(": tabulix-configuration.desktop\n")))
        << gio.output.toStdString();

    for (const QString &entry : {shell.configurationEntryPath(), shell.sendToPaths().first()}) {
        const ToolRun validation = runTool(desktop, QStringLiteral("desktop-file-validate"), {entry});
        EXPECT_EQ(validation.exitCode, 0) << entry.toStdString() << ": " << validation.output.toStdString();
        EXPECT_EQ(validation.output, QString()) << entry.toStdString();
    }
}
