#include "app/program_state.h"
#include "app/table_output.h"

#include <gtest/gtest.h>

namespace {

// A list of many rows that differ in name, size and path, some with CSV's special characters.
void fillRows(ProgramState &state, int count)
{
    QVector<FileEntry> rows;
    for (int i = 0; i < count; ++i) {
        FileEntry row;
        row.name =
            QStringLiteral("file %1%2.txt").arg(i).arg(i % 97 == 0 ? QStringLiteral(";\"x\"") : QString());
        row.cells[CellFormat] = QStringLiteral("TXT");
        row.cells[CellSizeText] = QString::number(i) + QStringLiteral(" Byte");
        row.bytes = i;
        row.cells[CellPath] = QStringLiteral("/data/") + row.name;
        rows.append(row);
    }
    state.fileList.append(rows);
}

QStringList inBlocks(const ProgramState &state)
{
    QStringList lines;
    EXPECT_TRUE(writeOutputInBlocks(state, LocaleFormat::system(), [&](const QStringList &block) {
        lines += block;
        return true;
    }));
    return lines;
}

} // namespace

TEST(TableOutput, CsvInBlocksGivesTheLinesOfTheWholeTable)
{
    ProgramState state;
    state.settings.setValue(SettingsWindow::PB, QStringLiteral("out_format"),
                            QStringLiteral("Comma Separated Values (*.csv)"));
    state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_pfad"), true);
    ASSERT_TRUE(outputInBlocks(state));
    fillRows(state, 20000); // more than two blocks
    const QStringList whole = buildOutputLines(state, LocaleFormat::system());
    ASSERT_EQ(whole.size(), 20001); // the header and every row
    EXPECT_EQ(inBlocks(state), whole);

    state.settings.setOn(SettingsWindow::PB, QStringLiteral("des_allg_spaltenheader"), false);
    EXPECT_EQ(inBlocks(state), buildOutputLines(state, LocaleFormat::system()));

    // A failed write ends the output at once.
    int blocks = 0;
    EXPECT_FALSE(writeOutputInBlocks(state, LocaleFormat::system(), [&](const QStringList &) {
        ++blocks;
        return false;
    }));
    EXPECT_EQ(blocks, 1);

    // Grouped tables and other formats are made whole.
    state.settings.setOn(SettingsWindow::PB, QStringLiteral("des_grup_ja"), true);
    EXPECT_FALSE(outputInBlocks(state));
    state.settings.setOn(SettingsWindow::PB, QStringLiteral("des_grup_ja"), false);
    state.settings.setValue(SettingsWindow::PB, QStringLiteral("out_format"),
                            QStringLiteral("Textdatei (*.txt)"));
    EXPECT_FALSE(outputInBlocks(state));
}
