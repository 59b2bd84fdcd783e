#pragma once
// The state that the front ends share: the rows, the settings of every window with the
// interface language, and the "OK for all" flag of the message dialog. The desktop program's
// main window owns one; the command-line program and the tests make their own, so they run
// the very code path the window runs.
#include "collect/file_collection.h"

struct ProgramState : FileCollection {};
