#pragma once
// Files and folders dragged onto a window: a drag that brings URLs is welcome, and its drop
// gives the local paths among them.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

inline void acceptUrlDrag(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Accepts the drop and returns its local paths; other URLs are left out.
inline QStringList acceptDroppedPaths(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    event->acceptProposedAction();
    return paths;
}
