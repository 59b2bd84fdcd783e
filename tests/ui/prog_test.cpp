#include "app/hand_over.h"
#include "collect/file_adder.h"
#include "collect_test_support.h"
#include "program_fixture.h"
#include "ui/u_qulist.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <thread>

TEST(MainWindow, FrameHasItsAreasSizesAndLimits)
{
    ProgramFixture window;
    Tprog &prog = *window.prog;
    // The design size; the offscreen screen (800 x 800) is smaller, so the first showing
    // asks for a maximised window at the first activation.
    EXPECT_EQ(prog.width(), MainClientSize.width());
    ASSERT_LT(prog.screen()->availableSize().width(), MainClientSize.width());
    EXPECT_FALSE(prog.placement().maximizeOnActivate());
    prog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&prog));
    EXPECT_TRUE(prog.placement().maximizeOnActivate() || prog.isMaximized());
    EXPECT_EQ(prog.centralWidget()->minimumSize(), MainClientMinimum);
    for (const char *name :
         {"Panel1",        "Panel2",        "Panel3",         "Panel4",      "Panel5",
          "Panel6",        "Panel7",        "Panel12",        "box_dat_top", "box_vor_top",
          "box_akt_top",   "box_sav_top",   "ScrollBox1",     "close_input", "close_vorschau",
          "close_actions", "close_output",  "inp_ordner",     "OpenOrdner",  "bitbtn1",
          "inp_uv",        "inp_ow",        "qulist",         "la_anzahl",   "inp_deleteselect",
          "inp_deleteall", "Aktualisieren", "Zwischenablage", "Speichern"})
        EXPECT_NE(prog.findChild<QWidget *>(QString::fromUtf8(name)), nullptr) << name;

    auto *Splitter1 = prog.findChild<QSplitter *>(QStringLiteral("Splitter1"));
    auto *Splitter2 = prog.findChild<QSplitter *>(QStringLiteral("Splitter2"));
    EXPECT_EQ(Splitter1->handleWidth(), 6);
    EXPECT_EQ(Splitter2->handleWidth(), 6);
    // The right column: 316 wide, or as wide as its widest section of options needs.
    const QWidget *Panel3 = prog.findChild<QWidget *>(QStringLiteral("Panel3"));
    EXPECT_GE(Panel3->minimumWidth(), 316);
    EXPECT_EQ(Panel3->width(), Panel3->minimumWidth());
    EXPECT_EQ(prog.findChild<QWidget *>(QStringLiteral("Panel12"))->height(), 35);
    EXPECT_EQ(prog.findChild<QWidget *>(QStringLiteral("Panel6"))->height(), 91);
    EXPECT_EQ(prog.findChild<QPushButton *>(QStringLiteral("Speichern"))->width(), 97);

    // The splitters never make a side smaller than its limit.
    Splitter1->setSizes({10, 2000});
    EXPECT_GE(Splitter1->sizes().at(0), 300);
    Splitter2->setSizes({10, 2000});
    EXPECT_GE(Splitter2->sizes().at(0), 205);
    Splitter2->setSizes({2000, 10});
    EXPECT_GE(Splitter2->sizes().at(1), 205);

    // With every area shown no restore button is visible.
    for (const char *name : {"max_input", "max_vorschau", "max_aktionen", "max_output", "max_b1"})
        EXPECT_FALSE(prog.findChild<QWidget *>(QString::fromUtf8(name))->isVisible()) << name;

    // The default columns are switched on by the main window.
    EXPECT_TRUE(window.state.settings.isOn(SettingsWindow::PB, QStringLiteral("act_datum_erstellt")));
}

TEST(MainWindow, CaptionsFollowTheLanguageAndSwitchesFollowTheirSettings)
{
    ProgramFixture window(Language::English);
    Tprog &prog = *window.prog;
    EXPECT_EQ(prog.findChild<QPushButton *>(QStringLiteral("inp_deleteall"))->text(),
              QStringLiteral("Remove All"));
    EXPECT_EQ(window.countLabel(), QStringLiteral("0 Files"));
    window.state.settings.setLanguage(Language::German);
    EXPECT_EQ(prog.findChild<QPushButton *>(QStringLiteral("inp_deleteall"))->text(),
              QStringLiteral("Alle entfernen"));
    EXPECT_EQ(prog.findChild<QCheckBox *>(QStringLiteral("inp_ow"))->text(),
              QStringLiteral("Ordnerinhalte überwachen"));
    EXPECT_EQ(window.countLabel(), QStringLiteral("0 Dateien"));
    EXPECT_EQ(prog.windowTitle(), QStringLiteral("Tabulix - Quellwerk"));

    auto *subfolders = prog.findChild<QCheckBox *>(QStringLiteral("inp_uv"));
    EXPECT_TRUE(subfolders->isChecked());
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("inp_uv"), false);
    EXPECT_FALSE(subfolders->isChecked());
    subfolders->click();
    EXPECT_TRUE(window.state.settings.isOn(SettingsWindow::PB, QStringLiteral("inp_uv")));
    EXPECT_EQ(subfolders->width(), subfolders->fontMetrics().horizontalAdvance(subfolders->text()) + 25);
}

