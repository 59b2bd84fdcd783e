#pragma once
// The encodings a text file can be written in, each known by its integer code, and the radio
// buttons of the output settings that choose the one for saved tables.
#include "common/setting_ids.h"

#include <QString>

class Settings;

enum class TextEncoding : int {
    Ansi = 0,
    Utf7 = 65000,            // with the signature U+FEFF in front
    Utf7NoSignature = 64999, // "UTF-7 saved as ANSI"
    Utf8 = 65001,            // with the byte-order mark EF BB BF
    Utf16LE = 1200,
    Utf16BE = 1201,
    Utf32LE = 65005,
    Utf32BE = 65006,
};

struct TextEncodingRadio {
    RadioSetting radio;
    TextEncoding encoding;
};

// The radio buttons in the window's order. Two of them stand for UTF-8: rb_beibehalten
// writes exactly what rb_utf8 writes.
inline constexpr TextEncodingRadio textEncodingRadios[] = {
    {EA::rb_ansi, TextEncoding::Ansi},
    {EA::rb_utf7, TextEncoding::Utf7},
    {EA::rb_utf7ansi, TextEncoding::Utf7NoSignature},
    {EA::rb_utf8, TextEncoding::Utf8},
    {EA::rb_beibehalten, TextEncoding::Utf8},
    {EA::rb_utf16le, TextEncoding::Utf16LE},
    {EA::rb_utf_be, TextEncoding::Utf16BE},
    {EA::rb_utf32le, TextEncoding::Utf32LE},
    {EA::rb_utf32be, TextEncoding::Utf32BE},
};

// The encoding of the radio button that is on; UTF-8, the fresh-start choice, when none is.
TextEncoding currentTextEncoding(const Settings &settings);

// Switches on the radio button of the encoding, unless the current choice already means it
// (so rb_beibehalten stays on for UTF-8). UTF-8 otherwise selects rb_utf8.
void setTextEncoding(Settings &settings, TextEncoding encoding);
