// tabulix-cli as a real process on a generated folder, compared with expected outputs.
#include "cli_table_folder.h"
#include "cli_test_support.h"
#include "file_write_test_support.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(CliE2e, WholeOutputsOfTheTextFormats)
{
    GeneratedFolder folder;
    for (const auto &[format, file] :
         {std::pair{"txt", "liste.txt"}, std::pair{"csv", "liste.csv"}, std::pair{"htm", "liste.htm"}}) {
        SCOPED_TRACE(format);
        const CliRun run =
            runCli(tableOptions + QStringList{QStringLiteral("--format"), QString::fromUtf8(format),
                                              QStringLiteral("liste")},
                   folder.root.path());
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(run.out, expected(file));
    }
    // Grouped by format, with the path column moved to the front.
    const CliRun grouped = runCli(
        tableOptions + QStringList{QStringLiteral("--set"), QStringLiteral("PBRB.des_grup_ja=1"),
                                   QStringLiteral("--set"), QStringLiteral("PBCB.des_grup=Format"),
                                   QStringLiteral("--set"), QStringLiteral("PBCH.act_pfad=1"),
                                   QStringLiteral("--set"), QStringLiteral("PBCH.act_pfad_datei=0"),
                                   QStringLiteral("--set"), QStringLiteral("PBCH.act_pfad_direkterordner=1"),
                                   QStringLiteral("--set"), QStringLiteral("PBRF.r0=11 Dateipfad"),
                                   QStringLiteral("liste")},
        folder.root.path());
    EXPECT_EQ(grouped.exitCode, 0) << grouped.err.constData();
    EXPECT_EQ(grouped.out, expected("liste_gruppiert.txt"));
}

TEST(CliE2e, EnglishRunsWriteTheEnglishDefaultTexts)
{
    GeneratedFolder folder;
    const QStringList english = {QStringLiteral("--lang"), QStringLiteral("en"),
                                 QStringLiteral("--set"),  QStringLiteral("PBCH.act_datum_erstellt=0"),
                                 QStringLiteral("--set"),  QStringLiteral("PBCH.act_datum_changed=1"),
                                 QStringLiteral("--set"),  QStringLiteral("PBCH.act_attribute_hidden=1"),
                                 QStringLiteral("--set"),  QStringLiteral("PBCH.des_allg_header_cb=1"),
                                 QStringLiteral("--set"),  QStringLiteral("PBRB.des_grup_ja=1"),
                                 QStringLiteral("--set"),  QStringLiteral("PBCB.des_grup=Format"),
                                 QStringLiteral("liste")};
    for (const auto &[format, file] : {std::pair{"txt", "list_en.txt"}, std::pair{"htm", "list_en.htm"}}) {
        SCOPED_TRACE(format);
        const CliRun run =
            runCli(english + QStringList{QStringLiteral("--format"), QString::fromUtf8(format)},
                   folder.root.path(), QStringLiteral("en_US.UTF-8"));
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(run.out, expected(file));
    }
    // The stored column order speaks the run's language too.
    const CliRun listed =
        runCli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--list-settings")},
               folder.root.path(), QStringLiteral("en_US.UTF-8"));
    EXPECT_TRUE(listed.out.contains("\nPBRF.r0=01 Filename\n")) << listed.out.constData();
    EXPECT_TRUE(listed.out.contains("\nPBCB.out_format=Text File (*.txt)\n"));
    EXPECT_TRUE(listed.out.contains("\nPBCB.des_grup=Windows Type\n"));
}

TEST(CliE2e, SavedFilesAreWhatTheSaveCommandWrites)
{
    GeneratedFolder folder;
    const QString saved = folder.root.filePath(QStringLiteral("out.txt"));
    CliRun run = runCli(tableOptions + QStringList{QStringLiteral("-o"), saved, QStringLiteral("liste")},
                        folder.root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    // UTF-8 with its byte-order mark and CR LF after every line, the standard output's text otherwise.
    EXPECT_EQ(contentOf(saved), "\xEF\xBB\xBF" + expected("liste.txt").replace("\n", "\r\n"));

    const QString picture = folder.root.filePath(QStringLiteral("liste.gif"));
    run = runCli(tableOptions + QStringList{QStringLiteral("--format"), QStringLiteral("gif"),
                                            QStringLiteral("-o"), picture, QStringLiteral("liste")},
                 folder.root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QImage image(picture);
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 100);
}

TEST(CliE2e, UsageAndWriteErrorsHaveTheirExitCodes)
{
    GeneratedFolder folder;
    CliRun run = runCli({QStringLiteral("--set"), QStringLiteral("PBCH.act_pfd=1"), QStringLiteral("liste")},
                        folder.root.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("PBCH.act_pfad")) << run.err.constData();

    run = runCli({QStringLiteral("--format"), QStringLiteral("bmp"), QStringLiteral("liste")},
                 folder.root.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("-o")) << run.err.constData();

    run = runCli({QStringLiteral("-o"), folder.root.filePath(QStringLiteral("missing/out.txt")),
                  QStringLiteral("liste")},
                 folder.root.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Cannot create file")) << run.err.constData();

    run = runCli({QStringLiteral("--list-settings")}, folder.root.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("\nES.OR=0\n")) << run.out.constData();
    EXPECT_TRUE(run.out.contains("\nPBRF.r0=01 Dateiname\n"));
}
