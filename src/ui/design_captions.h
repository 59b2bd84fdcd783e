#pragma once
// The texts of the column and layout options in both languages. A row may name several
// components, separated by spaces.
#include "ui/prog_captions.h"

#include <QStringList>

const QVector<ControlText> &designTexts();
QStringList textComponents(const ControlText &text);
