#pragma once
// Search and replace in new names: plain text, or a regular expression (PCRE2) whose replacement
// may take the groups as \0 (the whole match) to \9; either may ignore case.
#include <QString>

struct RenameSearch {
    QString searchFor;
    QString replaceWith;
    bool regex = false;
    bool ignoreCase = false;
};

// Why the search text is no regular expression, with the place ("missing closing parenthesis at
// 4"); empty when it is one, or when the search is plain text.
QString searchProblem(const RenameSearch &search);

// The text with every match replaced; an empty or invalid search changes nothing.
QString replaceAll(const QString &text, const RenameSearch &search);
