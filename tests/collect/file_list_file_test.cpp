#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/file_list_file.h"
#include "collect_test_support.h"
#include "common/tabulix_error.h"
#include "encoding_test_support.h"
#include "text_list.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList paths = {QStringLiteral("/tmp/Übersicht.png"), QStringLiteral("/srv/日本/") +
                                                                     QString::fromUtf8("\xF0\x9F\x98\x80") +
                                                                     QStringLiteral(".txt")};
const QString listText = paths.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");

// The text in a Unicode form as another program writes it: the mark, then the bare encoding.
QByteArray written(const char *mark, qsizetype markSize, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding);
    return QByteArray(mark, markSize) + QByteArray(encoder.encode(listText));
}

QStringList withLastLine(QStringList lines)
{
    lines.append(QString());
    return lines;
}

} // namespace

TEST(FileListFile, EveryMarkedEncodingReadsTheSamePaths)
{
    const struct {
        const char *name;
        QByteArray bytes;
    } files[] = {
        {"UTF-8", written("\xEF\xBB\xBF", 3, QStringConverter::Utf8)},
        {"UTF-16 LE", written("\xFF\xFE", 2, QStringConverter::Utf16LE)},
        {"UTF-16 BE", written("\xFE\xFF", 2, QStringConverter::Utf16BE)},
        {"UTF-32 LE", written("\xFF\xFE\x00\x00", 4, QStringConverter::Utf32LE)},
        {"UTF-32 BE", written("\x00\x00\xFE\xFF", 4, QStringConverter::Utf32BE)},
        // The signature with its closing "-", then paths starting with "/".
        {"UTF-7", "+/v8-/tmp/+ANw-bersicht.png\r\n/srv/+ZeVnLA-/+2D3eAA-.txt\r\n"},
    };
    for (const auto &file : files)
        EXPECT_EQ(readFileList(file.bytes), withLastLine(paths)) << file.name << ": " << hex(file.bytes);
}

TEST(FileListFile, OddValuesAndTrailingBytes)
{
    // UTF-32: no code point becomes "?", a trailing part of fewer than four bytes is dropped.
    EXPECT_EQ(decodeFileListText(QByteArray("\xFF\xFE\x00\x00"
                                            "a\0\0\0"
                                            "\x00\xD8\0\0"
                                            "\0\0\x11\0"
                                            "b\0\0",
                                            19)),
              QStringLiteral("a??"));
    EXPECT_EQ(decodeFileListText(QByteArray("\0\0\xFE\xFF"
                                            "\0\x01\xF6\x00",
                                            8)),
              QString::fromUtf8("\xF0\x9F\x98\x80"));
    // UTF-16: an odd last byte is dropped; a mark alone is no text.
    EXPECT_EQ(decodeFileListText(QByteArray("\xFF\xFE"
                                            "a\0b",
                                            5)),
              QStringLiteral("a"));
    EXPECT_EQ(decodeFileListText("\xFE\xFF"), QString());
    EXPECT_EQ(decodeFileListText("\xFE\xFF\x00"), QString());
    // A U+FEFF behind the UTF-8 mark is part of the text.
    EXPECT_EQ(decodeFileListText("\xEF\xBB\xBF\xEF\xBB\xBF"
                                 "a"),
              QStringLiteral("\uFEFFa"));
    // Damaged UTF-8 behind the mark reads as replacement characters.
    EXPECT_EQ(decodeFileListText("\xEF\xBB\xBF"
                                 "a\xC3"
                                 "b"),
              QStringLiteral("a\uFFFDb"));
}

TEST(FileListFile, Utf7ThatCannotBeDecodedFails)
{
    EXPECT_EQ(readFileList("+/v8-/tmp/caf\xE9"), std::nullopt);
    EXPECT_EQ(readFileList("+/v8-/tmp/+!"), std::nullopt);
    EXPECT_EQ(readFileList("+/v8"), QStringList{QString()});

    QTemporaryDir folder;
    const QString list = makeFile(folder.filePath(QStringLiteral("list.txt")), "+/v8-/tmp/+AH5-\r\n");
    try {
        readFileListFile(list);
        ADD_FAILURE() << "no error";
    } catch (const TabulixError &error) {
        EXPECT_EQ(error.message(), u"Invalid UTF7");
    }
}

TEST(FileListFile, LinesEndAtCrLfAndAtALoneLfOrCr)
{
    EXPECT_EQ(fileListLines(u"a\r\nb\nc\rd\r\n"), textList({"a", "b", "c", "d", ""}));
    EXPECT_EQ(fileListLines(u"a\n\rb"), textList({"a", "", "b"}));
    EXPECT_EQ(fileListLines(u"a\r\r\n"), textList({"a", "", ""}));
    EXPECT_EQ(fileListLines(u"  a b \t"), textList({"  a b \t"})); // nothing is trimmed
    EXPECT_EQ(fileListLines(u""), textList({""}));
}

