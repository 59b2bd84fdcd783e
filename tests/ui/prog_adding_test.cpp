#include "collect/file_adder.h"
#include "collect_test_support.h"
#include "common/message_catalogue.h"
#include "dialog_answers.h"
#include "program_fixture.h"
#include "ui/u_qulist.h"
#include "ui/u_sm_achtung.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_filter.h"
#include "ui/u_sm_meldung.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct AddingWindow : ProgramFixture {
    QLineEdit *folderField() const { return prog->findChild<QLineEdit *>(QStringLiteral("inp_ordner")); }
    QStringList names() const
    {
        QStringList result;
        for (const FileEntry &row : state.fileList.rows())
            result.append(row.name);
        return result;
    }
};

void drop(Tprog &prog, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    // A drop goes only to the widget that accepted the drag's entry, as in a real drag.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&prog, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropEvent(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&prog, &dropEvent);
    EXPECT_TRUE(dropEvent.isAccepted());
}

} // namespace

TEST(AddingWindow, EnterInTheFolderFieldWalksOrComplains)
{
    QTemporaryDir folder;
    makeFile(folder.filePath(QStringLiteral("a.txt")));
    makeFile(folder.filePath(QStringLiteral("sub/b.txt")));
    AddingWindow window;
    QLineEdit *field = window.folderField();

    // A path field takes every character a folder's name may hold.
    QTest::keyClicks(field, QStringLiteral("/a?b*c|d\"e<f>"));
    EXPECT_EQ(field->text(), QStringLiteral("/a?b*c|d\"e<f>"));

    QString shownTitle;
    answerNextDialog([&](QWidget *modal) {
        shownTitle = window.message.Label1->text();
        modal->close();
    });
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(shownTitle, messageTexts(QStringLiteral("ordnerfalschopen"), Language::German)->title);
    EXPECT_EQ(window.state.fileList.count(), 0);

    field->setText(folder.path());
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(window.names(), (QStringList{QStringLiteral("b.txt"), QStringLiteral("a.txt")}));
    EXPECT_EQ(window.countLabel(), QStringLiteral("2 Dateien"));
    EXPECT_TRUE(window.prog->isEnabled());
    EXPECT_FALSE(window.progress.isVisible());
    EXPECT_FALSE(window.state.okForAll);
}

TEST(AddingWindow, ProgressShowsAndTheWindowWaitsDuringAWalk)
{
    QTemporaryDir folder;
    for (int i = 0; i < 20; ++i)
        makeFile(folder.filePath(QStringLiteral("f%1").arg(i)));
    AddingWindow window;
    bool disabledMeanwhile = false, progressShown = false;
    QTimer::singleShot(0, [&] {
        disabledMeanwhile = !window.prog->isEnabled();
        progressShown = window.progress.isVisible();
        window.progress.Abbrechen->click();
    });
    window.prog->adder().addFolderFiles(folder.path());
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(progressShown);
    // The cancel came while searching; the analysis stops at its first file, or before it
    // when that file is not ready yet.
    EXPECT_LE(window.state.fileList.count(), 1);
    EXPECT_FALSE(window.progress.cancelRequested());
    EXPECT_TRUE(window.prog->isEnabled());
    EXPECT_FALSE(window.progress.isVisible());
}

TEST(AddingWindow, DroppedFoldersFollowTheSettingsMenu)
{
    QTemporaryDir folder;
    makeFile(folder.filePath(QStringLiteral("d/x.txt")), "abc");
    const QString file = makeFile(folder.filePath(QStringLiteral("y.txt")));
    AddingWindow window;
    window.prog->findChild<QAction *>(QStringLiteral("m_einst_ord"))->trigger();
    window.prog->findChild<QAction *>(QStringLiteral("m_einst_dat"))->trigger();
    EXPECT_TRUE(window.state.settings.isOn(MenuSwitch::AddFolderRows));
    EXPECT_FALSE(window.state.settings.isOn(MenuSwitch::AddFolderFiles));

    drop(*window.prog, {folder.filePath(QStringLiteral("d")), file, folder.filePath(QStringLiteral("gone"))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.state.fileList.count() == 1; }))
        << window.names().join(u' ').toStdString();
    EXPECT_EQ(window.state.fileList.at(0).cells[CellFormat], QStringLiteral("DIR"));
    EXPECT_EQ(window.countLabel(), QStringLiteral("1 Datei"));
    EXPECT_TRUE(window.prog->isEnabled());
}

