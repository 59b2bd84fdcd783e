#pragma once
// The texts of the main window's frame in both languages, one row per control, keyed by the
// control's object name.
#include "common/language.h"

#include <QString>
#include <QVector>

struct ControlText {
    const char *component;
    BilingualText caption;
    bool hint = false; // the text is the control's hint, not its caption
};

const QVector<ControlText> &progTexts();
QString progText(const ControlText &text, Language language);