TEST(FileListFile, UnmarkedBytesAreUtf8WhenValidElseWindows1252)
{
    // As find writes it: UTF-8 without a mark, LF after every line.
    EXPECT_EQ(readFileList("/tmp/\xC3\x9C"
                           "bersicht.png\n/tmp/b\n"),
              textList({"/tmp/Übersicht.png", "/tmp/b", ""}));
    EXPECT_EQ(readFileList("/tmp/caf\xE9 \x80\r\n"), textList({"/tmp/café €", ""}));
    // Bytes that only begin a mark are plain 8-bit text.
    EXPECT_EQ(decodeFileListText("\xEF\xBB"), QStringLiteral("ï»"));
    EXPECT_EQ(decodeFileListText(QByteArray("\0\0\xFE", 3)), QString(QChar(0)) + QChar(0) + QChar(0xFE));
    EXPECT_EQ(decodeFileListText("+/v"), QStringLiteral("+/v"));
    EXPECT_EQ(decodeFileListText("\xFF"), QStringLiteral("ÿ"));
    EXPECT_EQ(decodeFileListText(""), QString());
}

TEST(FileListFile, WrittenAsUtf8WithMarkAndCrLfThroughTheTextWriter)
{
    QTemporaryDir folder;
    const QString list = makeFile(folder.filePath(QStringLiteral("list.txt")), "old content that is longer");
    const auto noPicture = [](const QString &, const QString &) { ADD_FAILURE() << "picture drawn"; };
    writeFileList({QStringLiteral("/tmp/Ü"), QStringLiteral("/tmp/folder")}, list, noPicture);
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(hex(file.readAll()), hex("\xEF\xBB\xBF/tmp/\xC3\x9C\r\n/tmp/folder\r\n"));

    QString drawn;
    writeFileList({QStringLiteral("/a")}, folder.filePath(QStringLiteral("list.JPG")),
                  [&drawn](const QString &text, const QString &) { drawn = text; });
    EXPECT_EQ(drawn, u"/a\r\n");
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("list.JPG"))));

    EXPECT_THROW(
        writeFileList({QStringLiteral("/a")}, folder.filePath(QStringLiteral("none/list.txt")), noPicture),
        TabulixError);
}

TEST(FileListFile, ListFilesThatCannotBeReadThrowWithTheReason)
{
    QTemporaryDir folder;
    for (const QString &path : {folder.filePath(QStringLiteral("missing.txt")), folder.path()}) {
        try {
            readFileListFile(path);
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const TabulixError &error) {
            EXPECT_TRUE(error.message().startsWith(u"Cannot read file \"" + path + u"\". "))
                << error.message().toStdString();
        }
    }
}

namespace {

class ListFeedback : public AddingFeedback {
public:
    void showProgress(const ProgressText &) override { events.append(QStringLiteral("progress")); }
    void suspendListPainting(bool suspended) override
    {
        events.append(suspended ? QStringLiteral("suspend") : QStringLiteral("resume"));
    }
    void updateCountLabel() override { events.append(QStringLiteral("count")); }
    void refreshPreviewIfOn() override { events.append(QStringLiteral("preview")); }
    void showMessage(const QString &key, const QString &) override { events.append(key); }
    QStringList events;
};

} // namespace

TEST(FileListFile, ListedFilesAreAddedFoldersAndMissingPathsSkipped)
{
    QTemporaryDir folder;
    const QString first = makeFile(folder.filePath(QStringLiteral("Übersicht.png")), "x");
    const QString second = makeFile(folder.filePath(QStringLiteral("sub/b.txt")), "yy");
    const QString text = first + u"\r\n" + folder.filePath(QStringLiteral("sub")) + u"\r\n" + folder.path() +
                         u"/missing\r\n\r\n" + second + u" \r\n" + second + u"\r\n";
    // UTF-32 little-endian: its mark begins like that of UTF-16, the first path must survive.
    const QString list = makeFile(folder.filePath(QStringLiteral("list.txt")),
                                  QByteArray("\xFF\xFE\x00\x00", 4) +
                                      QByteArray(QStringEncoder(QStringConverter::Utf32LE).encode(text)));

    ProgramState state;
    state.settings.setOn(MenuSwitch::RefuseDuplicates, false);
    ListFeedback feedback;
    FileAdder adder(state, feedback, nullptr);
    // The folder, the missing path and the path with a trailing blank; the empty lines do not count.
    EXPECT_EQ(adder.addListedFiles(readFileListFile(list)), 3);
    ASSERT_EQ(state.fileList.count(), 2);
    EXPECT_EQ(state.fileList.at(0).path(), first);
    EXPECT_EQ(state.fileList.at(1).path(), second);
    EXPECT_EQ(state.fileList.at(1).bytes, 2);
    // The rows changed, so the preview follows, as after every other adding.
    EXPECT_EQ(feedback.events, textList({"suspend", "resume", "count", "preview"}));
    EXPECT_FALSE(state.okForAll);

    // A duplicate refused by the switch shows its message each time.
    state.settings.setOn(MenuSwitch::RefuseDuplicates, true);
    feedback.events.clear();
    EXPECT_EQ(adder.addListedFiles({first, first}), 0);
    EXPECT_EQ(state.fileList.count(), 2);
    EXPECT_EQ(feedback.events,
              textList({"suspend", "dateischoninliste", "dateischoninliste", "resume", "count", "preview"}));

    // As find -print0 writes: one line whose first part names a file.
    EXPECT_EQ(adder.addListedFiles({first + QChar(0) + second + QChar(0)}), 1);
    EXPECT_EQ(state.fileList.count(), 2);
}
