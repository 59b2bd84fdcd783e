#include "common/minimize_path.h"
#include "common/path_shortener.h"
#include "common/paths.h"
#include "varied_paths.h"

#include <QFontMetrics>
#include <QHash>
#include <gtest/gtest.h>

TEST(PathShortener, ShortensAsMinimizePathMeasures)
{
    // Many varied folders, more than the shortener keeps, many names in a few folders, and a
    // path whose first steps are longer than the font shapes in one piece.
    QStringList paths = variedPaths(5000, 3);
    paths.append(QStringLiteral("/Tower/AVATAR").repeated(350) + QStringLiteral("/Affinity office.txt"));
    const QStringList names = variedPaths(60, 4);
    for (const QString &folder : variedPaths(40, 5)) {
        for (const QString &name : names)
            paths.append(folderPart(folder) + namePart(name));
    }

    const QFontMetrics metrics(measuringFont());
    QHash<QString, int> widths; // each text measured once for all limits
    const auto width = [&](const QString &text) {
        auto known = widths.constFind(text);
        if (known == widths.cend())
            known = widths.insert(text, metrics.horizontalAdvance(text));
        return *known;
    };
    for (const int maxWidth : {-1, 0, 60, 120, 200, 353, 1000}) {
        PathShortener shortener(measuringFont(), maxWidth);
        for (const QString &path : paths)
            ASSERT_EQ(shortener.shortened(path), minimizePath(path, maxWidth, width))
                << path.toStdString() << " in " << maxWidth;
    }
}
