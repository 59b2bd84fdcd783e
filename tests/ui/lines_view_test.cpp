// The preview's text view: a million lines at once, scrolling by lines, selecting and copying.
#include "ui/lines_view.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString manyLines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("Zeile %1\r\n").arg(i, 7, 10, QChar(u'0'));
    return text + QStringLiteral("Ende");
}

} // namespace

TEST(LinesView, ShowsAMillionLinesAndCopiesWhatIsSelected)
{
    LinesView view;
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setLines(TextLines(manyLines(1000000)));
    QScrollBar *lines = view.verticalScrollBar();
    const int shown = lines->pageStep();
    EXPECT_GT(shown, 5);
    // The last line can be scrolled to the bottom, not beyond.
    EXPECT_EQ(lines->maximum(), 1000001 - shown);
    lines->setValue(500000);

    // A drag from the start of the first line shown to the fourth character of the next.
    QWidget *area = view.viewport();
    const int lineHeight = view.fontMetrics().height();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(1, 4 + lineHeight / 2));
    QMouseEvent drag(QEvent::MouseMove, QPointF(4 + view.fontMetrics().horizontalAdvance(QStringLiteral("Zei")), 4 + lineHeight * 1.5),
                     area->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &drag);
    EXPECT_EQ(view.selectedText(), QStringLiteral("Zeile 0500000\nZei"));
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Zeile 0500000\nZei"));

    // A double click takes its whole line; Ctrl+A everything, with line feeds between the lines.
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(10, 4 + lineHeight / 2));
    EXPECT_EQ(view.selectedText(), QStringLiteral("Zeile 0500000"));
    view.setLines(TextLines(QStringLiteral("a\r\nb\rc")));
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view.selectedText(), QStringLiteral("a\nb\nc"));
    EXPECT_EQ(lines->maximum(), 0);

    // Wrapped at its width, a long line takes more than one row of the view.
    view.setLines(TextLines(QString(400, u'x') + u'\n' + QStringLiteral("kurz")));
    EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);
    view.setWrapping(true);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(10, 4 + lineHeight * 3 / 2));
    EXPECT_EQ(view.selectedText(), QString(400, u'x'));
}
