#pragma once
// Shortens the paths of a long list to one width, with the very answers of minimizePath
// measured by QFontMetrics::horizontalAdvance, but quickly: the steps of each folder and their
// modelled widths are kept, so a path in a known folder costs the model of its name and little
// else. An object for one thread, like its TextFit.
#include "common/text_fit.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>

class PathShortener {
public:
    PathShortener(const QFont &font, int maxWidth);

    QString shortened(const QString &path);

private:
    struct FolderStep {
        QString folder;
        std::optional<TextFit::Width> width;
    };

    const QList<FolderStep> &stepsOf(const QString &folder);

    TextFit m_fit;
    int m_maxWidth;
    QHash<QString, QList<FolderStep>> m_folders;
};
