#include "app/latest_build.h"
#include "app/output_build.h"
#include "app/program_state.h"
#include "app/table_output.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const std::atomic_bool keepGoing = false;

} // namespace

TEST(OutputBuild, TheDocumentHoldsTheTextAsATextViewWouldAndAStopEndsIt)
{
    // Lines of every ending, long enough for many pieces, and CR LF pairs at every place a
    // piece could end.
    QString text;
    for (int i = 0; i < 30000; ++i)
        text += QStringLiteral("Zeile %1 mit Text").arg(i) + (i % 3 == 0   ? u"\r\n"
                                                              : i % 3 == 1 ? u"\n"
                                                                           : u"\r");
    text += QStringLiteral("ohne Zeilenende");
    QTextDocument whole;
    whole.setPlainText(text);

    const std::unique_ptr<QTextDocument> document = plainTextDocument(text, keepGoing);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->blockCount(), whole.blockCount());
    EXPECT_EQ(document->toPlainText(), whole.toPlainText());
    // Nothing of the making is left to undo.
    EXPECT_FALSE(document->isUndoAvailable());

    const std::atomic_bool stopped = true;
    EXPECT_FALSE(plainTextDocument(text, stopped));
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

    std::optional<BuiltOutput> output = buildOutput(sources, QThread::currentThread(), keepGoing);
    ASSERT_TRUE(output);
    EXPECT_EQ(output->lines, lines);
    EXPECT_TRUE(output->lines.join(u'\n').contains(u"Liste"));
    EXPECT_EQ(output->text, outputText(lines, OutputFormat::Txt, true));
    EXPECT_EQ(output->document->toPlainText(), QString(output->text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    const std::atomic_bool stopped = true;
    EXPECT_FALSE(buildOutput(sources, QThread::currentThread(), stopped));
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
