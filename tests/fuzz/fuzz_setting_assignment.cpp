// `--set` assignments, one a line, on fresh settings: bad ones throw TabulixError, and whatever
// the good ones leave behind is listed in a form that sets it again.
#include "common/tabulix_error.h"
#include "config/setting_sections.h"
#include "fuzz_support.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A command line holds a few short assignments; long names only slow the search for the
    // nearest address.
    if (size > 512)
        return 0;
    Settings settings;
    const QStringList assignments = QString::fromUtf8(bytesOf(data, size)).split(u'\n');
    for (const QString &assignment : assignments.first(std::min<qsizetype>(assignments.size(), 8))) {
        try {
            applySettingAssignment(settings, assignment);
        } catch (const TabulixError &) {
        }
    }
    // Only what differs from a fresh start is set again: every assignment lists all addresses.
    // A place of the column order moves the kind it names there and shifts the places between,
    // so the places are set again all together, in order.
    const QStringList listed = listSettings(settings);
    const QStringList fresh = listSettings(Settings());
    Settings again;
    for (qsizetype index = 0; index < listed.size(); ++index)
        if (listed[index] != fresh[index] || listed[index].startsWith(u"PBRF."))
            applySettingAssignment(again, listed[index]);
    check(listSettings(again) == listed, "listed settings set the same settings again");
    return 0;
}
