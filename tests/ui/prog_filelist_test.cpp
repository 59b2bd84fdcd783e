#include "collect/file_adder.h"
#include "collect_test_support.h"
#include "dialog_answers.h"
#include "program_fixture.h"
#include "text_list.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include "ui/lines_view.h"
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FileListWindow : ProgramFixture {
    void trigger(const char *item) const { prog->findChild<QAction *>(QString::fromUtf8(item))->trigger(); }
    QStringList paths() const
    {
        QStringList result;
        for (const FileEntry &row : state.fileList.rows())
            result.append(row.path());
        return result;
    }
};

// Types the name into the named file dialog and accepts it, as a user would.
void chooseInDialog(const char *dialogName, const QString &name)
{
    answerNextDialogOf<QFileDialog>([dialogName, name](QFileDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), QString::fromUtf8(dialogName));
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Text (*.txt)")});
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

// Closes the next message box and returns its text through the pointer.
void closeMessageBox(QString *text)
{
    answerNextDialogOf<QMessageBox>([text](QMessageBox *box) {
        *text = box->text();
        box->close();
    });
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

TEST(FileListWindow, ItemsFollowTheFirstSeparatorOfTheFileMenu)
{
    FileListWindow window;
    QStringList names;
    for (const QAction *action : window.prog->findChild<QMenu *>(QStringLiteral("m_datei"))->actions())
        names.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(names.mid(0, 6), textList({"m_datei_open", "m_datei_ordner", "-", "m_dateiliste_save",
                                         "m_dateiliste_open", "m_datei_delall"}));
    EXPECT_EQ(window.prog->findChild<QAction *>(QStringLiteral("m_dateiliste_open"))->text(),
              QStringLiteral("Liste mit Dateien öffnen.."));
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(window.prog->findChild<QAction *>(QStringLiteral("m_dateiliste_save"))->text(),
              QStringLiteral("Save List with Files.."));
}

TEST(FileListWindow, SavedListReadsBackWithoutItsFolderRows)
{
    QTemporaryDir folder;
    const QString first = makeFile(folder.filePath(QStringLiteral("a.txt")), "a");
    const QString second = makeFile(folder.filePath(QStringLiteral("Übersicht.png")), "b");
    const QString subfolder = folder.filePath(QStringLiteral("sub"));
    QDir().mkpath(subfolder);
    FileListWindow window;
    window.prog->adder().addChosenFiles({first});
    window.prog->adder().addFolderRow(subfolder);
    window.prog->adder().addChosenFiles({second});

    // The dialog adds ".txt" to a name typed without it.
    chooseInDialog("sd_dateiliste", folder.filePath(QStringLiteral("liste")));
    window.trigger("m_dateiliste_save");
    const QString list = folder.filePath(QStringLiteral("liste.txt"));
    EXPECT_EQ(contentOf(list),
              "\xEF\xBB\xBF" + (QStringList{first, subfolder, second}.join(u"\r\n") + u"\r\n").toUtf8());

    window.control<QPushButton>("inp_deleteall")->click();
    chooseInDialog("od_dateiliste", list);
    window.trigger("m_dateiliste_open");
    EXPECT_EQ(window.paths(), (QStringList{first, second}));
    EXPECT_EQ(window.countLabel(), QStringLiteral("2 Dateien"));
    // The preview shows the listed files, as after every other change of the rows.
    auto *preview = window.prog->findChild<LinesView *>(QStringLiteral("vor_txt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->toPlainText().contains(u"Übersicht.png"); }));
}

TEST(FileListWindow, EmptyListShowsTheMessageAndWritesNothing)
{
    QTemporaryDir folder;
    const QString kept = makeFile(folder.filePath(QStringLiteral("kept.txt")), "old list");
    FileListWindow window;
    QString shown;
    chooseInDialog("sd_dateiliste", kept);
    closeMessageBox(&shown);
    window.trigger("m_dateiliste_save");
    EXPECT_EQ(shown, QStringLiteral("Keine Dateien zum Speichern in der Dateiliste."));
    EXPECT_EQ(contentOf(kept), "old list");

    window.state.settings.setLanguage(Language::English);
    chooseInDialog("sd_dateiliste", kept);
    closeMessageBox(&shown);
    window.trigger("m_dateiliste_save");
    EXPECT_EQ(shown, QStringLiteral("There are no files to store in your file list."));
}

TEST(FileListWindow, ListThatIsNoUtf7AddsNothingAndShowsTheError)
{
    QTemporaryDir folder;
    const QString file = makeFile(folder.filePath(QStringLiteral("a.txt")), "a");
    const QString list =
        makeFile(folder.filePath(QStringLiteral("utf7.txt")), "+/v8-" + file.toUtf8() + "\xFF\r\n");
    FileListWindow window;
    QString shown;
    chooseInDialog("od_dateiliste", list);
    closeMessageBox(&shown);
    window.trigger("m_dateiliste_open");
    EXPECT_EQ(shown, QStringLiteral("Invalid UTF7."));
    EXPECT_TRUE(window.paths().isEmpty());
}
