#pragma once
// Texts of the general error box that shows errors no operation caught.
#include <QString>

// The caption of the error box and of the program's plain message boxes.
QString applicationTitle();

// The error's text, followed by "." when its last character sorts after the full stop;
// so "Disk full" gets its stop while "Disk full." and "Disk full!" stay as they are.
QString errorBoxText(const QString &message);

// What the box says for an error that carries no text of its own.
QString unknownErrorText();
