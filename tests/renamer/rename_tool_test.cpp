#include "collect/folder_walk.h"
#include "collect_test_support.h"
#include "common/settings.h"
#include "renamer/rename_tool.h"
#include "renamer/safe_rename.h"
#include "text_list.h"

#include <QFont>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct RecordingFeedback : RenamerFeedback {
    void showMessage(const QString &key, const QString &path) override { messages.append(key + u' ' + path); }
    void showStatus(const QString &text) override { status = text; }
    void updateCountLine() override { ++countLineUpdates; }
    void showFailure(const QString &text) override { failures.append(text); }
    QStringList messages, failures;
    QString status;
    int countLineUpdates = 0;
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A renaming tool over real files in a temporary folder.
struct RenamerOnFiles {
    RenamerOnFiles() : root(folder.path()) { settings.setLanguage(Language::German); }

    QString file(const char *name, const QByteArray &content = {})
    {
        return makeFile(root + u'/' + QString::fromUtf8(name),
                        content.isEmpty() ? QByteArray(name) : content);
    }
    void set(const char *name, const QString &value)
    {
        settings.setValue(SettingsWindow::DU, QString::fromUtf8(name), value);
    }
    QStringList column(int column) const
    {
        QStringList cells;
        for (int row = 0; row < tool.list().count(); ++row)
            cells.append(tool.list().data(tool.list().index(row, column), Qt::DisplayRole).toString());
        return cells;
    }
    QStringList namesOnDisk() const { return QDir(root).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir folder;
    QString root;
    Settings settings;
    bool okForAll = false;
    RecordingFeedback feedback;
    RenameTool tool{settings, okForAll, feedback, LocaleFormat::fromLocale(QLocale(QLocale::German))};
};

} // namespace

TEST(RenameTool, RenamesInListOrderAndShowsTheNewNamesBeforehand)
{
    RenamerOnFiles renamer;
    for (const char *name : {"b.txt", "a.jpg", "c.txt"})
        renamer.tool.addFile(renamer.file(name));
    renamer.set("maske", QStringLiteral("%name%_%num%"));
    EXPECT_EQ(renamer.column(RenameNameColumn), textList({"a", "b", "c"}));
    EXPECT_EQ(renamer.column(1), textList({"JPG", "TXT", "TXT"}));
    EXPECT_EQ(renamer.column(RenameNewNameColumn), textList({"a_1.jpg", "b_2.txt", "c_3.txt"}));
    renamer.tool.setPreviewedPath(renamer.root + QStringLiteral("/b.txt"));
    EXPECT_EQ(renamer.tool.preview().newName, QStringLiteral("b_2.txt"));
    EXPECT_EQ(renamer.tool.preview().newTip, renamer.root + QStringLiteral("/b_2.txt"));

    const QList<RenameOutcome> outcomes = renamer.tool.renameAll();
    ASSERT_EQ(outcomes.size(), 3);
    EXPECT_EQ(outcomes[1].oldPath, renamer.root + QStringLiteral("/b.txt"));
    EXPECT_EQ(outcomes[1].newPath, renamer.root + QStringLiteral("/b_2.txt"));
    EXPECT_EQ(renamer.namesOnDisk(), textList({"a_1.jpg", "b_2.txt", "c_3.txt"}));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/b_2.txt")), QByteArray("b.txt"));
    // Renamed entries show the whole new name.
    EXPECT_EQ(renamer.column(RenameNameColumn), textList({"a_1.jpg", "b_2.txt", "c_3.txt"}));
    EXPECT_EQ(renamer.column(RenameStatusColumn), textList({"Umbenannt", "Umbenannt", "Umbenannt"}));
    EXPECT_EQ(renamer.feedback.status, QStringLiteral("3 Dateien umbenannt"));
    // The preview follows its file.
    EXPECT_EQ(renamer.tool.previewedPath(), renamer.root + QStringLiteral("/b_2.txt"));
}

