#include "encoding/text_encoding.h"

#include "common/settings.h"

TextEncoding currentTextEncoding(const Settings &settings)
{
    for (const auto &[radio, encoding] : textEncodingRadios)
        if (settings.isOn(radio))
            return encoding;
    return TextEncoding::Utf8;
}

void setTextEncoding(Settings &settings, TextEncoding encoding)
{
    if (currentTextEncoding(settings) == encoding)
        return;
    // The first button of an encoding is its own; the later UTF-8 one is an alias.
    for (const auto &[radio, buttonEncoding] : textEncodingRadios)
        if (buttonEncoding == encoding) {
            settings.setOn(radio, true);
            return;
        }
}
