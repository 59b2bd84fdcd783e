#pragma once
// The start window's splash: its pictures and the rules of its timer.
#include "common/language.h"

#include <QImage>
#include <QString>

// What the start window does on a timer tick (the counter already raised).
struct SplashTick {
    bool showMainWindow = false;  // ticks 4 to 8: show and raise the main window
    bool hideStartWindow = false; // from tick 6
    bool stopTimer = false;       // from tick 8
};
SplashTick splashTick(int tick);

inline constexpr int SplashTimerInterval = 600; // milliseconds

// The splash picture of a language ("de" or anything else for English), drawn here so the
// program ships no picture files.
QImage splashPicture(Language language);