TEST(AddingWindow, FolderAndOpenDialogsAddWhatWasChosenOnly)
{
    QTemporaryDir folder;
    makeFile(folder.filePath(QStringLiteral("chosen/c.txt")));
    const QString single = makeFile(folder.filePath(QStringLiteral("single.txt")));
    AddingWindow window;
    window.folderField()->setText(folder.path());

    // A cancelled folder dialog adds nothing, although the field names a folder.
    answerNextDialog([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
    window.control<QPushButton>("OpenOrdner")->click();
    EXPECT_EQ(window.state.fileList.count(), 0);
    EXPECT_EQ(window.folderField()->text(), folder.path());

    answerNextDialog([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Ordner Öffnen"));
        dialog->setDirectory(folder.filePath(QStringLiteral("chosen")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window.control<QPushButton>("OpenOrdner")->click();
    EXPECT_EQ(window.names(), QStringList{QStringLiteral("c.txt")});
    EXPECT_EQ(window.folderField()->text(), folder.filePath(QStringLiteral("chosen")));

    // A double-click on the list opens the dialog for files.
    window.prog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.prog));
    answerNextDialog([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Öffnen.."));
        // The dialog names types by a file's name and never reads one: reading a FIFO or
        // /proc/kmsg would never return.
        const QString odd = folder.filePath(QStringLiteral("odd"));
        QDir().mkpath(odd);
        ASSERT_EQ(mkfifo(QFile::encodeName(odd + QStringLiteral("/pipe")).constData(), 0600), 0);
        makeFile(odd + QStringLiteral("/notes"), "%PDF-1.4\n");
        dialog->setDirectory(odd);
        const auto *listing = dialog->findChild<QFileSystemModel *>();
        ASSERT_NE(listing, nullptr);
        const auto typeOf = [&](const char *name) {
            return listing->type(listing->index(odd + u'/' + QString::fromUtf8(name)));
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return !typeOf("pipe").isEmpty() && !typeOf("notes").isEmpty(); }));
        EXPECT_NE(typeOf("notes"),
                  QMimeDatabase().mimeTypeForName(QStringLiteral("application/pdf")).comment());
        // The name typed into the dialog's own field, as a user would.
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(single);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::mouseDClick(window.prog->list()->viewport(), Qt::LeftButton, {}, QPoint(20, 150));
    EXPECT_EQ(window.names(), (QStringList{QStringLiteral("c.txt"), QStringLiteral("single.txt")}));
    EXPECT_EQ(window.countLabel(), QStringLiteral("2 Dateien"));
}

TEST(AddingWindow, WatchedFolderFollowsCreatedRenamedAndDeletedFiles)
{
    QTemporaryDir folder;
    AddingWindow window;
    window.folderField()->setText(folder.path());
    QCheckBox *watch = window.prog->findChild<QCheckBox *>(QStringLiteral("inp_ow"));
    watch->click();
    EXPECT_TRUE(window.prog->adding().folderWatch().isActive());

    const QString created = makeFile(folder.filePath(QStringLiteral("new.txt")), "1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.names() == QStringList{QStringLiteral("new.txt")}; }))
        << window.names().join(u' ').toStdString();
    EXPECT_EQ(window.countLabel(), QStringLiteral("1 Datei"));

    const QString renamed = folder.filePath(QStringLiteral("renamed.txt"));
    QFile::rename(created, renamed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.names() == QStringList{QStringLiteral("renamed.txt")}; }))
        << window.names().join(u' ').toStdString();
    EXPECT_EQ(window.state.fileList.at(0).path(), renamed);

    QFile::remove(renamed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.state.fileList.count() == 0; }))
        << window.names().join(u' ').toStdString();

    watch->click();
    EXPECT_FALSE(window.prog->adding().folderWatch().isActive());
}