TEST(RenameTool, TwelveFilesGetTwoDigitNumbersInListOrder)
{
    RenamerOnFiles renamer;
    for (const char *name : {"l.txt", "k.txt", "j.txt", "i.jpg", "h.txt", "g.txt", "f.txt", "e.txt", "d.txt",
                             "c.txt", "b.txt", "a.txt"})
        renamer.tool.addFile(renamer.file(name));
    renamer.set("maske", QStringLiteral("%0num%"));
    renamer.tool.renameAll();
    EXPECT_EQ(renamer.namesOnDisk(), textList({"01.txt", "02.txt", "03.txt", "04.txt", "05.txt", "06.txt",
                                               "07.txt", "08.txt", "09.jpg", "10.txt", "11.txt", "12.txt"}));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/09.jpg")), QByteArray("i.jpg"));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/12.txt")), QByteArray("l.txt"));
}

TEST(RenameTool, UnchangedExistingAndImpossibleNames)
{
    RenamerOnFiles renamer;
    for (const char *name : {"a.txt.txt", "b.txt", "c.txt"})
        renamer.tool.addFile(renamer.file(name));
    renamer.tool.renameAll();
    EXPECT_EQ(renamer.column(RenameStatusColumn),
              textList({"Nicht umbenannt", "Nicht umbenannt", "Nicht umbenannt"}));
    EXPECT_EQ(renamer.feedback.status,
              QStringLiteral("0 Dateien umbenannt (3 Dateien konnten nicht umbenannt werden)"));

    // "2.txt" is taken by a file outside the list; it keeps its content.
    renamer.file("2.txt", "other");
    renamer.settings.setLanguage(Language::English);
    renamer.set("maske", QStringLiteral("%num%"));
    renamer.tool.renameAll();
    // Renamed entries move to their places in the order.
    EXPECT_EQ(renamer.column(RenameNameColumn), textList({"1.txt", "3.txt", "b"}));
    EXPECT_EQ(renamer.column(RenameStatusColumn), textList({"Renamed", "Renamed", "File already exists"}));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/2.txt")), QByteArray("other"));
    EXPECT_EQ(renamer.feedback.status, QStringLiteral("2 files renamed (1 files could not be renamed)"));

    // Names from a configuration that no file can have: the files stay where they are.
    for (const QString &mask : {QStringLiteral("x/y"), QStringLiteral(".."), QString()}) {
        RenamerOnFiles other;
        other.tool.addFile(other.file("noext"));
        other.set("maske", mask);
        other.tool.renameAll();
        EXPECT_EQ(other.column(RenameStatusColumn), textList({"Fehler"})) << mask.toStdString();
        EXPECT_EQ(other.namesOnDisk(), textList({"noext"}));
    }
}

TEST(RenameTool, ATargetThatAppearsAfterThePreviewIsNeverReplaced)
{
    RenamerOnFiles renamer;
    renamer.tool.addFile(renamer.file("a.txt"));
    renamer.set("maske", QStringLiteral("new"));
    renamer.tool.setPreviewedPath(renamer.root + QStringLiteral("/a.txt"));
    ASSERT_EQ(renamer.tool.preview().newName, QStringLiteral("new.txt"));
    renamer.file("new.txt", "appeared");
    renamer.tool.renameAll();
    EXPECT_EQ(renamer.column(RenameStatusColumn), textList({"Datei existiert"}));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/new.txt")), QByteArray("appeared"));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/a.txt")), QByteArray("a.txt"));

    // The rename itself refuses too, also on the way without the flag; a dangling link counts.
    const QString from = renamer.root + QStringLiteral("/a.txt"),
                  to = renamer.root + QStringLiteral("/new.txt");
    EXPECT_EQ(renameWithoutReplacing(from, to), RenameResult::TargetExists);
    EXPECT_EQ(renameByLinking(from, to), RenameResult::TargetExists);
    const QString dangling = renamer.root + QStringLiteral("/dangling");
    ASSERT_EQ(symlink("nowhere", QFile::encodeName(dangling).constData()), 0);
    EXPECT_TRUE(pathTaken(dangling));
    EXPECT_EQ(renameWithoutReplacing(from, dangling), RenameResult::TargetExists);
    EXPECT_EQ(contentOf(to), QByteArray("appeared"));
    EXPECT_EQ(contentOf(from), QByteArray("a.txt"));

    // The fallback renames and leaves the file one name.
    const QString moved = renamer.root + QStringLiteral("/moved.txt");
    EXPECT_EQ(renameByLinking(from, moved), RenameResult::Renamed);
    EXPECT_FALSE(pathTaken(from));
    EXPECT_EQ(contentOf(moved), QByteArray("a.txt"));
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(moved).constData(), &info), 0);
    EXPECT_EQ(info.st_nlink, 1u);
    EXPECT_EQ(renameByLinking(renamer.root + QStringLiteral("/gone"), from), RenameResult::Failed);
}

