#include "table/table_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <climits>

namespace {

// Beyond this the picture is refused rather than risk exhausting memory: 1 GiB of pixels.
constexpr qint64 maxPicturePixels = qint64(1) << 28;
constexpr int margin = 10;

struct DrawnLine {
    QString text;
    QFont font;
};

// A line of a table picture: the marker's style replaces whatever style the font has.
DrawnLine tableLine(const QString &line, const QFont &own)
{
    QFont font = own;
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    if (line.startsWith(QStringView(u"%F%"))) {
        font.setBold(true);
        return {line.mid(3), font};
    }
    if (line.startsWith(QStringView(u"%K%"))) {
        font.setItalic(true);
        return {line.mid(3), font};
    }
    return {line, font};
}

std::optional<QImage> paintLines(const QList<DrawnLine> &lines, int textWidth, const StyledFont &font,
                                 const QColor &background)
{
    const int lineHeight = pictureMetrics(font.font).size(Qt::TextSingleLine, QStringLiteral("Wg")).height();
    const qint64 width = qint64(textWidth) + 2 * margin;
    const qint64 height = qint64(lines.size()) * lineHeight + 2 * margin;
    if (height > INT_MAX || width * height > maxPicturePixels)
        return std::nullopt;
    QImage picture(int(width), int(height), QImage::Format_RGB32);
    if (picture.isNull())
        return std::nullopt;
    picture.setDotsPerMeterX(pictureDotsPerMeter);
    picture.setDotsPerMeterY(pictureDotsPerMeter);
    picture.fill(background);

    QPainter painter(&picture);
    painter.setPen(font.colour);
    painter.setBackground(background);
    painter.setBackgroundMode(Qt::OpaqueMode);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        painter.setFont(lines[i].font);
        const int top = margin + int(i) * lineHeight;
        painter.drawText(margin, top + painter.fontMetrics().ascent(), lines[i].text);
    }
    return picture;
}

} // namespace

std::optional<QImage> drawTablePicture(const QStringList &lines, const StyledFont &font,
                                       const QColor &background)
{
    // The first of the longest lines, as it stands: a marker counts as three characters.
    const auto longest = std::max_element(
        lines.begin(), lines.end(), [](const QString &a, const QString &b) { return a.size() < b.size(); });
    const int textWidth = longest == lines.end() ? 0 : pictureMetrics(font.font).horizontalAdvance(*longest);
    QList<DrawnLine> drawn;
    drawn.reserve(lines.size());
    for (const QString &line : lines)
        drawn.append(tableLine(line, font.font));
    return paintLines(drawn, textWidth, font, background);
}

std::optional<QImage> drawTextPicture(const QStringList &lines, const StyledFont &font,
                                      const QColor &background)
{
    const QFontMetrics metrics = pictureMetrics(font.font);
    int textWidth = 0;
    QList<DrawnLine> drawn;
    drawn.reserve(lines.size());
    for (const QString &line : lines) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
        drawn.append({line, font.font});
    }
    return paintLines(drawn, textWidth, font, background);
}

QFontMetrics pictureMetrics(const QFont &font)
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(pictureDotsPerMeter);
        image.setDotsPerMeterY(pictureDotsPerMeter);
        return image;
    }();
    return QFontMetrics(font, &device);
}
