#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/file_rows.h"
#include "collect/folder_walk.h"
#include "collect_test_support.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

// Records what adding shows; can ask to cancel once a number of progress steps has passed.
class RecordingFeedback : public AddingFeedback {
public:
    explicit RecordingFeedback(ProgramState &state) : m_state(state) {}

    void showMessage(const QString &key, const QString &path) override { messages.append(key + u' ' + path); }
    void reportUnreadable(const QString &path, int error) override
    {
        unreadable.append(path + u' ' + QString::number(error));
    }
    void showProgress(const ProgressText &text) override
    {
        progress.append(text);
        okForAllWhileShown = okForAllWhileShown && m_state.okForAll;
    }
    void hideProgress() override { ++hidden; }
    bool takeCancelRequest() override { return ++cancelPolls == cancelAtPoll; }
    void refreshPreviewIfOn() override { ++refreshes; }

    QStringList messages;
    QStringList unreadable; // "path errno"
    QVector<ProgressText> progress;
    int hidden = 0, cancelPolls = 0, cancelAtPoll = -1, refreshes = 0;
    bool okForAllWhileShown = true;

private:
    ProgramState &m_state;
};

const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));

struct AdderFixture : ::testing::Test {
    QTemporaryDir folder;
    QString root = folder.path();
    ProgramState state;
    RecordingFeedback feedback{state};
    FileAdder adder{state, feedback, nullptr, german};

    QStringList listedNames() const
    {
        QStringList names;
        for (const FileEntry &row : state.fileList.rows())
            names.append(row.path().mid(root.size() + 1));
        return names;
    }
};

} // namespace

TEST_F(AdderFixture, DuplicatesAreRefusedExactlyAndReportedUnlessOkForAll)
{
    const QString lower = makeFile(root + QStringLiteral("/a/b.txt"), "x");
    const QString upper = makeFile(root + QStringLiteral("/A/B.TXT"), "x");
    adder.addFile(lower);
    adder.addFile(lower);
    EXPECT_EQ(state.fileList.count(), 2); // the switch is off
    state.settings.setOn(MenuSwitch::RefuseDuplicates, true);
    adder.addFile(lower);
    adder.addFile(upper);
    EXPECT_EQ(listedNames(),
              (QStringList{QStringLiteral("a/b.txt"), QStringLiteral("a/b.txt"), QStringLiteral("A/B.TXT")}));
    EXPECT_EQ(feedback.messages, QStringList{QStringLiteral("dateischoninliste ") + lower});
    state.okForAll = true;
    adder.addFile(lower);
    EXPECT_EQ(feedback.messages.size(), 1);
}

TEST_F(AdderFixture, PathsOfUnknownKindFollowTheSwitches)
{
    makeFile(root + QStringLiteral("/d/x.txt"), "12345");
    const QString file = makeFile(root + QStringLiteral("/f.txt"), "1");
    state.settings.setOn(MenuSwitch::AddFolderRows, true);
    state.settings.setOn(MenuSwitch::AddFolderFiles, false);
    adder.addPath(root + QStringLiteral("/d"));
    adder.addPath(file);
    adder.addPath(root + QStringLiteral("/nothing-here"));
    ASSERT_EQ(state.fileList.count(), 1);
    const FileEntry &folderRow = state.fileList.at(0);
    EXPECT_EQ(folderRow.name, QStringLiteral("d"));
    EXPECT_EQ(folderRow.cells[CellFormat], QStringLiteral("DIR"));
    EXPECT_EQ(folderRow.cells[CellSizeText], QStringLiteral("0,005 KB"));
    EXPECT_EQ(folderRow.cells[CellSizeBytes], QStringLiteral("5"));
    EXPECT_TRUE(folderRow.cells[CellProgram].isEmpty());
    for (int cell = CellMd5; cell <= CellSha512; ++cell)
        EXPECT_TRUE(folderRow.cells[cell].isEmpty());

    state.settings.setOn(MenuSwitch::AddFolderRows, false);
    state.settings.setOn(MenuSwitch::AddFolderFiles, true);
    adder.addPath(root + QStringLiteral("/d"));
    adder.addPath(file);
    adder.addPath(root + QStringLiteral("/nothing-here"));
    EXPECT_EQ(listedNames(),
              (QStringList{QStringLiteral("d"), QStringLiteral("d/x.txt"), QStringLiteral("f.txt")}));
    // A path naming nothing is reported, whichever switches are on; the others are not.
    const QString missing = root + QStringLiteral("/nothing-here ") + QString::number(ENOENT);
    EXPECT_EQ(feedback.unreadable, (QStringList{missing, missing}));
    const FileEntry &fileRow = state.fileList.at(2);
    EXPECT_EQ(fileRow.cells[CellFormat], QStringLiteral("TXT"));
    EXPECT_EQ(fileRow.cells[CellSizeText], QStringLiteral("1 Byte"));
    EXPECT_EQ(fileRow.cells[CellReadOnly], QStringLiteral("nein"));
    state.settings.setLanguage(Language::English);
    adder.addFile(file);
    EXPECT_EQ(state.fileList.at(3).cells[CellHidden], QStringLiteral("no"));
    EXPECT_EQ(state.fileList.at(2).cells[CellHidden], QStringLiteral("nein"));
}

