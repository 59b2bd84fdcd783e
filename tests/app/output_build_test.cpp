#include "app/latest_build.h"
#include "app/output_build.h"
#include "app/program_state.h"
#include "app/table_output.h"

#include <QSemaphore>
#include <QTextDocument>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const std::atomic_bool keepGoing = false;

} // namespace

TEST(OutputBuild, TheTextBreaksIntoTheLinesOfATextViewAndAStopEndsIt)
{
    // Lines of every ending, many of them, the longest in the middle.
    QString text;
    for (int i = 0; i < 200000; ++i)
        text += QStringLiteral("Zeile %1%2").arg(i).arg(i == 1234 ? QStringLiteral(" lang") : QString()) +
                (i % 4 == 0 ? u"\r\n" : i % 4 == 1 ? u"\n" : i % 4 == 2 ? u"\r" : u"\u2029");
    text += QStringLiteral("ohne Zeilenende");
    QTextDocument document;
    document.setPlainText(text);

    const TextLines lines(text);
    ASSERT_EQ(lines.count(), document.blockCount());
    EXPECT_EQ(lines.joined(0, lines.count() - 1), document.toPlainText());
    EXPECT_EQ(lines.line(1234), QStringLiteral("Zeile 1234 lang"));
    EXPECT_EQ(lines.longest(), 1234);
    EXPECT_EQ(lines.whole(), text);
    // A line end at the end leaves one empty line, as in the view's document.
    document.setPlainText(QStringLiteral("a\r\n"));
    EXPECT_EQ(TextLines(QStringLiteral("a\r\n")).count(), document.blockCount());
    EXPECT_EQ(TextLines().count(), 1);

    const std::atomic_bool stopped = true;
    EXPECT_FALSE(TextLines::broken(text, stopped));
    EXPECT_TRUE(TextLines::broken(text, keepGoing));
}

TEST(OutputBuild, TheOutputIsTheTableOfItsSourcesHoweverTheStateChangesAfterwards)
{
    ProgramState state;
    state.settings.setOn(SettingsWindow::PB, QStringLiteral("des_allg_header_cb"), true);
    state.settings.setValue(SettingsWindow::PB, QStringLiteral("des_allg_header"), QStringLiteral("Liste"));
    for (const char *name : {"a.txt", "b.txt"}) {
        FileEntry row;
        row.name = QString::fromUtf8(name);
        row.bytes = 3;
        state.fileList.append(row);
    }
    const QStringList lines = buildOutputLines(state, LocaleFormat::system());
    const OutputSources sources = outputSources(state, LocaleFormat::system());
    state.settings.setValue(SettingsWindow::PB, QStringLiteral("des_allg_header"), QStringLiteral("Neu"));
    state.fileList.clear();

    std::optional<BuiltOutput> output = buildOutput(sources, keepGoing);
    ASSERT_TRUE(output);
    EXPECT_EQ(output->lines, lines);
    EXPECT_TRUE(output->lines.join(u'\n').contains(u"Liste"));
    EXPECT_EQ(output->text.whole(), outputText(lines, OutputFormat::Txt, true));

    const std::atomic_bool stopped = true;
    EXPECT_FALSE(buildOutput(sources, stopped));
}

TEST(OutputBuild, OnlyTheNewestWorkAskedForIsDelivered)
{
    QObject owner;
    QStringList delivered;
    LatestBuild<QString> build(owner, [&](QString result) { delivered.append(result); });

    // The first piece runs until the test lets it go; two more are asked for meanwhile.
    QSemaphore started, release;
    std::atomic_bool firstSawStop = false;
    std::atomic_int ran = 0;
    build.ask([&](const std::atomic_bool &stop) {
        started.release();
        release.acquire();
        firstSawStop = stop.load();
        ++ran;
        return QStringLiteral("first");
    });
    ASSERT_TRUE(started.tryAcquire(1, 10000));
    for (const QString &name : {QStringLiteral("second"), QStringLiteral("third")})
        build.ask([&ran, name](const std::atomic_bool &) {
            ++ran;
            return name;
        });
    EXPECT_TRUE(build.busy());
    release.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !build.busy(); }));
    EXPECT_TRUE(firstSawStop);
    EXPECT_EQ(ran, 2); // the second was overtaken before it started
    EXPECT_EQ(delivered, QStringList{QStringLiteral("third")});

    // Dropped work runs out but is never delivered.
    build.ask([](const std::atomic_bool &) { return QStringLiteral("dropped"); });
    build.drop();
    EXPECT_FALSE(build.busy());
    build.ask([](const std::atomic_bool &) { return QStringLiteral("last"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !build.busy(); }));
    EXPECT_EQ(delivered, (QStringList{QStringLiteral("third"), QStringLiteral("last")}));
}
