#pragma once
// The options that stand for --set steps a script would otherwise have to know: each becomes
// the assignments it stands for, applied in order with every other setting step.
#include "common/language.h"

#include <QStringList>

// Throws TabulixError for a list naming an unknown or repeated key.
void checkColumnKeys(const QString &list);
// --columns: exactly the listed columns switched on, their kinds first in the order given; the
// digest keys switch on the checksum column with just those digests.
QStringList columnAssignments(const QString &list, Language language);

// Throws TabulixError for a key no grouping choice stands for.
void checkGroupKey(const QString &key);
// --group-by: grouping on, by the fact of a column key, "folder" or "folderAndFile".
QStringList groupAssignments(const QString &key, Language language);

// --title, --size-unit, --decimals (with their value), --no-header, --no-subfolders: the
// assignments of the option; an empty list for any other option. Throws TabulixError for a
// bad value.
QStringList plainShorthand(const QString &option, const QString &value = QString());
