// Drawing output lines as a picture: its size, the styles of marked lines and the colours.
#include "table/table_picture.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

StyledFont pictureFont(const char *family, int points, QColor colour = Qt::black)
{
    return {QFont(QString::fromUtf8(family), points), colour};
}

QFont styled(QFont font, bool bold, bool italic)
{
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

int pixelsOfColour(const QImage &picture, const QRect &area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += picture.pixel(x, y) == colour;
    return count;
}

} // namespace

TEST(TablePicture, SizeFollowsTheLongestLineAndTheHeightOfWg)
{
    const StyledFont font = pictureFont("Liberation Mono", 9);
    ASSERT_EQ(pictureMetrics(font.font).size(Qt::TextSingleLine, QStringLiteral("Wg")).height(), 14);

    QStringList lines(99, QStringLiteral("row"));
    lines.append(QStringLiteral("the longest line of all"));
    const auto hundred = drawTablePicture(lines, font, Qt::white);
    ASSERT_TRUE(hundred);
    EXPECT_EQ(hundred->height(), 1420);
    EXPECT_EQ(hundred->width(), pictureMetrics(font.font).horizontalAdvance(lines.last()) + 20);

    const auto none = drawTablePicture({}, font, Qt::white);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->size(), QSize(20, 20));
    EXPECT_EQ(none->pixel(10, 10), qRgb(255, 255, 255));
}

TEST(TablePicture, MarkersCountInTheWidthButTheStyleOfTheFontDecidesIt)
{
    // At 11 points every character of this face is 9 pixels wide.
    const StyledFont mono = pictureFont("Liberation Mono", 11);
    ASSERT_EQ(pictureMetrics(mono.font).horizontalAdvance(QString(50, u'x')), 450);
    const QString title = QStringLiteral("A title longer than the table");
    const QString row = QStringLiteral("a shorter row");
    const auto plain = drawTablePicture({title, row}, mono, Qt::white);
    const auto bold = drawTablePicture({QStringLiteral("%F%") + title, row}, mono, Qt::white);
    ASSERT_TRUE(plain && bold);
    EXPECT_EQ(plain->width(), 29 * 9 + 20);
    EXPECT_EQ(bold->width(), 32 * 9 + 20);

    // Of equally long lines the first decides, even when a wider one follows.
    const StyledFont sans = pictureFont("Liberation Sans", 10);
    const QStringList narrowFirst = {QStringLiteral("iiiiiiii"), QStringLiteral("WWWWWWWW")};
    const auto table = drawTablePicture(narrowFirst, sans, Qt::white);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->width(), pictureMetrics(sans.font).horizontalAdvance(narrowFirst[0]) + 20);
    // Text saved as a picture takes the widest line instead.
    const auto text = drawTextPicture(narrowFirst, sans, Qt::white);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->width(), pictureMetrics(sans.font).horizontalAdvance(narrowFirst[1]) + 20);

    // A bold font measures bold, though it draws unmarked lines regular.
    StyledFont boldSans = sans;
    boldSans.font.setBold(true);
    const auto measuredBold = drawTablePicture({row}, boldSans, Qt::white);
    const auto measuredRegular = drawTablePicture({row}, sans, Qt::white);
    ASSERT_TRUE(measuredBold && measuredRegular);
    EXPECT_EQ(measuredBold->width(), pictureMetrics(boldSans.font).horizontalAdvance(row) + 20);
    EXPECT_GT(measuredBold->width(), measuredRegular->width());
}

TEST(TablePicture, MarkedLinesAreDrawnBoldOrItalicWithoutTheMarker)
{
    StyledFont own = pictureFont("DejaVu Sans", 14);
    own.font.setBold(true);
    own.font.setUnderline(true);
    const QFont regular = styled(pictureFont("DejaVu Sans", 14).font, false, false);
    const QColor background(0xF0, 0xE0, 0xD0);
    const QString text = QStringLiteral("Dateiliste Wg");

    const QStringList lines = {QStringLiteral("%F%") + text, QStringLiteral("%K%") + text, text,
                               QStringLiteral("mid %F% line")};
    const auto table = drawTablePicture(lines, own, background);
    ASSERT_TRUE(table);
    // Each line as plain text in the style the marker asks for, the font's own style dropped.
    const struct {
        QFont font;
        QString text;
    } expected[] = {{styled(regular, true, false), text},
                    {styled(regular, false, true), text},
                    {regular, text},
                    {regular, QStringLiteral("mid %F% line")}};
    const int lineHeight = pictureMetrics(own.font).size(Qt::TextSingleLine, QStringLiteral("Wg")).height();
    for (int i = 0; i < 4; ++i) {
        const auto single = drawTextPicture({expected[i].text}, {expected[i].font, Qt::black}, background);
        ASSERT_TRUE(single);
        const int width = std::min(single->width(), table->width());
        EXPECT_TRUE(table->copy(0, 10 + i * lineHeight, width, lineHeight) ==
                    single->copy(0, 10, width, lineHeight))
            << "line " << i;
    }
    // The styles do draw differently, so the comparisons above tell them apart.
    const auto bold = drawTextPicture({text}, {expected[0].font, Qt::black}, background);
    const auto italic = drawTextPicture({text}, {expected[1].font, Qt::black}, background);
    const auto plain = drawTextPicture({text}, {regular, Qt::black}, background);
    ASSERT_TRUE(bold && italic && plain);
    const QRect start(0, 0, 60, plain->height());
    EXPECT_FALSE(bold->copy(start) == plain->copy(start));
    EXPECT_FALSE(italic->copy(start) == plain->copy(start));
}

TEST(TablePicture, TextInTheFontColourOnTheBackgroundWithinTheMargins)
{
    const QColor background(0x00, 0xFF, 0x80);
    const StyledFont font = pictureFont("Liberation Mono", 20, QColor(0xC0, 0x10, 0x20));
    const auto picture =
        drawTablePicture({QStringLiteral("|||| ||||"), QStringLiteral("IIII")}, font, background);
    ASSERT_TRUE(picture);
    const QRect all = picture->rect();
    const QRect text = all.adjusted(10, 10, -10, -10);
    const int margins = all.width() * all.height() - text.width() * text.height();
    EXPECT_EQ(pixelsOfColour(*picture, all, background.rgb()) -
                  pixelsOfColour(*picture, text, background.rgb()),
              margins);
    EXPECT_GT(pixelsOfColour(*picture, text, font.colour.rgb()), 100);
    // The second line starts one line height below the first.
    const int lineHeight = pictureMetrics(font.font).size(Qt::TextSingleLine, QStringLiteral("Wg")).height();
    EXPECT_GT(
        pixelsOfColour(*picture, QRect(10, 10 + lineHeight, text.width(), lineHeight), font.colour.rgb()),
        20);
}

TEST(TablePicture, PicturesTooLargeAreRefused)
{
    // About 2.6 million pixels wide and 150 high.
    const QStringList huge(10, QString(400000, u'x'));
    EXPECT_FALSE(drawTablePicture(huge, pictureFont("Liberation Mono", 8), Qt::white));
    EXPECT_FALSE(drawTextPicture(huge, pictureFont("Liberation Mono", 8), Qt::white));
}
