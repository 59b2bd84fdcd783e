#include "common/minimize_path.h"

#include "common/paths.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace {

const QString marker = QStringLiteral(".../");

// The font file of the fonts-dejavu-core package.
constexpr const char *MeasuringFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

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

QFont measuringFont()
{
    // Registered once, from any thread; the family is the one the file names.
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(MeasuringFontFile));
        return QFontDatabase::applicationFontFamilies(id).value(0, QStringLiteral("DejaVu Sans"));
    }();
    QFont font(family);
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setStretch(QFont::Unstretched);
    font.setItalic(false);
    font.setHintingPreference(QFont::PreferNoHinting);
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
    const QFontMetrics metrics(measuringFont());
    return minimizePath(path, maxWidth,
                        [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
}
