#pragma once
// The texts of the renaming tool in both languages: statuses, column headers, the count and
// status lines.
#include "common/language.h"

#include <QString>
#include <QStringList>
#include <QVector>

enum class RenameStatus { Added, Renamed, NotRenamed, Exists, Failed, Undone };

QString renameStatusText(RenameStatus status, Language language);

// Name, Typ, Größe, Status, Dateipfad and the new name each entry would get.
inline constexpr int RenameColumnCount = 6;
inline constexpr int RenameNameColumn = 0;
inline constexpr int RenameSizeColumn = 2;
inline constexpr int RenameStatusColumn = 3;
inline constexpr int RenamePathColumn = 4;
inline constexpr int RenameNewNameColumn = 5;
QString renameColumnHeader(int column, Language language);

// "12 Dateien geladen" / "12 files loaded".
QString loadedText(qint64 count, Language language);
// "3 Dateien umbenannt (1 Dateien konnten nicht umbenannt werden)"; the part in brackets only
// when something failed.
QString renamedText(int renamed, int notRenamed, Language language);
// The same for undoing: "2 Dateien zurückbenannt (1 Dateien konnten nicht zurückbenannt werden)".
QString undoneText(int undone, int notUndone, Language language);

// "3 Namenskonflikte" / "3 name clashes"; empty without any.
QString clashText(int clashes, Language language);
// The tooltips of a new name that clashes, cannot be a name, or lacks tags ("%artist%, %year%").
QString clashTip(Language language);
QString unusableNameTip(Language language);
QString missingTagsTip(const QStringList &placeholders, Language language);
// A search text that is no regular expression, with the reason.
QString invalidPatternText(const QString &reason, Language language);
