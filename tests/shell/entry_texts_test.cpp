// The texts the desktop entries are made of: the command line in its quoted form, the start
// script, the user's mimeapps.list and Thunar's action file, and the chosen types.
#include "common/tabulix_error.h"
#include "desktop_test_support.h"
#include "shell/chosen_types.h"
#include "shell/entry_command.h"
#include "shell/mimeapps_list.h"
#include "shell/thunar_actions.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

// A program that writes its arguments, one a line, into the file "arguments" beside it.
QString argumentRecorder(const QTemporaryDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    writeTestFile(
        path,
        "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/arguments\"\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(EntryTexts, TheCommandStartsTheProgramWhateverItsPathHolds)
{
    EXPECT_EQ(entryCommand(QStringLiteral("/opt/tabulix/tabulix")),
              QStringLiteral("\"/opt/tabulix/tabulix\" %F"));
    EXPECT_EQ(entryCommand(QStringLiteral("/a \"b\" $c `d` \\e 100%/tabulix")),
              QStringLiteral("\"/a \\\"b\\\" \\$c \\`d\\` \\\\e 100%%/tabulix\" %F"));
    EXPECT_THROW(entryCommand(QStringLiteral("tabulix")), TabulixError);
    EXPECT_THROW(entryCommand(QStringLiteral("/a\nb/tabulix")), TabulixError);
    EXPECT_THROW(startScript(QStringLiteral("/a\tb/tabulix")), TabulixError);

    // The shell reads the quoted path back as the program, and the script passes its
    // arguments on unchanged.
    QTemporaryDir folder;
    const QString program = argumentRecorder(folder, QStringLiteral("it's \"$HOME\" `x` 50% \\ tabulix"));
    QString command = entryCommand(program);
    command.chop(3);
    command.replace(QStringLiteral("%%"), QStringLiteral("%"));
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command + QStringLiteral(" 'eins zwei'")});
    ASSERT_TRUE(shell.waitForFinished(10000));
    EXPECT_EQ(readTestFile(folder.filePath(QStringLiteral("arguments"))), "eins zwei\n");

    const QString script = folder.filePath(QStringLiteral("script"));
    writeTestFile(script, startScript(program).toUtf8());
    QProcess run;
    run.start(QStringLiteral("/bin/sh"),
              {script, QStringLiteral("a b"), QStringLiteral("'c'"), QStringLiteral("$d")});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(readTestFile(folder.filePath(QStringLiteral("arguments"))), "a b\n'c'\n$d\n");
}

