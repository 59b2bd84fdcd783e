#pragma once
// The facts of the listed files that new names may take, each file read once: its extension and
// folder, when it was changed, and, only when a mask asks for them, its photo and audio tags.
#include "collect/zone_bias.h"
#include "renamer/name_tags.h"
#include "renamer/rename_mask.h"

#include <QHash>
#include <QString>

class NameFactsCache {
public:
    // The zone the list's times are shown in.
    void setZone(const ZoneBias &zone, bool corrected);
    // The facts of the file; the tags only when withTags. A file read without its tags is read
    // again for them.
    const NameFacts &factsOf(const QString &path, bool withTags);
    // Whether the file's tags have been read.
    bool tagsKnown(const QString &path) const { return m_facts.value(path).tagged; }
    // Tags read elsewhere (in the background).
    void storeTags(const QString &path, const FileTags &tags);
    void clear() { m_facts.clear(); }

private:
    struct Known {
        NameFacts facts;
        bool read = false;
        bool tagged = false;
    };
    QHash<QString, Known> m_facts;
    ZoneBias m_zone = ZoneBias::at(std::time(nullptr));
    bool m_corrected = false;
};
