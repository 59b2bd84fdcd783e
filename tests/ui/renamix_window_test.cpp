#include "collect_test_support.h"
#include "dialog_answers.h"
#include "program_fixture.h"
#include "text_list.h"
#include "ui/dialog_placement.h"
#include "ui/u_renamix.h"
#include "ui/u_renamix_filter.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// The program's windows with the renaming tool handed to the main window, and a folder of files.
struct RenamixWindow : ProgramFixture {
    RenamixWindow() : root(folder.path()) {}
    template <typename T = QWidget> T *part(const char *name) const
    {
        auto *control = renamix.findChild<T *>(QString::fromUtf8(name));
        EXPECT_TRUE(control) << name;
        return control;
    }
    QString file(const char *name)
    {
        return makeFile(root + u'/' + QString::fromUtf8(name), QByteArray(name));
    }
    QStringList column(int column) const
    {
        const QAbstractItemModel *list = part<QTreeView>("qulist")->model();
        QStringList cells;
        for (int row = 0; row < list->rowCount(); ++row)
            cells.append(list->data(list->index(row, column)).toString());
        return cells;
    }
    QString mask() const { return state.settings.value(SettingsWindow::DU, QStringLiteral("maske")); }
    void setMask(const QString &text)
    {
        state.settings.setValue(SettingsWindow::DU, QStringLiteral("maske"), text);
    }

    TRenamix &renamix = program.renamer();
    QTemporaryDir folder;
    QString root;
};

} // namespace

TEST(RenamixWindow, PlaceholdersGoToTheCaretAndRefusedCharactersStayOut)
{
    RenamixWindow window;
    window.renamix.show();
    auto *field = window.part<QComboBox>("maske")->lineEdit();
    window.setMask(QStringLiteral("ab"));
    field->setCursorPosition(1);
    QTest::mouseClick(window.part<QLabel>("konstante1"), Qt::LeftButton);
    EXPECT_EQ(window.mask(), QStringLiteral("a%num%b"));
    EXPECT_EQ(field->cursorPosition(), 6);
    // A selection is replaced.
    field->setSelection(0, 1);
    QTest::mouseClick(window.part<QLabel>("konstante0"), Qt::LeftButton);
    EXPECT_EQ(window.mask(), QStringLiteral("%name%%num%b"));
    EXPECT_EQ(field->cursorPosition(), 6);

    // Keys go to the combo boxes themselves, as a keyboard sends them. A name part refuses
    // only "/"; characters beyond ASCII are not checked.
    field->setCursorPosition(field->text().size());
    auto *maskBox = window.part<QComboBox>("maske");
    QTest::keyClicks(maskBox, QStringLiteral("x/y:z*\"?"));
    QTest::sendKeyEvent(QTest::Click, maskBox, Qt::Key_unknown, QStringLiteral("ä"), Qt::NoModifier);
    EXPECT_EQ(window.mask(), QStringLiteral("%name%%num%bxy:z*\"?ä"));
    auto *numbers = window.part<QComboBox>("numstart");
    numbers->lineEdit()->clear();
    QTest::keyClicks(numbers, QStringLiteral("x9a-2 "));
    EXPECT_EQ(window.state.settings.value(SettingsWindow::DU, QStringLiteral("numstart")),
              QStringLiteral("92"));
    window.state.settings.setOn(SettingsWindow::DU, QStringLiteral("suchenersetzen"), true);
    auto *replacement = window.part<QLineEdit>("suchenneu");
    QTest::keyClicks(replacement, QStringLiteral("a/b?"));
    EXPECT_EQ(replacement->text(), QStringLiteral("ab?"));
    auto *search = window.part<QLineEdit>("suchenalt");
    QTest::keyClicks(search, QStringLiteral("a/b"));
    EXPECT_EQ(search->text(), QStringLiteral("a/b"));

    // A folder is typed as it is named, and Enter lists it.
    const QString folder = window.root + QStringLiteral("/Was?: \"x\"");
    window.file("Was?: \"x\"/inside.txt");
    auto *folderField = window.part<QLineEdit>("quordner");
    folderField->clear();
    QTest::keyClicks(folderField, folder);
    EXPECT_EQ(folderField->text(), folder);
    QTest::keyClick(folderField, Qt::Key_Return);
    EXPECT_EQ(window.column(RenameNameColumn), textList({"inside"}));
}