TEST(RenameTool, UndoRestoresEveryNameButNeverReplacesAFile)
{
    RenamerOnFiles renamer;
    for (const char *name : {"a.txt", "b.txt", "c.dat"})
        renamer.tool.addFile(renamer.file(name));
    EXPECT_FALSE(renamer.tool.canUndo());
    renamer.set("maske", QStringLiteral("%0num%"));
    renamer.tool.renameAll();
    ASSERT_EQ(renamer.namesOnDisk(), textList({"1.txt", "2.txt", "3.dat"}));
    ASSERT_TRUE(renamer.tool.canUndo());
    renamer.tool.undo();
    EXPECT_EQ(renamer.namesOnDisk(), textList({"a.txt", "b.txt", "c.dat"}));
    EXPECT_EQ(renamer.column(RenameNameColumn), textList({"a", "b", "c"}));
    EXPECT_EQ(renamer.column(1), textList({"TXT", "TXT", "DAT"}));
    EXPECT_EQ(renamer.column(RenameStatusColumn),
              textList({"Rückgängig gemacht", "Rückgängig gemacht", "Rückgängig gemacht"}));
    EXPECT_EQ(renamer.feedback.status, QStringLiteral("3 Dateien zurückbenannt"));
    EXPECT_FALSE(renamer.tool.canUndo());

    // Renames that are chains: undone in reverse order, each step finds its old name free.
    renamer.set("maske", QStringLiteral("%name%x"));
    renamer.tool.renameAll();
    renamer.file("b.txt", "took the old name");
    renamer.tool.undo();
    EXPECT_EQ(renamer.namesOnDisk(), textList({"a.txt", "b.txt", "bx.txt", "c.dat"}));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/b.txt")), QByteArray("took the old name"));
    EXPECT_EQ(renamer.column(RenameStatusColumn),
              textList({"Rückgängig gemacht", "Umbenannt", "Rückgängig gemacht"}));
    EXPECT_EQ(renamer.feedback.status,
              QStringLiteral("2 Dateien zurückbenannt (1 Dateien konnten nicht zurückbenannt werden)"));
    // What failed can be tried again once the way is free.
    ASSERT_TRUE(renamer.tool.canUndo());
    QFile::remove(renamer.root + QStringLiteral("/b.txt"));
    renamer.tool.undo();
    EXPECT_EQ(renamer.namesOnDisk(), textList({"a.txt", "b.txt", "c.dat"}));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/b.txt")), QByteArray("b.txt"));
}