TEST_F(AdderFixture, FolderWalkCountsEverySeventhFileAndStopsOnCancel)
{
    for (int i = 0; i < 14; ++i)
        makeFile(root + QStringLiteral("/f%1.dat").arg(i, 2, 10, QLatin1Char('0')));
    adder.addFolderFiles(root);
    EXPECT_EQ(state.fileList.count(), 14);
    QStringList analysed;
    for (const ProgressText &text : feedback.progress)
        analysed.append(text.line3);
    EXPECT_EQ(analysed,
              (QStringList{QStringLiteral("0 Dateien analysiert"), QStringLiteral("0 Dateien analysiert"),
                           QStringLiteral("8 Dateien analysiert")}));
    EXPECT_EQ(feedback.progress.first().title, QStringLiteral("Dateien werden gesucht"));
    EXPECT_EQ(feedback.progress.last().title, QStringLiteral("Dateien werden analysiert"));
    EXPECT_EQ(feedback.progress.last().line2, QStringLiteral("14 Dateien gefunden"));
    EXPECT_EQ(feedback.progress.last().maximum, 14);
    EXPECT_TRUE(feedback.okForAllWhileShown);
    EXPECT_FALSE(state.okForAll);
    EXPECT_EQ(feedback.hidden, 1);
    EXPECT_EQ(feedback.refreshes, 1);

    // A cancel request stops at the next batch; what was added stays, each row whole.
    for (int i = 14; i < 600; ++i)
        makeFile(root + QStringLiteral("/f%1.dat").arg(i, 3, 10, QLatin1Char('0')), QByteArray(i, 'x'));
    state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum"), true);
    state.fileList.clear();
    feedback.cancelPolls = 0;
    feedback.cancelAtPoll = 1;
    adder.addFolderFiles(root);
    EXPECT_LT(state.fileList.count(), 600);
    for (const FileEntry &row : state.fileList.rows()) {
        const QByteArray content(row.cells[CellSizeBytes].toInt(), 'x');
        EXPECT_EQ(row.path(), root + u'/' + row.name);
        EXPECT_EQ(row.cells[CellMd5],
                  QString::fromLatin1(
                      QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex().toUpper()));
    }
    EXPECT_FALSE(state.okForAll);
}

