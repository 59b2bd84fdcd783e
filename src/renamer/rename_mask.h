#pragma once
// The placeholders of a mask that name facts of the file (its extension, folder, times and tags)
// and the case changes around parts of it. They are expanded in one pass over the mask and their
// values are taken literally; the rest of the mask is handed on, so the older placeholders run
// on it exactly as they always did.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

// The values the placeholders take for one file; empty ones leave an empty part.
struct NameFacts {
    QString extension;  // without its dot
    QString folder;     // the name of the file's folder
    QDateTime modified; // wall-clock time of the list's zone, with the UTC time spec
    QDateTime taken;    // EXIF DateTimeOriginal as written
    QString camera;     // EXIF model
    QString artist, album, title, year;
    int track = 0; // 0 when the tag lacks it
};

// Every placeholder the mask knows, in the order the window lists them.
struct PlaceholderText {
    const char *placeholder;
    const char *german, *english;
};
const QList<PlaceholderText> &factPlaceholders();

// The mask with the fact placeholders expanded and the case changes applied to the final text of
// what they enclose; every other stretch goes through `rest`. A case change ends at the first
// "%" that starts no placeholder; one that never ends is plain text.
QString expandMask(const QString &mask, const NameFacts &facts,
                   const std::function<QString(const QString &)> &rest);

// Whether the mask asks for a photo or audio tag, which must be read from the file.
bool maskNeedsTags(const QString &mask);
// The tag placeholders of the mask whose value the facts lack, as written in the mask.
QStringList missingTags(const QString &mask, const NameFacts &facts);
// Whether the mask asks for any fact of the file at all.
bool maskNeedsFacts(const QString &mask);
