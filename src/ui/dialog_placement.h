#pragma once
// Where a small dialog goes when it is shown: centred over the main window's client area or
// on the screen.
#include <QPoint>
#include <QSize>

class QWidget;

// Top-left of the dialog's frame, from the main window's frame top-left and both client sizes:
// top = main top + (main client height - dialog client height) / 2, truncating towards zero,
// and left likewise with the widths.
QPoint placeOver(const QPoint &mainTopLeft, const QSize &mainClient, const QSize &dialogClient);

// Moves the window to the middle of the available area of its screen.
void centreOnScreen(QWidget &window);
