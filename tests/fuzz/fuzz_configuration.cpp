// A configuration file of any bytes loads without harm, and what it leaves in the settings is
// saved in a form that loads the same settings again.
#include "common/settings.h"
#include "config/configuration_file.h"
#include "fuzz_support.h"

namespace {

QByteArray savedBytes(const Settings &settings)
{
    IniDocument document;
    writeConfiguration(settings, document);
    return document.toBytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Settings settings;
    applyConfiguration(settings, IniDocument::fromBytes(bytesOf(data, size)), QSize(1920, 1080));
    check(settings.columnOrder().size() == 12, "the column order keeps its twelve entries");

    const QByteArray saved = savedBytes(settings);
    Settings again;
    applyConfiguration(again, IniDocument::fromBytes(saved), QSize());
    check(savedBytes(again) == saved, "a saved configuration loads the same settings");
    return 0;
}
