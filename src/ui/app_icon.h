#pragma once
// The program's icon, drawn in code: a sheet with a small blue table on it.
#include <QIcon>
#include <QPixmap>

// The icon at size × size pixels, transparent around the sheet.
QPixmap applicationPixmap(int size);

// The icon at the usual sizes, for windows, dialogs and the task bar.
QIcon applicationIcon();
