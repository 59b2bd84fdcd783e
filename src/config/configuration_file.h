#pragma once
// Configurations: every stored setting of every window, written to and read from a
// configuration document (a .tbx file). A profile is a document holding only some keys.
#include "common/settings.h"
#include "config/ini_document.h"
#include "config/ini_file.h"

#include <QSize>
#include <QString>

// The quote guard: a text of at least two characters that starts and ends with ' (or with ")
// gets one more pair of the same quotes, so that reading, which removes one pair, gives it back.
QString guardQuotes(const QString &text);

// Every stored setting in the order of saving; keys the settings do not own stay untouched.
void writeConfiguration(const Settings &settings, IniDocument &document);
// The automatic-saving switches and the main-window settings of the profile groups checked in
// the profile window (section PSCH), with the column order when `opt_order` is checked.
void writeProfile(const Settings &settings, IniDocument &document);

// Applies every key of the document as if the user had set it, in the order of loading; a
// missing key keeps the current value except the keys with constant defaults. Placements
// larger than the screen are not taken (`screen` is the available size; an empty size takes
// everything). Ends with the default texts of the running language.
void applyConfiguration(Settings &settings, const IniDocument &document, const QSize &screen);

// The whole save and load of a file. A save keeps the lines it does not write and the file's
// encoding, and replaces the file only when complete; it throws TabulixError naming the path.
// Loading a missing file applies the constant defaults only, unless the caller needs the file;
// an unreadable one throws UnreadableIniFile.
void saveConfiguration(const Settings &settings, const QString &path);
void saveProfile(const Settings &settings, const QString &path);
void loadConfiguration(Settings &settings, const QString &path, const QSize &screen,
                       MissingIniFile missing = MissingIniFile::ReadsEmpty);
// The saving at the end of the program into the start configuration, as the switches of section
// AS choose: everything, the profile, or nothing.
void saveAutomatically(const Settings &settings, const QString &startConfiguration);

// Every setting of the reset back to its standard value in the running language.
void resetToStandard(Settings &settings);