TEST(RenamixWindow, TheNewNameColumnAndThePreviewFollowTheMaskLive)
{
    RenamixWindow window;
    for (const char *name : {"b.txt", "a.jpg", "c.txt"})
        window.renamix.tool().addFile(window.file(name));
    EXPECT_EQ(window.column(RenameNewNameColumn), textList({"a.jpg", "b.txt", "c.txt"}));
    window.setMask(QStringLiteral("%name%_%num%"));
    EXPECT_EQ(window.column(RenameNewNameColumn), textList({"a_1.jpg", "b_2.txt", "c_3.txt"}));
    // A click on an entry previews it; the preview follows later changes of the mask.
    auto *list = window.part<QTreeView>("qulist");
    window.renamix.show();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    EXPECT_EQ(window.part<QLabel>("alterName")->text(), QStringLiteral("b.txt"));
    EXPECT_EQ(window.part<QLabel>("neuerName")->text(), QStringLiteral("b_2.txt"));
    EXPECT_EQ(window.part<QLabel>("neuerName")->toolTip(), window.root + QStringLiteral("/b_2.txt"));
    window.setMask(QStringLiteral("%0num%"));
    EXPECT_EQ(window.part<QLabel>("neuerName")->text(), QStringLiteral("2.txt"));
    // Sorting by the new name's column, in the other language's header.
    window.chooseLanguage(Language::English);
    EXPECT_EQ(list->model()->headerData(RenameNewNameColumn, Qt::Horizontal).toString(),
              QStringLiteral("New Name"));
    EXPECT_EQ(window.part<QPushButton>("Umbenennen")->text(), QStringLiteral("Rename"));
    EXPECT_EQ(window.renamix.windowTitle(), QStringLiteral("Renamix - Quellwerk"));
    // Delete removes the selected entry; the count line tells the rest.
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(window.column(RenameNameColumn), textList({"a", "c"}));
    EXPECT_EQ(window.part<QLabel>("anzahl")->text(), QStringLiteral("2 files loaded"));
}

TEST(RenamixWindow, RenamingShowsItsCountsAndCanBeUndone)
{
    RenamixWindow window;
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt"})
        window.renamix.tool().addFile(window.file(name));
    makeFile(window.root + QStringLiteral("/2.txt"), "in the way");
    window.setMask(QStringLiteral("%num%"));
    window.renamix.show();
    EXPECT_FALSE(window.part<QPushButton>("Rueckgaengig")->isEnabled());
    QTest::mouseClick(window.part<QPushButton>("Umbenennen"), Qt::LeftButton);
    EXPECT_EQ(window.part<QStatusBar>("StatusBar1")->currentMessage(),
              QStringLiteral("3 Dateien umbenannt (1 Dateien konnten nicht umbenannt werden)"));
    EXPECT_TRUE(window.renamix.isEnabled());
    EXPECT_EQ(QDir(window.root).entryList(QDir::Files, QDir::Name),
              textList({"1.txt", "2.txt", "3.txt", "4.txt", "b.txt"}));
    QTest::mouseClick(window.part<QPushButton>("Rueckgaengig"), Qt::LeftButton);
    EXPECT_EQ(QDir(window.root).entryList(QDir::Files, QDir::Name),
              textList({"2.txt", "a.txt", "b.txt", "c.txt", "d.txt"}));
    EXPECT_EQ(window.part<QStatusBar>("StatusBar1")->currentMessage(),
              QStringLiteral("3 Dateien zurückbenannt"));
    EXPECT_FALSE(window.part<QPushButton>("Rueckgaengig")->isEnabled());
}

TEST(RenamixWindow, TheListSurvivesClosingAndReopening)
{
    RenamixWindow window;
    QAction *item = window.action("m_tools_dateiumb");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    ASSERT_TRUE(window.renamix.isVisible());
    EXPECT_FALSE(window.renamix.isModal());
    window.renamix.tool().addFile(window.file("a.txt"));
    window.renamix.tool().setPreviewedPath(window.root + QStringLiteral("/a.txt"));
    window.renamix.close();
    EXPECT_FALSE(window.renamix.isVisible());
    item->trigger();
    EXPECT_TRUE(window.renamix.isVisible());
    EXPECT_EQ(window.column(RenameNameColumn), textList({"a"}));
    EXPECT_EQ(window.renamix.tool().previewedPath(), window.root + QStringLiteral("/a.txt"));
}

