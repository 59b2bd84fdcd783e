#pragma once
// Captions and hints of the renaming window's and its filter window's controls, by object name.
#include "ui/prog_captions.h"

const QVector<ControlText> &renamixTexts();
const QVector<ControlText> &renamixFilterTexts();
