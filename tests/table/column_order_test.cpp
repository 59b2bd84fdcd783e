#include "common/settings.h"
#include "table/column_kinds.h"
#include "table/column_order.h"
#include "table/grouping.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> kindNumbers(const ColumnOrderTable &table)
{
    std::vector<int> numbers;
    for (const ColumnKind kind : table.kindsInOrder())
        numbers.push_back(int(kind));
    return numbers;
}

const std::vector<int> defaultNumbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

} // namespace

TEST(ColumnKinds, TablesAgreeWithTheFreshStartSettings)
{
    Settings settings;
    QStringList german, english;
    for (int number = 1; number <= ColumnKindCount; ++number) {
        const ColumnKind kind = ColumnKind(number);
        german.append(orderItemText(kind, Language::German));
        english.append(orderItemText(kind, Language::English));
        if (kind == ColumnKind::Checksums)
            continue;
        const ColumnKindInfo &info = columnKindInfo(kind);
        EXPECT_EQ(settings.value(*info.header), headerDefault(kind, Language::German));
        EXPECT_EQ(settings.isOn(*info.rightAlign), kind == ColumnKind::Size);
    }
    EXPECT_EQ(german, defaultColumnOrder(Language::German));
    EXPECT_EQ(english, defaultColumnOrder(Language::English));
    EXPECT_EQ(headerDefault(ColumnKind::Program, Language::English), QStringLiteral("Associated with"));

    const QStringList groups = groupChoiceItems(Language::German);
    EXPECT_EQ(groups.size(), 13);
    EXPECT_EQ(groups.first(), QStringLiteral("Ordner"));
    EXPECT_EQ(groups.last(), QStringLiteral("Prüfsummen"));
    EXPECT_EQ(groups.indexOf(settings.value(SettingsWindow::PB, QStringLiteral("des_grup"))), 3);
    EXPECT_EQ(groupChoiceItems(Language::English)[3], QStringLiteral("Windows Type"));
    EXPECT_EQ(groupChoiceOf(QStringLiteral("Folder and File")),
              groupChoiceOf(QStringLiteral("Ordner und Datei")));
    EXPECT_EQ(groupChoiceOf(QStringLiteral("ordner")), nullptr); // exact, case-sensitive
}

TEST(ColumnOrderTable, FollowsTheOrderListAndTheActivationChecks)
{
    Settings settings;
    ColumnOrderTable table = ColumnOrderTable::fromSettings(settings);
    EXPECT_EQ(kindNumbers(table), defaultNumbers);
    for (int number = 1; number <= ColumnKindCount; ++number)
        EXPECT_EQ(table.active(ColumnKind(number)), number == 1 || number == 4 || number == 5) << number;

    QStringList order = defaultColumnOrder(Language::English);
    order.move(11, 0); // "12 Checksums" to the top
    order.swapItemsAt(1, 5);
    settings.setColumnOrder(order);
    settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum"), true);
    settings.setOn(SettingsWindow::PB, QStringLiteral("act_name"), false);
    table = ColumnOrderTable::fromSettings(settings);
    EXPECT_EQ(kindNumbers(table), (std::vector<int>{12, 5, 2, 3, 4, 1, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(table.position(ColumnKind::Checksums), 0);
    EXPECT_EQ(table.position(ColumnKind::FileName), 5);
    EXPECT_TRUE(table.active(ColumnKind::Checksums));
    EXPECT_FALSE(table.active(ColumnKind::FileName));
}

TEST(ColumnOrderTable, DamagedOrderListFallsBackToKindOrder)
{
    EXPECT_EQ(kindOfOrderItem(QStringLiteral("07 Geändert")), ColumnKind::Changed);
    EXPECT_EQ(kindOfOrderItem(QStringLiteral("12")), ColumnKind::Checksums);
    EXPECT_EQ(kindOfOrderItem(QStringLiteral("7 Geändert")), std::nullopt);
    EXPECT_EQ(kindOfOrderItem(QStringLiteral("13 Neu")), std::nullopt);
    EXPECT_EQ(kindOfOrderItem(QStringLiteral("00")), std::nullopt);
    EXPECT_EQ(kindOfOrderItem(QString()), std::nullopt);

    const QStringList intact = defaultColumnOrder(Language::German);
    QStringList reversed = intact;
    std::reverse(reversed.begin(), reversed.end());
    QStringList unnumbered = reversed, twice = reversed, shortList = reversed, longList = reversed;
    unnumbered[3] = QStringLiteral("Dateigröße");
    twice[3] = twice[4];
    shortList.removeLast();
    longList.append(QStringLiteral("13 Extra"));

    Settings settings;
    settings.setColumnOrder(reversed);
    EXPECT_EQ(ColumnOrderTable::fromSettings(settings).position(ColumnKind::FileName), 11);
    for (const QStringList &damaged : {unnumbered, twice, shortList, longList, QStringList()}) {
        EXPECT_EQ(orderPositions(damaged), std::nullopt) << damaged.join(u',').toStdString();
        settings.setColumnOrder(damaged);
        EXPECT_EQ(kindNumbers(ColumnOrderTable::fromSettings(settings)), defaultNumbers);
    }
}
