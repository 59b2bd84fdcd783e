#pragma once
// The menu check items as configuration files store them, in the order of writing.
#include "common/settings.h"

#include <string>

struct MenuSwitchKey {
    const char16_t *section;
    const char16_t *key;
    MenuSwitch menuSwitch;
    // What loading sets when the file lacks the key: 1 or 0, or -1 to keep the current state.
    int missingValue;
};

inline constexpr MenuSwitchKey menuSwitchKeys[] = {
    {u"ES", u"DA", MenuSwitch::AddFolderFiles, 1},   {u"ES", u"OR", MenuSwitch::AddFolderRows, 1},
    {u"ES", u"DO", MenuSwitch::RefuseDuplicates, 0}, {u"ES", u"DS", MenuSwitch::DaylightCorrection, 0},
    {u"PA", u"AI", MenuSwitch::ShowInput, 1},        {u"PA", u"AV", MenuSwitch::ShowPreview, 1},
    {u"PA", u"AA", MenuSwitch::ShowActions, 1},      {u"PA", u"AO", MenuSwitch::ShowOutput, 1},
    {u"AS", u"N", MenuSwitch::AutoSaveNever, -1},    {u"AS", u"P", MenuSwitch::AutoSaveProfile, -1},
    {u"AS", u"A", MenuSwitch::AutoSaveAll, -1},
};

// A key or section of the table as a string that shares the table's text instead of copying it.
inline QString staticText(const char16_t *text)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(text),
                                qsizetype(std::char_traits<char16_t>::length(text)));
}
