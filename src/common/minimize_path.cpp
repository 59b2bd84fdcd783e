#include "common/minimize_path.h"

#include "common/paths.h"

#include <QFontMetrics>

namespace {

const QString marker = QStringLiteral(".../");

// Drops the first folder of dir and puts the marker in its place; a marker left by an
// earlier cut goes first, so the marker never repeats.
QString cutFirstFolder(QString dir)
{
    if (dir == u"/")
        return {};
    const bool rooted = dir.startsWith(u'/');
    if (rooted)
        dir.remove(0, 1);
    // Only a real marker: folders starting with "." are ordinary here.
    if (dir.startsWith(marker))
        dir.remove(0, marker.size());
    const qsizetype slash = dir.indexOf(u'/');
    if (slash >= 0)
        dir = marker + dir.mid(slash + 1);
    else
        dir.clear();
    if (rooted)
        dir.prepend(u'/');
    return dir;
}

} // namespace

QFont interfaceFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QStringList folderSteps(const QString &folder)
{
    QStringList steps;
    for (QString dir = folder; !dir.isEmpty(); dir = dir == u"/.../" ? marker : cutFirstFolder(dir))
        steps.append(dir);
    return steps;
}

QString minimizePath(const QString &path, int maxWidth, const std::function<int(const QString &)> &textWidth)
{
    const QString name = namePart(path);
    for (const QString &folder : folderSteps(folderPart(path))) {
        QString candidate = folder + name;
        if (textWidth(candidate) <= maxWidth)
            return candidate;
    }
    return name;
}

QString minimizePath(const QString &path, int maxWidth)
{
    const QFontMetrics metrics(interfaceFont());
    return minimizePath(path, maxWidth,
                        [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
}
