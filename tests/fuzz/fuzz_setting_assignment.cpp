// `--set` assignments, one a line, on fresh settings: bad ones throw TabulixError, and whatever
// the good ones leave behind is listed in a form that sets it again.
#include "common/tabulix_error.h"
#include "config/setting_sections.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Assignments on a command line are short; long ones only slow the search for the nearest name.
    if (size > 512)
        return 0;
    Settings settings;
    for (const QString &assignment : QString::fromUtf8(bytesOf(data, size)).split(u'\n')) {
        try {
            applySettingAssignment(settings, assignment);
        } catch (const TabulixError &) {
        }
    }
    // Only what differs from a fresh start is set again: every assignment lists all addresses.
    const QStringList listed = listSettings(settings);
    const QStringList fresh = listSettings(Settings());
    Settings again;
    for (qsizetype index = 0; index < listed.size(); ++index)
        if (listed[index] != fresh[index])
            applySettingAssignment(again, listed[index]);
    check(listSettings(again) == listed, "listed settings set the same settings again");
    return 0;
}
