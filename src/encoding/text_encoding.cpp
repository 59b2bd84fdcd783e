#include "encoding/text_encoding.h"

#include "common/settings.h"

TextEncoding currentTextEncoding(const Settings &settings)
{
    for (const auto &[name, encoding] : textEncodingRadios)
        if (settings.isOn(SettingsWindow::EA, QString::fromUtf16(name)))
            return encoding;
    return TextEncoding::Utf8;
}

void setTextEncoding(Settings &settings, TextEncoding encoding)
{
    if (currentTextEncoding(settings) == encoding)
        return;
    // The first button of an encoding is its own; the later UTF-8 one is an alias.
    for (const auto &[name, buttonEncoding] : textEncodingRadios)
        if (buttonEncoding == encoding) {
            settings.setOn(SettingsWindow::EA, QString::fromUtf16(name), true);
            return;
        }
}