TEST(RenameTool, SkipsVanishedFilesAndRefusesNamesThatAreNotUtf8)
{
    RenamerOnFiles renamer;
    renamer.tool.addFile(renamer.file("gone.txt"));
    renamer.tool.addFile(renamer.file("kept.txt"));
    QFile::remove(renamer.root + QStringLiteral("/gone.txt"));
    // A name in Latin-1 bytes, as older systems wrote them.
    const QByteArray latin1 = QFile::encodeName(renamer.root) + "/caf\xe9.txt";
    const int descriptor = open(latin1.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(descriptor, 0);
    close(descriptor);
    renamer.settings.setOn(SettingsWindow::DF, QStringLiteral("auswahl"), true);
    renamer.settings.setValue(SettingsWindow::DF, QStringLiteral("filter"), QStringLiteral("txt"));
    renamer.tool.addFolder(renamer.root);
    ASSERT_EQ(renamer.tool.list().count(), 3);
    renamer.set("maske", QStringLiteral("x%num%"));
    const QList<RenameOutcome> outcomes = renamer.tool.renameAll();
    QStringList statuses;
    for (const RenameOutcome &outcome : outcomes)
        statuses.append(outcome.status ? renameStatusText(*outcome.status, Language::English)
                                       : QStringLiteral("-"));
    EXPECT_EQ(statuses, textList({"Error", "-", "Renamed"}));
    EXPECT_EQ(renamer.column(RenameStatusColumn), textList({"Fehler", "Neu hinzugefügt", "Umbenannt"}));
    EXPECT_EQ(renamer.feedback.status,
              QStringLiteral("1 Dateien umbenannt (1 Dateien konnten nicht umbenannt werden)"));
    EXPECT_EQ(access(latin1.constData(), F_OK), 0);
    unlink(latin1.constData());
}

TEST(RenameTool, AddingFoldersFilesAndDrops)
{
    RenamerOnFiles renamer;
    renamer.file("pics/a.JPG");
    renamer.file("pics/b.png", QByteArray(1536, 'b'));
    renamer.file("pics/deep/c.jpg");
    renamer.file("notes.txt/d.jpg");
    // A filter item with its own dot gets no second one; blanks and empty items go.
    renamer.settings.setOn(SettingsWindow::DF, QStringLiteral("auswahl"), true);
    renamer.settings.setValue(SettingsWindow::DF, QStringLiteral("filter"), QStringLiteral(" .jpg, ,gif,"));
    EXPECT_EQ(renamer.tool.searchPatterns(), textList({".jpg", ".gif"}));
    renamer.tool.addFolder(renamer.root + QStringLiteral("/pics"));
    EXPECT_EQ(renamer.column(RenameNameColumn), textList({"a", "c"}));
    EXPECT_EQ(renamer.feedback.countLineUpdates, 1);
    EXPECT_EQ(renamer.tool.countLineText(), QStringLiteral("2 Dateien geladen"));
    // A folder whose name holds ".txt" is walked like any other.
    renamer.settings.setOn(SettingsWindow::DU, QStringLiteral("uv"), false);
    renamer.tool.addFolder(renamer.root + QStringLiteral("/notes.txt"));
    EXPECT_EQ(renamer.tool.list().count(), 3);
    // Nothing for a missing folder; a file listed twice raises its message once per try until OK for all.
    renamer.tool.addFolder(renamer.root + QStringLiteral("/missing"));
    renamer.tool.addFile(renamer.root + QStringLiteral("/pics/a.JPG"));
    EXPECT_EQ(renamer.feedback.messages, textList({}) << QStringLiteral("dateischoninliste ") + renamer.root +
                                                             QStringLiteral("/pics/a.JPG"));
    renamer.okForAll = true;
    renamer.tool.addFile(renamer.root + QStringLiteral("/pics/a.JPG"));
    EXPECT_EQ(renamer.feedback.messages.size(), 1);

    // Drops: a folder through the filter, a file without it, a vanished path adds nothing; "OK
    // for all" ends with the drop.
    renamer.tool.removeAll();
    renamer.tool.addDropped({renamer.root + QStringLiteral("/pics"),
                             renamer.root + QStringLiteral("/pics/b.png"),
                             renamer.root + QStringLiteral("/vanished.txt")});
    EXPECT_EQ(renamer.column(RenameNameColumn), textList({"a", "b"}));
    EXPECT_EQ(renamer.column(RenameSizeColumn), textList({"0,010 KB", "1,500 KB"}));
    EXPECT_EQ(renamer.feedback.status, QStringLiteral("3 Dateien geladen"));
    EXPECT_FALSE(renamer.okForAll);
    renamer.tool.removeRows({0});
    EXPECT_EQ(renamer.column(RenameNameColumn), textList({"b"}));
}

TEST(RenameTool, AFolderTakenAtOnceStandsAsFilesAddedOneByOneWould)
{
    RenamerOnFiles files;
    // Ties in every column: names that differ in case only, sizes and types that repeat.
    for (const char *name : {"b.jpg", "B.png", "a.jpg", "A.JPG", "c.png", "a.png"})
        files.file(name, QByteArray(int(std::strlen(name)) % 3 + 1, 'x'));
    const QString kept = files.file("old/kept.jpg");
    for (const int column : {RenameNameColumn, 1, RenameSizeColumn, RenamePathColumn}) {
        for (const int clicks : {1, 2}) {
            RenamerOnFiles oneByOne, atOnce;
            QStringList walked;
            for (RenamerOnFiles *renamer : {&oneByOne, &atOnce}) {
                // Both patterns take every ".jpg": each is listed once, the second time raises the message.
                renamer->settings.setOn(SettingsWindow::DF, QStringLiteral("auswahl"), true);
                renamer->settings.setValue(SettingsWindow::DF, QStringLiteral("filter"), QStringLiteral("jpg,JPG,png"));
                renamer->settings.setOn(SettingsWindow::DU, QStringLiteral("uv"), true);
                renamer->tool.addFile(kept);
                for (int click = 0; click < clicks; ++click)
                    renamer->tool.list().columnClick(column);
                walked = walkFolder(files.root, renamer->tool.searchPatterns(), true);
            }
            for (const QString &path : walked)
                oneByOne.tool.addFile(path);
            atOnce.tool.addFolder(files.root);
            EXPECT_EQ(atOnce.column(RenamePathColumn), oneByOne.column(RenamePathColumn)) << column << clicks;
            EXPECT_EQ(atOnce.feedback.messages, oneByOne.feedback.messages);
            EXPECT_EQ(atOnce.feedback.messages.size(), 5); // kept.jpg twice, the other .jpg files once
        }
    }
}

TEST(RenameTool, EntriesChangedAtOnceStandAsChangingThemOneByOneWould)
{
    const auto entry = [](const char *name, const char *type, const char *size, const char *path) {
        return RenameEntry{0, QString::fromUtf8(name), QString::fromUtf8(type), QString::fromUtf8(size),
                           QString(), QString::fromUtf8(path)};
    };
    // Ties in every column, before and after the change.
    const QList<RenameEntry> entries{entry("b", "JPG", "1,000 KB", "/x/b"), entry("a", "PNG", "2,000 KB", "/x/a"),
                                     entry("B", "JPG", "1,000 KB", "/y/B"), entry("c", "PNG", "3,000 KB", "/x/c"),
                                     entry("a", "JPG", "2,000 KB", "/y/a")};
    for (const int column : {RenameNameColumn, 1, RenameSizeColumn, RenameStatusColumn, RenamePathColumn}) {
        for (const int clicks : {1, 2}) {
            RenameList oneByOne(LocaleFormat::fromLocale(QLocale(QLocale::German)));
            RenameList atOnce(LocaleFormat::fromLocale(QLocale(QLocale::German)));
            QList<RenameEntry> changed;
            for (RenameList *list : {&oneByOne, &atOnce}) {
                for (int click = 0; click < clicks; ++click)
                    list->columnClick(column);
                list->addAll(entries);
            }
            // Changed against the order of the rows: two take the place of a tie, one stays the same.
            for (const int row : {3, 0, 4}) {
                RenameEntry next = oneByOne.at(row);
                next.status = QStringLiteral("Umbenannt");
                if (row != 4) {
                    next.name = QStringLiteral("b");
                    next.path.append(u'2');
                }
                changed.append(next);
            }
            for (const RenameEntry &next : changed)
                oneByOne.replace(oneByOne.rowOfId(next.id), next);
            atOnce.replaceAll(changed);
            for (int row = 0; row < atOnce.count(); ++row) {
                EXPECT_EQ(atOnce.at(row).path, oneByOne.at(row).path) << column << clicks << row;
                EXPECT_EQ(atOnce.at(row).status, oneByOne.at(row).status);
            }
            EXPECT_TRUE(atOnce.containsPath(changed[0].path));
            EXPECT_FALSE(atOnce.containsPath(changed[0].path.chopped(1)));
            // Runs of rows, a row given twice and one past the end.
            atOnce.removeRowNumbers({4, 0, 1, 1, 9});
            ASSERT_EQ(atOnce.count(), 2);
            EXPECT_EQ(atOnce.at(0).path, oneByOne.at(2).path);
            EXPECT_EQ(atOnce.at(1).path, oneByOne.at(3).path);
            EXPECT_FALSE(atOnce.containsPath(oneByOne.at(0).path));
        }
    }
}

TEST(RenameTool, ChainsAndSwapsAreRenamedWhole)
{
    // 1→2, 2→3, 3→4: every target is freed by the entry after it.
    RenamerOnFiles chain;
    for (const char *name : {"1.txt", "2.txt", "3.txt"})
        chain.tool.addFile(chain.file(name));
    chain.set("numstart", QStringLiteral("2"));
    chain.set("maske", QStringLiteral("%num%"));
    chain.tool.renameAll();
    EXPECT_EQ(chain.namesOnDisk(), textList({"2.txt", "3.txt", "4.txt"}));
    EXPECT_EQ(contentOf(chain.root + QStringLiteral("/2.txt")), QByteArray("1.txt"));
    EXPECT_EQ(contentOf(chain.root + QStringLiteral("/4.txt")), QByteArray("3.txt"));
    EXPECT_EQ(chain.column(RenameStatusColumn), textList({"Umbenannt", "Umbenannt", "Umbenannt"}));
    EXPECT_EQ(chain.feedback.status, QStringLiteral("3 Dateien umbenannt"));
    // Undoing is the same chain backwards.
    chain.tool.undo();
    EXPECT_EQ(chain.namesOnDisk(), textList({"1.txt", "2.txt", "3.txt"}));
    EXPECT_EQ(contentOf(chain.root + QStringLiteral("/1.txt")), QByteArray("1.txt"));

    // Sorted descending, "2.txt" is numbered 1 and "1.txt" 2: a swap.
    RenamerOnFiles swap;
    for (const char *name : {"1.txt", "2.txt"})
        swap.tool.addFile(swap.file(name));
    swap.tool.list().columnClick(RenameNameColumn);
    swap.set("maske", QStringLiteral("%num%"));
    swap.tool.renameAll();
    EXPECT_EQ(swap.namesOnDisk(), textList({"1.txt", "2.txt"}));
    EXPECT_EQ(contentOf(swap.root + QStringLiteral("/1.txt")), QByteArray("2.txt"));
    EXPECT_EQ(contentOf(swap.root + QStringLiteral("/2.txt")), QByteArray("1.txt"));
    EXPECT_EQ(swap.column(RenameStatusColumn), textList({"Umbenannt", "Umbenannt"}));

    // The chain's end is held by a file outside the list: nothing of the chain can move.
    RenamerOnFiles blocked;
    for (const char *name : {"1.txt", "2.txt"})
        blocked.tool.addFile(blocked.file(name));
    blocked.file("3.txt", "outside");
    blocked.set("numstart", QStringLiteral("2"));
    blocked.set("maske", QStringLiteral("%num%"));
    blocked.tool.renameAll();
    EXPECT_EQ(blocked.column(RenameStatusColumn), textList({"Datei existiert", "Datei existiert"}));
    EXPECT_EQ(blocked.namesOnDisk(), textList({"1.txt", "2.txt", "3.txt"}));
    EXPECT_EQ(contentOf(blocked.root + QStringLiteral("/1.txt")), QByteArray("1.txt"));
    EXPECT_EQ(contentOf(blocked.root + QStringLiteral("/3.txt")), QByteArray("outside"));
}

TEST(RenameTool, TheJournalUndoesAfterARestartButNeverAFileThatIsNoLongerTheSame)
{
    RenamerOnFiles renamer;
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        renamer.tool.addFile(renamer.file(name));
    renamer.set("maske", QStringLiteral("%num%"));
    renamer.tool.renameAll();
    ASSERT_EQ(renamer.namesOnDisk(), textList({"1.txt", "2.txt", "3.txt"}));
    // Meanwhile "3.txt" went elsewhere and another file took its name.
    ASSERT_TRUE(
        QFile::rename(renamer.root + QStringLiteral("/3.txt"), renamer.root + QStringLiteral("/moved.txt")));
    renamer.file("3.txt", "another");

    // A tool of its own, as after a restart, with an empty list.
    Settings settings;
    settings.setLanguage(Language::German);
    bool okForAll = false;
    RecordingFeedback feedback;
    RenameTool restarted(settings, okForAll, feedback);
    ASSERT_TRUE(restarted.canUndo());
    restarted.undo();
    EXPECT_EQ(renamer.namesOnDisk(), textList({"3.txt", "a.txt", "b.txt", "moved.txt"}));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/3.txt")), QByteArray("another"));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/a.txt")), QByteArray("a.txt"));
    EXPECT_EQ(feedback.status,
              QStringLiteral("2 Dateien zurückbenannt (1 Dateien konnten nicht zurückbenannt werden)"));
    // What stayed can be tried again; it still is not the same file.
    ASSERT_TRUE(restarted.canUndo());
    restarted.undo();
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/3.txt")), QByteArray("another"));

    // The journal keeps the newest twenty batches, with ids counting on.
    for (int batch = 0; batch < 22; ++batch)
        recordBatch({{QStringLiteral("/old"), QStringLiteral("/new"), 0, quint64(batch)}},
                    QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC));
    const QList<JournalBatch> journal = loadJournal();
    ASSERT_EQ(journal.size(), JournalLength);
    EXPECT_EQ(journal.first().moves.first().inode, 2u);
    EXPECT_EQ(journal.last().id, journal.first().id + JournalLength - 1);
    EXPECT_EQ(journal.last().time, QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC));
    // Damaged bytes read as an empty journal.
    EXPECT_TRUE(readJournal("{\"batches\": [{\"id\": \"x\"}]").isEmpty());
}