TEST(MainWindow, ListKeysRemovalAndHeaderSorting)
{
    QTemporaryDir folder;
    ProgramFixture window;
    Tprog &prog = *window.prog;
    for (const char *name : {"b.txt", "d.txt", "a.txt", "c.txt"})
        prog.adder().addPath(makeFile(folder.filePath(QString::fromUtf8(name))));
    prog.updateCountLabel();
    EXPECT_EQ(window.countLabel(), QStringLiteral("4 Dateien"));
    prog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&prog));

    Qulist *list = prog.list();
    // The first click on "Name" sorts descending.
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {},
                      QPoint(list->header()->sectionViewportPosition(0) + 10, list->header()->height() / 2));
    EXPECT_EQ(window.state.fileList.at(0).name, QStringLiteral("d.txt"));
    EXPECT_TRUE(list->header()->isSortIndicatorShown());
    // Rows dragged into an order of their own show no column's sort arrow.
    Q_EMIT list->rowsMoved();
    EXPECT_FALSE(list->header()->isSortIndicatorShown());

    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list->selectedRowNumbers().size(), 4);

    list->selectionModel()->clearSelection();
    for (int row : {0, 2})
        list->selectionModel()->select(window.state.fileList.index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(window.state.fileList.count(), 2);
    EXPECT_EQ(window.state.fileList.at(0).name, QStringLiteral("c.txt"));
    EXPECT_EQ(window.state.fileList.at(1).name, QStringLiteral("a.txt"));
    EXPECT_EQ(window.countLabel(), QStringLiteral("2 Dateien"));

    prog.findChild<QPushButton *>(QStringLiteral("inp_deleteall"))->click();
    EXPECT_EQ(window.countLabel(), QStringLiteral("0 Dateien"));
}

TEST(MainWindow, HandOverAddsThePathsAndAnswersTaken)
{
    QTemporaryDir runtime;
    ProgramFixture window;
    const QString name = runtime.filePath(QStringLiteral("socket"));
    ASSERT_TRUE(window.server.listen(name));
    const QString file = makeFile(runtime.filePath(QStringLiteral("ä b.txt")));

    HandOverResult result = HandOverResult::GoOn;
    std::thread sender([&] {
        result = handOverToRunningInstance(name, 4242,
                                           quotedCommandLine({QStringLiteral("/usr/bin/tabulix"), file}));
    });
    const bool added = QTest::qWaitFor([&] { return window.state.fileList.count() == 1; });
    sender.join();
    ASSERT_TRUE(added);
    EXPECT_EQ(result, HandOverResult::Taken);
    EXPECT_EQ(window.state.fileList.at(0).path(), file);
    EXPECT_EQ(window.countLabel(), QStringLiteral("1 Datei"));
}

TEST(MainWindow, DroppingDraggedRowsMovesThemAsABlock)
{
    QTemporaryDir folder;
    ProgramFixture window;
    Tprog &prog = *window.prog;
    for (const char *name : {"1", "2", "3", "4", "5"})
        prog.adder().addPath(makeFile(folder.filePath(QString::fromUtf8(name))));
    prog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&prog));
    Qulist *list = prog.list();
    const auto order = [&] {
        QStringList names;
        for (const FileEntry &entry : window.state.fileList.rows())
            names.append(entry.name);
        return names.join(u' ');
    };
    const auto select = [&](std::initializer_list<int> rows) {
        list->selectionModel()->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(window.state.fileList.index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };

    select({0, 2});
    list->moveSelectedRowsTo(list->visualRect(window.state.fileList.index(4, 0)).center());
    EXPECT_EQ(order(), QStringLiteral("2 4 1 3 5"));
    EXPECT_EQ(list->selectedRowNumbers(), (QList<int>{2, 3}));

    // Onto a selected row: nothing moves. Below the last row: to the end.
    list->moveSelectedRowsTo(list->visualRect(window.state.fileList.index(3, 0)).center());
    EXPECT_EQ(order(), QStringLiteral("2 4 1 3 5"));
    select({0});
    list->moveSelectedRowsTo(QPoint(5, list->viewport()->height() - 2));
    EXPECT_EQ(order(), QStringLiteral("4 1 3 5 2"));
}
