// The table of any rows under any settings, in every text format: filling the columns and cells
// and laying them out must hold up whatever the cells and options say.
#include "common/settings.h"
#include "fuzz_support.h"
#include "table/act_array_fill.h"
#include "table/table_layout.h"

#include <QGuiApplication>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr OutputFormat textFormats[] = {OutputFormat::Txt, OutputFormat::Csv, OutputFormat::Htm};

QString textOf(FuzzedDataProvider &input, size_t maxLength = 24)
{
    return QString::fromStdString(input.ConsumeRandomLengthString(maxLength));
}

// A stored value, a small number, or any text.
QString valueOf(FuzzedDataProvider &input)
{
    const QVector<SettingDefinition> &definitions = settingDefinitions();
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return QString::fromUtf8(
            definitions[input.ConsumeIntegralInRange<qsizetype>(0, definitions.size() - 1)].value);
    case 1:
        return QString::number(input.ConsumeIntegralInRange(-2, 12));
    default:
        return textOf(input);
    }
}

void changeSettings(FuzzedDataProvider &input, Settings &settings)
{
    settings.setLanguage(input.ConsumeBool() ? Language::English : Language::German);
    const QVector<SettingDefinition> &definitions = settingDefinitions();
    for (int change = input.ConsumeIntegralInRange(0, 40); change > 0; --change) {
        const SettingDefinition &definition =
            definitions[input.ConsumeIntegralInRange<qsizetype>(0, definitions.size() - 1)];
        const QString name = QString::fromUtf8(definition.name);
        if (isSwitchKind(definition.kind))
            settings.setOn(definition.window, name, input.ConsumeBool());
        else
            settings.setValue(definition.window, name, valueOf(input));
    }
    QStringList order = settings.columnOrder();
    for (qsizetype index = order.size() - 1; index > 0; --index)
        order.swapItemsAt(index, input.ConsumeIntegralInRange<qsizetype>(0, index));
    settings.setColumnOrder(order);
}

QDateTime timeOf(FuzzedDataProvider &input)
{
    if (input.ConsumeBool())
        return {};
    return QDateTime(QDate(1601, 1, 1).addDays(input.ConsumeIntegralInRange<qint64>(0, 3067000)),
                     QTime(0, 0).addSecs(input.ConsumeIntegralInRange(0, 86399)), Qt::UTC);
}

FileEntry rowOf(FuzzedDataProvider &input, const LocaleFormat &locale)
{
    FileEntry row;
    row.cells[CellPath] = textOf(input, 64);
    row.name = textOf(input);
    for (int cell = 0; cell < CellCount; ++cell)
        if (cell != CellPath)
            row.cells[cell] = textOf(input);
    row.bytes = input.ConsumeIntegralInRange<qint64>(0, qint64(1) << 50);
    row.created = timeOf(input);
    row.accessed = timeOf(input);
    row.changed = timeOf(input);
    if (input.ConsumeBool())
        row.cells[CellCreated] = locale.dateTimeText(row.created);
    return row;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv); // measures the fonts of pictures and wide columns
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    static const LocaleFormat us = LocaleFormat::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    FuzzedDataProvider input(data, size);
    const OutputFormat format = input.PickValueInArray(textFormats);
    const LocaleFormat &locale = input.ConsumeBool() ? us : german;
    Settings settings;
    changeSettings(input, settings);
    settings.setValue(SettingsWindow::PB, QStringLiteral("out_format"),
                      outFormatItem(format, settings.language()));
    QVector<FileEntry> rows;
    ListTotals totals;
    for (int count = input.ConsumeIntegralInRange(0, 8); count > 0; --count) {
        rows.append(rowOf(input, locale));
        totals.files += 1;
        totals.bytes += rows.last().bytes;
    }
    const TableCells table = fillActArray(rows, settings, locale, format);
    layOutTable(table.actArray, table.cellTable, settings, format, settings.language(), locale, totals);
    return 0;
}