namespace {

// A tool other than ours runs over the file; false when it fails.
bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// An MP3 of ten silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz).
QByteArray silentMp3()
{
    QByteArray frames;
    for (int i = 0; i < 10; ++i)
        frames += QByteArray::fromHex("fffb9064") + QByteArray(413, '\0');
    return frames;
}

} // namespace

TEST(RenameTool, NewNamesFromPhotoAndAudioTags)
{
    RenamerOnFiles renamer;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString photo = renamer.root + QStringLiteral("/photo.jpg"),
                  plain = renamer.root + QStringLiteral("/plain.jpg");
    ASSERT_TRUE(picture.save(photo, "JPEG"));
    ASSERT_TRUE(picture.save(plain, "JPEG"));
    ASSERT_TRUE(
        runTool(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                             QStringLiteral("-DateTimeOriginal=2023:12:24 18:00:05"),
                                             QStringLiteral("-Model=Canon EOS"), photo}));
    const QString song = renamer.file("song.mp3", silentMp3());
    ASSERT_TRUE(
        runTool(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import sys\nfrom mutagen.id3 import ID3, TPE1, TALB, TIT2, TRCK, TDRC\n"
                                "tags = ID3()\nfor frame in (TPE1(text='The Band'), TALB(text='First'), "
                                "TIT2(text='a song'), TRCK(text='3/12'), TDRC(text='1999')):\n"
                                "    tags.add(frame)\ntags.save(sys.argv[1])"),
                 song}));
    for (const QString &path : {photo, plain, song})
        renamer.tool.addFile(path);
    renamer.set("maske",
                QStringLiteral("%taken:yyyy-MM-dd% %camera%%track% %artist% - %title% (%album%, %year%)"));
    // The column shows the names without the tags at once, and reads them in the background.
    QSignalSpy read(&renamer.tool.list(), &RenameList::tagsRead);
    EXPECT_EQ(renamer.column(RenameNewNameColumn),
              textList({"   -  (, ).jpg", "   -  (, ).jpg", "   -  (, ).mp3"}));
    ASSERT_TRUE(renamer.tool.list().readingTags());
    ASSERT_TRUE(read.wait(30000));
    EXPECT_FALSE(renamer.tool.list().readingTags());
    EXPECT_EQ(renamer.column(RenameNewNameColumn),
              textList({"2023-12-24 Canon EOS  -  (, ).jpg", "   -  (, ).jpg",
                        " 03 The Band - a song (First, 1999).mp3"}));
    // The list shows which tags a file lacks.
    const QModelIndex plainName = renamer.tool.list().index(1, RenameNewNameColumn);
    EXPECT_TRUE(
        renamer.tool.list().data(plainName, Qt::ToolTipRole).toString().contains(QStringLiteral("%camera%")));
    EXPECT_TRUE(renamer.tool.list().data(plainName, Qt::FontRole).value<QFont>().italic());
    renamer.set("maske", QStringLiteral("%upper:%artist%%%camera%_%ext%"));
    renamer.tool.renameAll();
    EXPECT_EQ(renamer.namesOnDisk(), textList({"Canon EOS_jpg.jpg", "THE BAND_mp3.mp3", "_jpg.jpg"}));
}