TEST(RenamixWindow, FilterWindowIsCentredOverTheToolAndEnablesItsField)
{
    RenamixWindow window;
    window.renamix.show();
    window.renamix.move(100, 80);
    TRenamix_filter &filter = window.renamix.filterWindow();
    EXPECT_FALSE(filter.filter->isEnabled());
    QPoint shownAt;
    bool fieldEnabled = false;
    answerNextDialogOf<TRenamix_filter>([&](TRenamix_filter *shown) {
        shownAt = shown->pos();
        QTest::mouseClick(shown->auswahl, Qt::LeftButton, {}, QPoint(6, shown->auswahl->height() / 2));
        fieldEnabled = shown->filter->isEnabled();
        QTest::mouseClick(shown->findChild<QPushButton *>(QStringLiteral("OK")), Qt::LeftButton);
    });
    window.renamix.findChild<QPushButton *>(QStringLiteral("FilterButton"))->click();
    EXPECT_EQ(shownAt, placeOver(window.renamix.pos(), window.renamix.size(), filter.size()));
    EXPECT_TRUE(fieldEnabled);
    EXPECT_TRUE(window.state.settings.isOn(SettingsWindow::DF, QStringLiteral("auswahl")));
    EXPECT_FALSE(window.state.settings.isOn(SettingsWindow::DF, QStringLiteral("alle")));
}

TEST(RenamixWindow, AFileAlreadyListedRaisesItsMessage)
{
    RenamixWindow window;
    const QString path = window.file("a.txt");
    window.renamix.tool().addFile(path);
    QString shownPath;
    answerNextDialogOf<Tsm_meldung>([&](Tsm_meldung *message) {
        shownPath = message->Label3->text();
        message->OK->click();
    });
    window.renamix.tool().addFile(path);
    EXPECT_TRUE(shownPath.contains(QStringLiteral("a.txt"))) << shownPath.toStdString();
    EXPECT_EQ(window.column(RenameNameColumn), textList({"a"}));
}

TEST(RenamixWindow, PopUpCopiesPathsAsTheyAreAndTheFolderFieldChecksItsText)
{
    RenamixWindow window;
    for (const char *name : {"a.txt", "b.txt"})
        window.renamix.tool().addFile(window.file(name));
    auto *list = window.part<QTreeView>("qulist");
    list->selectAll();
    window.part<QAction>("pop3")->trigger();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->urls(), (QList<QUrl>{QUrl::fromLocalFile(window.root + QStringLiteral("/a.txt")),
                                         QUrl::fromLocalFile(window.root + QStringLiteral("/b.txt"))}));
    // Delete from the list through the menu.
    list->selectionModel()->select(list->model()->index(0, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    window.part<QAction>("pop4")->trigger();
    EXPECT_EQ(window.column(RenameNameColumn), textList({"b"}));

    // Enter in the folder field: a folder is added, anything else raises "ordnerfalschopen".
    auto *folderField = window.part<QLineEdit>("quordner");
    folderField->setText(window.root + QStringLiteral("/nothing"));
    QString title;
    answerNextDialogOf<Tsm_meldung>([&](Tsm_meldung *message) {
        title = message->Label1->text();
        message->OK->click();
    });
    QTest::keyClick(folderField, Qt::Key_Return);
    EXPECT_FALSE(title.isEmpty());
    QTest::mouseClick(window.part<QPushButton>("AlleLoeschen"), Qt::LeftButton);
    folderField->setText(window.root);
    QTest::keyClick(folderField, Qt::Key_Return);
    EXPECT_EQ(window.column(RenameNameColumn), textList({"a", "b"}));
}

TEST(RenamixWindow, PlacementGoesBothWaysThroughTheSettings)
{
    RenamixWindow window;
    window.state.settings.setRenamerPlacement({false, 40, 30, 591, 700});
    EXPECT_EQ(window.renamix.size(), QSize(591, 700));
    window.renamix.show();
    // The standard width holds the whole window.
    EXPECT_EQ(window.renamix.size(), QSize(591, 700));
    window.renamix.resize(620, 720);
    EXPECT_EQ(window.state.settings.renamerPlacement().width, 620);
    EXPECT_EQ(window.state.settings.renamerPlacement().height, 720);
    EXPECT_FALSE(window.state.settings.renamerPlacement().maximized);
}

TEST(RenamixWindow, UndoWorksAfterARestart)
{
    const QTemporaryDir files;
    const QString a = makeFile(files.filePath(QStringLiteral("a.txt")), "a"),
                  b = makeFile(files.filePath(QStringLiteral("b.txt")), "b");
    {
        RenamixWindow window;
        window.renamix.tool().addFile(a);
        window.renamix.tool().addFile(b);
        window.setMask(QStringLiteral("%num%"));
        window.renamix.show();
        QTest::mouseClick(window.part<QPushButton>("Umbenennen"), Qt::LeftButton);
        ASSERT_EQ(QDir(files.path()).entryList(QDir::Files, QDir::Name), textList({"1.txt", "2.txt"}));
    }
    RenamixWindow restarted;
    restarted.renamix.show();
    ASSERT_TRUE(restarted.part<QPushButton>("Rueckgaengig")->isEnabled());
    QTest::mouseClick(restarted.part<QPushButton>("Rueckgaengig"), Qt::LeftButton);
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files, QDir::Name), textList({"a.txt", "b.txt"}));
    EXPECT_EQ(restarted.part<QStatusBar>("StatusBar1")->currentMessage(),
              QStringLiteral("2 Dateien zurückbenannt"));
    EXPECT_FALSE(restarted.part<QPushButton>("Rueckgaengig")->isEnabled());
}

