#pragma once
// The default application of a MIME type in the user's mimeapps.list. Every line of the user's
// stays as it was; only the one line of the type changes.

#include <QString>

// The text with "type=desktopId;" as the type's default: a line of that type in
// [Default Applications] is replaced, else the line is added at the top of the group, and the
// group is added at the end when it is missing.
QString withDefaultApplication(const QString &text, const QString &type, const QString &desktopId);

// The text without the line "type=desktopId;" in [Default Applications]: another default for
// the type stays, and so does everything else. A group left without any line at the end of the
// text goes too, with one blank line before it, as add made it.
QString withoutDefaultApplication(const QString &text, const QString &type, const QString &desktopId);