TEST_F(AdderFixture, RowsMadeOnAllCoresComeInTheOrderOfOneThread)
{
    // Many folders, links to files and to folders, a dangling link and an empty folder.
    for (int f = 0; f < 30; ++f)
        for (int i = 0; i < 25; ++i)
            makeFile(root + QStringLiteral("/d%1/s%2/n%3.txt").arg(f).arg(f % 3).arg(i),
                     QByteArray(f * i, 'a' + i % 26));
    QDir().mkpath(root + QStringLiteral("/empty"));
    QFile::link(root + QStringLiteral("/d1/s1/n3.txt"), root + QStringLiteral("/d2/link.txt"));
    QFile::link(root + QStringLiteral("/d3"), root + QStringLiteral("/d4/folder-link"));
    QFile::link(root + QStringLiteral("/nowhere"), root + QStringLiteral("/d5/dangling.txt"));
    state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum"), true);
    state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum_sha1"), true);

    adder.addFolderFiles(root);

    // The same rows made one after another on this thread.
    const RowRules rules{german, ZoneBias::at(std::time(nullptr)), adder.daylightCorrection(),
                         Language::German, checksumPlan(state.settings, Language::German)};
    FileRowMaker maker(rules);
    const QVector<FoundFile> found = walkFolderFiles(root, {QStringLiteral(".*")}, true);
    ASSERT_EQ(state.fileList.count(), found.size());
    EXPECT_EQ(found.size(), 30 * 25 + 1);
    for (int i = 0; i < found.size(); ++i) {
        const FileEntry expected = maker.fileRow(found[i].systemPath, found[i].facts);
        const FileEntry &row = state.fileList.at(i);
        ASSERT_EQ(row.path(), expected.path()) << i;
        for (int cell = 0; cell < CellCount; ++cell) {
            if (cell == CellAccessed) // reading the checksums touches it
                continue;
            EXPECT_EQ(row.cells[cell], expected.cells[cell]) << i << " cell " << cell;
        }
    }
}

TEST_F(AdderFixture, TheTypeFilterDecidesWhatAWalkFinds)
{
    makeFile(root + QStringLiteral("/readme.txt"));
    makeFile(root + QStringLiteral("/photo.jpg"));
    state.settings.setOn(SettingsWindow::PF, QStringLiteral("auswahl"), true);
    state.settings.setOn(SettingsWindow::PF, QStringLiteral("cb_text"), true);
    // ".txt" stands in the general and in the web list, so the file is found twice.
    adder.addFolderFiles(root);
    EXPECT_EQ(listedNames(), (QStringList{QStringLiteral("readme.txt"), QStringLiteral("readme.txt")}));
    // With the duplicate switch the second is refused without a message.
    state.fileList.clear();
    state.settings.setOn(MenuSwitch::RefuseDuplicates, true);
    adder.addFolderFiles(root);
    EXPECT_EQ(listedNames(), QStringList{QStringLiteral("readme.txt")});
    EXPECT_TRUE(feedback.messages.isEmpty());
    // A selection with nothing in it finds nothing.
    state.settings.setOn(SettingsWindow::PF, QStringLiteral("cb_text"), false);
    state.fileList.clear();
    adder.addFolderFiles(root);
    EXPECT_EQ(state.fileList.count(), 0);
}

TEST_F(AdderFixture, FolderRowsComeInPreOrderWithoutHiddenFolders)
{
    for (const char *name : {"b/b1/x", "a/a2/x", "a/a1/x", ".hidden/x", "top/x"})
        makeFile(root + u'/' + QString::fromUtf8(name));
    adder.addSubfolderRows(root, true);
    EXPECT_EQ(listedNames(),
              (QStringList{QStringLiteral("a"), QStringLiteral("a/a1"), QStringLiteral("a/a2"),
                           QStringLiteral("b"), QStringLiteral("b/b1"), QStringLiteral("top")}));
    state.fileList.clear();
    adder.addSubfolderRows(root, false);
    EXPECT_EQ(listedNames(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("top")}));
}

