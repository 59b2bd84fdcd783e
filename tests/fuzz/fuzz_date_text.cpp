// Date texts of the table, in a German and an English locale: every time the program writes
// reads back exactly, and whatever text reads as a time writes as text that reads the same.
#include "common/locale_format.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

const LocaleFormat &formatOf(bool english)
{
    static const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    static const LocaleFormat us = LocaleFormat::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    return english ? us : german;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const LocaleFormat &format = formatOf(input.ConsumeBool());
    // File times run from 1601 to 9999, to the second.
    const QDate date = QDate(1601, 1, 1).addDays(input.ConsumeIntegralInRange<qint64>(0, 3067000));
    const QTime time = QTime(0, 0).addSecs(input.ConsumeIntegralInRange(0, 86399));
    const QDateTime when(date, time, Qt::UTC);
    check(format.parseDateTime(format.dateTimeText(when)) == when, "a written time reads back");

    const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    const QDateTime read = format.parseDateTime(text);
    if (read.isValid())
        check(format.parseDateTime(format.dateTimeText(read)) == read, "a read time writes and reads back");
    return 0;
}
