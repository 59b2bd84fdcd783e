#pragma once
// The font and colour dialogs. The font dialog of the preview and of the picture font: it opens on the face
// really drawn for the stored font, and an OK that changed nothing leaves the stored font as it is.
#include <QColor>
#include <QFont>
#include <optional>

class QWidget;

// The font to store, or nothing when the dialog was cancelled.
std::optional<QFont> chooseFont(const QFont &stored, QWidget *parent);
// The colour dialog: the chosen colour, invalid when it was cancelled.
QColor chooseColour(const QColor &initial, QWidget *parent);