TEST_F(AdderFixture, RefreshingRewritesFactsButKeepsChecksums)
{
    const QString file = makeFile(root + QStringLiteral("/small.txt"), QByteArray(500, 'x'));
    makeFile(root + QStringLiteral("/dir.d/inner"), QByteArray(3000, 'x'));
    adder.addFile(file);
    adder.addFolderRow(root + QStringLiteral("/dir.d"));
    FileEntry marked = state.fileList.at(0);
    marked.cells[CellMd5] = QStringLiteral("KEPT");
    state.fileList.replace(0, marked);
    EXPECT_EQ(state.fileList.at(0).cells[CellSizeText], QStringLiteral("500 Byte"));

    adder.refreshRow(0);
    adder.refreshRow(1);
    adder.refreshRow(2); // no such row
    EXPECT_EQ(state.fileList.at(0).cells[CellSizeText], QStringLiteral("0,488 KB"));
    EXPECT_EQ(state.fileList.at(0).cells[CellMd5], QStringLiteral("KEPT"));
    EXPECT_EQ(state.fileList.at(0).cells[CellProgram], QStringLiteral("cat"));
    // A refreshed folder row reads the folder's own entry: no "DIR", no total.
    EXPECT_EQ(state.fileList.at(1).cells[CellFormat], QStringLiteral("D"));
    EXPECT_NE(state.fileList.at(1).cells[CellSizeBytes], QStringLiteral("3000"));
}

TEST_F(AdderFixture, WatchHandlersWorkBelowTheFolderFieldOnly)
{
    state.settings.setValue(SettingsWindow::PB, QStringLiteral("inp_ordner"), root);
    const QString direct = makeFile(root + QStringLiteral("/new.txt"), "1");
    const QString nested = makeFile(root + QStringLiteral("/sub/deep.txt"), "2");
    const QString outside = makeFile(folder.path() + QStringLiteral("-other/x.txt"), "3");

    state.settings.setOn(SettingsWindow::PB, QStringLiteral("inp_uv"), false);
    adder.onWatchedCreated(nested);
    adder.onWatchedCreated(outside);
    adder.onWatchedCreated(direct);
    EXPECT_EQ(listedNames(), QStringList{QStringLiteral("new.txt")});
    state.settings.setOn(SettingsWindow::PB, QStringLiteral("inp_uv"), true);
    adder.onWatchedCreated(nested);
    adder.onWatchedCreated(direct);
    EXPECT_EQ(listedNames(), (QStringList{QStringLiteral("new.txt"), QStringLiteral("sub/deep.txt"),
                                          QStringLiteral("new.txt")}));
    EXPECT_FALSE(state.okForAll);

    // Of two rows with one path, the later is renamed; the earlier is deleted next.
    const QString renamed = root + QStringLiteral("/renamed.txt");
    QFile::rename(direct, renamed);
    adder.onWatchedRenamed(direct, renamed);
    EXPECT_EQ(listedNames(), (QStringList{QStringLiteral("new.txt"), QStringLiteral("sub/deep.txt"),
                                          QStringLiteral("renamed.txt")}));
    EXPECT_EQ(state.fileList.at(2).name, QStringLiteral("renamed.txt"));
    adder.onWatchedDeleted(direct);
    adder.onWatchedDeleted(root + QStringLiteral("/never-listed.txt"));
    EXPECT_EQ(listedNames(), (QStringList{QStringLiteral("sub/deep.txt"), QStringLiteral("renamed.txt")}));

    makeFile(nested, QByteArray(2048, 'x'));
    adder.onWatchedUpdated(nested);
    EXPECT_EQ(state.fileList.at(0).cells[CellSizeText], QStringLiteral("2,000 KB"));

    // Without a folder in the field nothing reacts.
    state.settings.setValue(SettingsWindow::PB, QStringLiteral("inp_ordner"), QString());
    adder.onWatchedDeleted(nested);
    EXPECT_EQ(state.fileList.count(), 2);
}

TEST_F(AdderFixture, FoldersNamedLikeTextFilesAreWalkedAndMissingChoicesSkipped)
{
    makeFile(root + QStringLiteral("/notes.txt/inside.md"));
    adder.addFolderFiles(root + QStringLiteral("/notes.txt"));
    EXPECT_EQ(listedNames(), QStringList{QStringLiteral("notes.txt/inside.md")});
    // Names typed into the open dialog that name nothing add no row.
    adder.addChosenFiles(
        {root + QStringLiteral("/typed-but-missing.txt"), root + QStringLiteral("/notes.txt/inside.md")});
    EXPECT_EQ(state.fileList.count(), 2);
    EXPECT_TRUE(feedback.messages.isEmpty());
}
