#pragma once
// The new name of one file of the renaming list: the mask with its placeholders, the numbering
// and the optional search and replace.
#include "renamer/rename_mask.h"
#include "renamer/rename_search.h"

#include <QString>

class Settings;

// What the renaming window's options say about new names.
struct RenameRule {
    QString mask = QStringLiteral("%name%");
    QString numberStart = QStringLiteral("1"); // taken as 1 when it is no whole number
    bool replacing = false;
    QString searchFor;
    QString replaceWith;
    bool inName = true;       // replace in the text the mask gave
    bool inExtension = false; // replace in the extension
    bool regex = false;       // the search text is a regular expression
    bool ignoreCase = false;  // for either kind of search

    // The rule of the renaming window's settings (DU).
    static RenameRule fromSettings(const Settings &settings);
    RenameSearch search() const { return {searchFor, replaceWith, regex, ignoreCase}; }
    // Why the search cannot run, which renames nothing; empty when it can or is off.
    QString searchProblem() const { return replacing ? ::searchProblem(search()) : QString(); }
};

// The file name without its final extension (so "a.txt.txt" gives "a.txt").
QString renameBase(const QString &fileName);

// The new name of the file name at the 0-based position of a list of entryCount entries, with
// the facts of the file for the placeholders that name them. An empty file name gives an empty
// new name.
QString renameName(const QString &fileName, int position, int entryCount, const RenameRule &rule,
                   const NameFacts &facts = {});

// Whether a text can be a file name in a folder: not empty, not "." or "..", without "/" and
// without NUL. A mask or replacement from a configuration may produce anything.
bool isUsableFileName(const QString &name);
