// The pop-up menu of the file list with the desktop replaced by a recorder and no session bus.
#include "collect/file_adder.h"
#include "collect_test_support.h"
#include "dialog_answers.h"
#include "opened_urls.h"
#include "program_fixture.h"
#include "ui/u_qulist.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDBusConnection>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ListWithFiles : ProgramFixture {
    ListWithFiles()
    {
        for (const QString &name : {u"a b.txt"_s, u"ä.txt"_s, u"c.txt"_s, u"d.txt"_s})
            paths.append(makeFile(folder.filePath(name), "x"));
        for (const QString &path : std::as_const(paths))
            prog->adder().addPath(path);
    }
    Qulist *list() const { return prog->list(); }
    QMenu *popup() const { return prog->findChild<QMenu *>(u"popupqulist"_s); }
    QAction *item(const char *name) const { return popup()->findChild<QAction *>(QString::fromUtf8(name)); }
    void select(std::initializer_list<int> rows) const
    {
        list()->selectionModel()->clearSelection();
        for (const int row : rows)
            list()->selectionModel()->select(state.fileList.index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void rightClick() const
    {
        const QPoint at = list()->visualRect(state.fileList.index(0, 0)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list()->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list()->viewport(), &event);
    }
    QDialog *factsWindow() const
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == u"fileFacts" && window->isVisible())
                return qobject_cast<QDialog *>(window);
        return nullptr;
    }

    QTemporaryDir folder;
    QStringList paths;
    OpenedUrls opened;
};

} // namespace

TEST(ListPopup, OpensOnlyOverASelectionWithItsCaptions)
{
    ListWithFiles window;
    ASSERT_EQ(window.state.fileList.count(), 4);
    window.prog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.prog));

    window.select({});
    window.rightClick();
    EXPECT_FALSE(window.popup()->isVisible());

    window.select({1});
    window.rightClick();
    EXPECT_TRUE(window.popup()->isVisible());
    window.popup()->close();

    const QStringList german{u"Öffnen"_s, u"Übergeordneten Ordner öffnen"_s, u"Dateiinformationen anzeigen"_s,
                             u"Markierte Dateien in die Zwischenablage kopieren"_s,
                             u"Markierte Dateien aus der Liste löschen"_s};
    QStringList captions;
    for (const QAction *action : window.popup()->actions())
        captions.append(action->text());
    EXPECT_EQ(captions, german);
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(window.item("pop1")->text(), u"Open corresponding Folder"_s);
    EXPECT_EQ(window.item("pop4")->text(), u"Delete selected Files from List"_s);
}

TEST(ListPopup, OpenShowsThePathThenOpensAnExistingFile)
{
    ListWithFiles window;
    window.select({2, 1});
    QString shown;
    answerNextDialogOf<QMessageBox>([&shown](QMessageBox *box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    window.item("pop0")->trigger();
    // The first selected row in list order.
    EXPECT_EQ(shown, window.paths[1]);
    EXPECT_EQ(window.opened.urls, QList<QUrl>{QUrl::fromLocalFile(window.paths[1])});

    // A file gone since: the path still shows, nothing opens.
    QFile::remove(window.paths[2]);
    window.select({2});
    answerNextDialogOf<QMessageBox>([&shown](QMessageBox *box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    window.item("pop0")->trigger();
    EXPECT_EQ(shown, window.paths[2]);
    EXPECT_EQ(window.opened.urls.size(), 1);
}

TEST(ListPopup, WithoutASessionBusRevealAndPropertiesFallBack)
{
    ASSERT_FALSE(QDBusConnection::sessionBus().isConnected());
    ListWithFiles window;
    window.select({1});
    // The folder opens in place of the file manager's selection.
    window.item("pop1")->trigger();
    EXPECT_EQ(window.opened.urls, QList<QUrl>{QUrl::fromLocalFile(window.folder.path())});

    // The row's facts in place of the file manager's properties.
    window.item("pop2")->trigger();
    QDialog *facts = window.factsWindow();
    ASSERT_NE(facts, nullptr);
    EXPECT_EQ(facts->windowTitle(), u"ä.txt"_s);
    QStringList texts;
    for (const QLabel *label : facts->findChildren<QLabel *>())
        texts.append(label->text());
    EXPECT_TRUE(texts.contains(window.paths[1])) << texts.join(u" | ").toStdString();
    EXPECT_TRUE(texts.contains(u"Dateipfad"_s)) << texts.join(u" | ").toStdString();
    facts->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.factsWindow() == nullptr; }));

    // A file gone since does nothing.
    QFile::remove(window.paths[0]);
    window.select({0});
    window.item("pop1")->trigger();
    window.item("pop2")->trigger();
    EXPECT_EQ(window.opened.urls.size(), 1);
    EXPECT_EQ(window.factsWindow(), nullptr);
}

TEST(ListPopup, CopiesTheSelectedFilesForTheFileManagers)
{
    ListWithFiles window;
    QClipboard *clipboard = QGuiApplication::clipboard();
    window.select({3, 0, 1});
    window.item("pop3")->trigger();
    const QMimeData *data = clipboard->mimeData();
    ASSERT_NE(data, nullptr);
    const QString folder = window.folder.path();
    const QByteArray base = QUrl::fromLocalFile(folder).toEncoded();
    EXPECT_EQ(data->data(u"text/uri-list"_s),
              base + "/a%20b.txt\r\n" + base + "/%C3%A4.txt\r\n" + base + "/d.txt\r\n");
    EXPECT_EQ(data->data(u"x-special/gnome-copied-files"_s),
              "copy\n" + base + "/a%20b.txt\n" + base + "/%C3%A4.txt\n" + base + "/d.txt");
    EXPECT_EQ(data->data(u"application/x-kde-cutselection"_s), "0");
    EXPECT_EQ(data->text(), folder + u"/a b.txt\n"_s + folder + u"/ä.txt\n"_s + folder + u"/d.txt"_s);

    // One row whose file is gone leaves the clipboard alone; several go unchecked.
    clipboard->setText(u"before"_s);
    QFile::remove(window.paths[2]);
    window.select({2});
    window.item("pop3")->trigger();
    EXPECT_EQ(clipboard->text(), u"before"_s);
    window.select({2, 3});
    window.item("pop3")->trigger();
    EXPECT_EQ(clipboard->text(), window.paths[2] + u'\n' + window.paths[3]);
}

TEST(ListPopup, DeleteRemovesTheSelectedRows)
{
    ListWithFiles window;
    window.select({0, 2});
    window.item("pop4")->trigger();
    ASSERT_EQ(window.state.fileList.count(), 2);
    EXPECT_EQ(window.state.fileList.at(0).path(), window.paths[1]);
    EXPECT_EQ(window.state.fileList.at(1).path(), window.paths[3]);
    EXPECT_EQ(window.countLabel(), u"2 Dateien"_s);
}