TEST(RenameTool, ClashesAreMarkedBeforeRenaming)
{
    RenamerOnFiles renamer;
    for (const char *name : {"1.txt", "2.txt", "3.txt", "4.txt", "x.txt"})
        renamer.tool.addFile(renamer.file(name));
    renamer.file("5.txt", "outside");
    const RenameList &list = renamer.tool.list();
    const auto marks = [&] {
        QStringList cells;
        for (int row = 0; row < list.count(); ++row)
            cells.append(list.data(list.index(row, RenameNewNameColumn), Qt::ToolTipRole).toString());
        return cells;
    };
    // Descending: x→1, 4→2, 3 stays, 2→4, 1→5. The swap is no clash; 5.txt stays, so 1.txt
    // cannot move, and so x.txt cannot take its name either.
    renamer.tool.list().columnClick(RenameNameColumn);
    renamer.set("maske", QStringLiteral("%num%"));
    const QString taken = clashTip(Language::German);
    EXPECT_EQ(marks(), QStringList({taken, {}, {}, {}, taken}));
    EXPECT_EQ(list.clashCount(), 2);
    EXPECT_TRUE(list.data(list.index(0, RenameNewNameColumn), Qt::ForegroundRole).isValid());
    EXPECT_FALSE(list.data(list.index(1, RenameNewNameColumn), Qt::ForegroundRole).isValid());
    EXPECT_EQ(clashText(2, Language::German), QStringLiteral("2 Namenskonflikte"));
    EXPECT_EQ(clashText(2, Language::English), QStringLiteral("2 name clashes"));
    EXPECT_TRUE(clashText(0, Language::German).isEmpty());

    // One name for all clashes everywhere; a name that is none is marked as such.
    renamer.set("maske", QStringLiteral("same"));
    EXPECT_EQ(list.clashCount(), 5);
    renamer.set("maske", QStringLiteral("a/b"));
    EXPECT_EQ(marks(), QStringList(5, unusableNameTip(Language::German)));

    // Renaming does what the marks said.
    renamer.set("maske", QStringLiteral("%num%"));
    renamer.tool.renameAll();
    EXPECT_EQ(renamer.column(RenameStatusColumn),
              textList({"Datei existiert", "Umbenannt", "Nicht umbenannt", "Umbenannt", "Datei existiert"}));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/2.txt")), QByteArray("4.txt"));
    EXPECT_EQ(contentOf(renamer.root + QStringLiteral("/5.txt")), QByteArray("outside"));

    // A search that is no regular expression renames nothing and says why.
    renamer.settings.setOn(SettingsWindow::DU, QStringLiteral("suchenersetzen"), true);
    renamer.settings.setOn(SettingsWindow::DU, QStringLiteral("cb_regex"), true);
    renamer.set("suchenalt", QStringLiteral("(x"));
    EXPECT_TRUE(renamer.tool.renameAll().isEmpty());
    EXPECT_TRUE(
        renamer.feedback.failures.size() == 1 &&
        renamer.feedback.failures.first().startsWith(QStringLiteral("Ungültiger regulärer Ausdruck: ")))
        << renamer.feedback.failures.join(u'|').toStdString();
}

