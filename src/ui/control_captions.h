#pragma once
// Puts the captions of a text table on the controls of a window, found by their object names:
// the window's own title, button and label texts, group box titles and menu items.
#include "ui/prog_captions.h"

class QWidget;

void applyCaptions(QWidget &window, const QVector<ControlText> &texts, Language language);
