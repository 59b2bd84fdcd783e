#pragma once
// The font dialog of the preview and of the picture font: it opens on the face really drawn
// for the stored font, and an OK that changed nothing leaves the stored font as it is.
#include <QFont>
#include <optional>

class QWidget;

// The font to store, or nothing when the dialog was cancelled.
std::optional<QFont> chooseFont(const QFont &stored, QWidget *parent);