TEST(RenameTool, VorbisCommentsOfFlacNameTheFileToo)
{
    RenamerOnFiles renamer;
    const QString raw = renamer.file("silence.pcm", QByteArray(1600, '\0'));
    const QString song = renamer.root + QStringLiteral("/song.flac");
    ASSERT_TRUE(runTool(QStringLiteral("flac"),
                        {QStringLiteral("-s"), QStringLiteral("--force-raw-format"),
                         QStringLiteral("--endian=little"), QStringLiteral("--sign=signed"),
                         QStringLiteral("--channels=1"), QStringLiteral("--bps=16"),
                         QStringLiteral("--sample-rate=8000"), QStringLiteral("-o"), song, raw}));
    ASSERT_TRUE(runTool(QStringLiteral("metaflac"),
                        {QStringLiteral("--set-tag=ARTIST=Chor"), QStringLiteral("--set-tag=TITLE=Lied"),
                         QStringLiteral("--set-tag=ALBUM=Live"), QStringLiteral("--set-tag=TRACKNUMBER=7"),
                         QStringLiteral("--set-tag=DATE=2001"), song}));
    QFile::remove(raw);
    renamer.tool.addFile(song);
    renamer.set("maske", QStringLiteral("%track% %lower:%artist%% - %title% (%album% %year%)"));
    renamer.tool.renameAll();
    EXPECT_EQ(renamer.namesOnDisk(), textList({"07 chor - Lied (Live 2001).flac"}));
}
