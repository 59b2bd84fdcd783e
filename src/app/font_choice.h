#pragma once
// What a font dialog opens on, and what its answer leaves of a stored font. A stored family may
// be one that the font system substitutes ("Courier New" drawn as Liberation Mono): a dialog
// lists installed families only and, not finding it, would open on some other font, which an
// OK would then make the chosen one.
#include <QFont>

// The face that is really drawn for the stored font: its family, style and size.
QFont fontDialogStart(const QFont &stored);

// The font to keep after the dialog answered: the stored one, untouched, when the answer is the
// face the dialog opened on; otherwise the answer reduced to what a configuration keeps
// (family, size, bold, italic, underline, strike-out), so the font shown is the font reloaded.
QFont fontAfterDialog(const QFont &stored, const QFont &opened, const QFont &answer);
