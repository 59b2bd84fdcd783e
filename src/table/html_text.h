#pragma once
// Cell texts in HTML output: texts that come from files are escaped, and a cell may be a
// link to its file. The layout measures such cells by what a reader sees.
#include <QString>

// "&", "<", ">" and '"' as entities.
QString htmlEscaped(const QString &text);

// A link to the file's own URL (percent-encoded) around the already escaped visible text:
// <a href="file:///home/me/a%20b.txt">a b.txt</a>.
QString htmlFileLink(const QString &path, const QString &escapedText);

// The width of an HTML cell in characters: counted from its first ">" (the end of a link's
// opening tag; escaped text holds none) to its end, or the whole cell without one, every
// entity counting as the one character it stands for. So a linked cell counts its visible
// text plus five, as "</a>" and the ">" are counted.
qsizetype htmlVisibleLength(const QString &cell);
