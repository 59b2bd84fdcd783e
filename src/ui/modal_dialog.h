#pragma once
// Every modal dialog of the program runs through here, so that a test can answer a dialog as
// its user would, without a modal event loop it could not reach.
#include <functional>

class QDialog;

using DialogRunner = std::function<int(QDialog &)>;

// Runs the dialog to its end and returns its result: exec(), unless a runner was put in.
int runDialog(QDialog &dialog);
// The runner for every dialog from now on; an empty one goes back to exec(). Returns the previous.
DialogRunner replaceDialogRunner(DialogRunner runner);