TEST(RenamixWindow, AnInvalidPatternIsMarkedAtOnceAndClashesAreCounted)
{
    RenamixWindow window;
    for (const char *name : {"a.txt", "b.txt"})
        window.renamix.tool().addFile(window.file(name));
    window.renamix.show();
    auto *clashes = window.part<QLabel>("clashCount");
    EXPECT_TRUE(clashes->text().isEmpty());
    window.setMask(QStringLiteral("same"));
    EXPECT_EQ(clashes->text(), QStringLiteral("2 Namenskonflikte"));
    window.setMask(QStringLiteral("%name%"));
    EXPECT_TRUE(clashes->text().isEmpty());

    auto *search = window.part<QLineEdit>("suchenalt");
    auto *regex = window.part<QCheckBox>("cb_regex");
    EXPECT_EQ(regex->text(), QStringLiteral("Reguläre Ausdrücke"));
    EXPECT_EQ(window.part<QCheckBox>("cb_case")->text(), QStringLiteral("Groß-/Kleinschreibung ignorieren"));
    EXPECT_FALSE(regex->isEnabled());
    QTest::mouseClick(window.part<QCheckBox>("suchenersetzen"), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(regex->isEnabled());
    QTest::mouseClick(regex, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(search, QStringLiteral("(a"));
    EXPECT_TRUE(search->toolTip().startsWith(QStringLiteral("Ungültiger regulärer Ausdruck: ")))
        << search->toolTip().toStdString();
    EXPECT_FALSE(search->styleSheet().isEmpty());
    QTest::keyClicks(search, QStringLiteral(")"));
    EXPECT_TRUE(search->toolTip().isEmpty());
    EXPECT_TRUE(search->styleSheet().isEmpty());
    // Groups in the replacement, and the list shows the new names at once.
    QTest::keyClicks(window.part<QLineEdit>("suchenneu"), QStringLiteral("\\1\\1"));
    EXPECT_EQ(window.column(RenameNewNameColumn), textList({"aa.txt", "b.txt"}));

    // The placeholders of the file's facts wait in the menu of one button and go to the caret.
    window.setMask(QString());
    QMenu *more = window.part<QPushButton>("morePlaceholders")->menu();
    ASSERT_EQ(more->actions().size(), 14);
    EXPECT_EQ(more->actions()[0]->text(), QStringLiteral("%ext%\tDie Dateiendung ohne Punkt"));
    more->actions()[0]->trigger();
    EXPECT_EQ(window.mask(), QStringLiteral("%ext%"));
}
