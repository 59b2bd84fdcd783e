#include "renamer/name_facts.h"

#include "common/paths.h"

#include <QFile>

#include <sys/stat.h>

void NameFactsCache::setZone(const ZoneBias &zone, bool corrected)
{
    m_zone = zone;
    m_corrected = corrected;
    m_facts.clear();
}

const NameFacts &NameFactsCache::factsOf(const QString &path, bool withTags)
{
    Known &known = m_facts[path];
    if (!known.read) {
        known.read = true;
        known.facts.extension = extensionOf(namePart(path)).mid(1);
        known.facts.folder = namePart(folderPart(path).chopped(1));
        struct stat info {};
        if (stat(QFile::encodeName(path).constData(), &info) == 0)
            known.facts.modified =
                m_zone.wallClock(QDateTime::fromSecsSinceEpoch(info.st_mtime, Qt::UTC), m_corrected);
    }
    if (withTags && !known.tagged)
        storeTags(path, readFileTags(path));
    return known.facts;
}

void NameFactsCache::storeTags(const QString &path, const FileTags &tags)
{
    Known &known = m_facts[path];
    {
        known.facts.taken = tags.taken;
        known.facts.camera = tags.camera;
        known.facts.artist = tags.artist;
        known.facts.album = tags.album;
        known.facts.title = tags.title;
        known.facts.year = tags.year;
        known.facts.track = tags.track;
        known.tagged = true;
    }
}
