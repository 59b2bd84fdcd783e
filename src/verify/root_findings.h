#pragma once
// What a check with a root folder finds besides the listed files: files there that no line
// names (new), and listed files that are missing but whose digests turn up under a new name
// (moved).
#include "verify/manifest.h"
#include "verify/manifest_check.h"

#include <QByteArray>
#include <QHash>
#include <QList>

struct RootFindings {
    QList<QByteArray> newNames;           // relative to the root, sorted
    QHash<qsizetype, QByteArray> movedTo; // entry index: the new name, relative to the root
};

// Walks the root (a system path) with its subfolders. The manifest file itself is never new.
// A missing entry has moved when an unlisted file has every digest of it (and its size, where
// the entry has one); each unlisted file stands for one entry at most, the first in name order.
RootFindings findNewAndMoved(const QList<ManifestEntry> &entries, const QList<FileCheck> &checks,
                             const QByteArray &root, const QByteArray &manifestPath);

// The path made absolute from the current folder, with "." parts, doubled "/" and "x/.." parts
// taken out.
QByteArray cleanedPath(const QByteArray &path);
