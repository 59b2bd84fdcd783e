#pragma once
// The warnings the Qt libraries print on their own ("XDG_RUNTIME_DIR not set" and the like)
// are no messages of this program: they are held back from the start and shown only when
// --verbose asks for them.
#include <QString>

// Call before the application object exists; messages are held until the next call.
void holdQtMessages();
// Prints the held messages and lets later ones through when shown, else drops them all.
void releaseQtMessages(bool shown);