TEST(EntryTexts, KeyFileValuesAreFoundInTheirGroupAndUnescaped)
{
    const QString text =
        QStringLiteral("[Desktop Entry]\nExec=first\n\n[Other]\n Exec = \"/a\\\\b\" %F \nName=x=y\n");
    EXPECT_EQ(keyFileEntry(text, QStringLiteral("Other"), QStringLiteral("Exec")),
              QStringLiteral("\"/a\\b\" %F"));
    EXPECT_EQ(keyFileEntry(text, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")),
              QStringLiteral("first"));
    EXPECT_EQ(keyFileEntry(text, QStringLiteral("Other"), QStringLiteral("Name")), QStringLiteral("x=y"));
    EXPECT_EQ(keyFileEntry(text, QStringLiteral("Missing"), QStringLiteral("Exec")), QString());
    const QString value = QStringLiteral("\"/a\\\\b\\\"\" %F");
    EXPECT_EQ(keyFileEntry(QStringLiteral("[G]\nK=") + keyFileEscaped(value), QStringLiteral("G"),
                           QStringLiteral("K")),
              value);
}

TEST(EntryTexts, TheDefaultApplicationLineComesAndGoesAloneInTheUsersList)
{
    const QString type = QStringLiteral("application/x-tabulix-configuration");
    const QString id = QStringLiteral("tabulix-configuration.desktop");
    const QString ours = type + QStringLiteral("=tabulix-configuration.desktop;");
    EXPECT_EQ(withDefaultApplication(QString(), type, id),
              QStringLiteral("[Default Applications]\n") + ours + u'\n');

    const QStringList userLists = {
        QStringLiteral("[Added Associations]\ntext/plain=a.desktop;\n"),
        QStringLiteral("[Default Applications]\nimage/png=b.desktop;\n\n[Added Associations]\nx/y=c;\n"),
        QStringLiteral("# note\n[Default Applications]\r\nimage/png=b.desktop;\r\n"),
        QStringLiteral("[Added Associations]\ntext/plain=a.desktop;"), // no final line break
        QStringLiteral("[Added Associations]\ntext/plain=a.desktop;\n\n"),
        QStringLiteral("[Default Applications]\n\n[Added Associations]\nx/y=c;\n"),
    };
    for (const QString &list : userLists) {
        SCOPED_TRACE(list.toStdString());
        const QString added = withDefaultApplication(list, type, id);
        EXPECT_EQ(added.count(ours), 1);
        EXPECT_EQ(withDefaultApplication(added, type, id), added);
        QString back = withoutDefaultApplication(added, type, id);
        if (!list.endsWith(u'\n'))
            back.chop(1);
        EXPECT_EQ(back, list);
    }
    // The user's own choice for the type is replaced by add, but never removed.
    const QString chosen =
        QStringLiteral("[Default Applications]\n") + type + QStringLiteral("=editor.desktop;\n");
    EXPECT_EQ(withDefaultApplication(chosen, type, id),
              QStringLiteral("[Default Applications]\n") + ours + u'\n');
    EXPECT_EQ(withoutDefaultApplication(chosen, type, id), chosen);
}

TEST(EntryTexts, ThunarActionsOfOursAreReplacedAndRemovedWithoutTouchingTheUsers)
{
    const QString user = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n"
                                        "<action>\n\t<name>Eigene</name>\n\t<unique-id>1-1</unique-id>\n"
                                        "\t<command>echo %f</command>\n</action>\n</actions>\n");
    const ThunarAction action{QStringLiteral("QWMtabulix-folders"), QStringLiteral("A & <B>"),
                              QStringLiteral("\"/x & y/tabulix\" %F"),
                              QStringLiteral("<patterns>*</patterns>")};
    const QString added = withThunarAction(user, action);
    EXPECT_EQ(thunarActionCommand(added, action.uniqueId), action.command);
    EXPECT_TRUE(added.contains(QStringLiteral("<name>A &amp; &lt;B&gt;</name>")));
    ThunarAction renamed = action;
    renamed.name = QStringLiteral("Add to Tabulix");
    const QString again = withThunarAction(added, renamed);
    EXPECT_EQ(again.count(QStringLiteral("<action>")), 2);
    EXPECT_TRUE(again.contains(QStringLiteral("<name>Add to Tabulix</name>")));
    EXPECT_EQ(withoutThunarAction(again, action.uniqueId), user);
    EXPECT_EQ(thunarActionCommand(user, action.uniqueId), QString());
    EXPECT_EQ(withoutThunarAction(user, action.uniqueId), user);

    // A file on one line or indented, and one that is no action list.
    for (const QString &compact :
         {QStringLiteral("<actions><action><unique-id>1-1</unique-id></action></actions>"),
          QStringLiteral("<actions>\n  <action/>\n  </actions>")})
        EXPECT_EQ(withoutThunarAction(withThunarAction(compact, action), action.uniqueId), compact);
    EXPECT_THROW(withThunarAction(QStringLiteral("<foo/>"), action), TabulixError);
    EXPECT_EQ(withoutThunarAction(withThunarAction(QString(), action), action.uniqueId),
              emptyThunarActions());
}

TEST(EntryTexts, ChosenTypesFollowTheRulesOfTheSetting)
{
    EXPECT_EQ(chosenExtensions(QStringLiteral("mp3, .doc, tar.gz, x y, .")),
              (QStringList{QStringLiteral(".mp3"), QStringLiteral(".doc")}));
    EXPECT_EQ(chosenExtensions(QStringLiteral("\t.TXT\n,,  ,a/b,.c:d,.e*,jpg")),
              (QStringList{QStringLiteral(".TXT"), QStringLiteral(".jpg")}));
    EXPECT_EQ(chosenExtensions(QString()), QStringList());
    EXPECT_TRUE(mimeTypesOfExtension(QStringLiteral(".mp3")).contains(QStringLiteral("audio/mpeg")));
    EXPECT_TRUE(mimeTypesOfExtension(QStringLiteral(".keine-art-kennt-das")).isEmpty());
}
