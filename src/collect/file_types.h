#pragma once
// The desktop's knowledge of file types: the description of a type and its default
// application, looked up by name only (never by reading contents) and cached per type.
#include <QString>

struct FileTypeFacts {
    QString description;     // "Plain text document"; empty when the desktop knows none
    QString programAsStated; // the default application's executable as its entry states it
    QString programPath;     // the same as an absolute path; empty when it cannot be found
};

// The content type of a file name ("text/plain"); folders are "inode/directory".
QString contentTypeOfName(const QString &name, bool folder);

// A name with the same content type as the given one: every digit before the first "." made a
// "0". The type database's patterns tell digits apart only after a name's first "." (the
// digits of "[0-9][0-9][0-9].vdr" count, but not which they are), so files numbered in a row
// share one lookup.
QString typeGuessKey(const QString &name);

// Facts of a content type; every type is looked up once per run.
const FileTypeFacts &fileTypeFacts(const QString &contentType);
