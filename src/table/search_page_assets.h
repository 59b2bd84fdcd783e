#pragma once
// The style and the script the page carries within itself, so it asks the network for nothing.
#include <QString>

extern const QString searchPageStyle;
extern const QString searchPageScript;
