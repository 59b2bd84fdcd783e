#pragma once
// The tags a new name may take from a file: when a photo was taken and with which camera (EXIF),
// and artist, album, title, track and year of a piece of music (ID3, Vorbis comments, MP4).
#include <QDateTime>
#include <QString>

struct FileTags {
    QDateTime taken; // EXIF DateTimeOriginal as written, with no zone
    QString camera;
    QString artist, album, title, year;
    int track = 0;
};

// What the file carries; a file that is no photo or no music, or is damaged, gives empty tags.
FileTags readFileTags(const QString &path);
