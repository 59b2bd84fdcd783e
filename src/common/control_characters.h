#pragma once
// Control characters in texts that reach a table or a terminal, where they would break lines
// or steer the terminal.
#include <QString>

// The text with every control character (U+0000-U+001F, U+007F-U+009F) except those in kept
// replaced by "?".
QString controlsAsQuestionMarks(const QString &text, QStringView kept = {});
