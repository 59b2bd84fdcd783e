#include "ui/lines_view.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

namespace {

constexpr int Margin = 4;

} // namespace

LinesView::LinesView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    updateScrollBars();
}

LinesView::~LinesView() = default;

void LinesView::setLines(TextLines lines)
{
    m_lines = std::move(lines);
    m_anchor = m_end = {};
    // Table lines mostly share one width: the longest gives the scroll range at once, and any
    // line shown wider widens it.
    m_widest = fontMetrics().horizontalAdvance(m_lines.line(m_lines.longest()).toString());
    updateScrollBars();
    viewport()->update();
}

void LinesView::setWrapping(bool wraps)
{
    m_wraps = wraps;
    updateScrollBars();
    viewport()->update();
}

int LinesView::textWidth() const
{
    return std::max(1, viewport()->width() - 2 * Margin);
}

std::unique_ptr<QTextLayout> LinesView::layoutOf(qsizetype line) const
{
    auto layout = std::make_unique<QTextLayout>(m_lines.line(line).toString(), font());
    QTextOption option;
    option.setWrapMode(m_wraps ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->beginLayout();
    qreal height = 0;
    for (QTextLine row = layout->createLine(); row.isValid(); row = layout->createLine()) {
        if (m_wraps)
            row.setLineWidth(textWidth());
        row.setPosition({0, height});
        height += row.height();
    }
    layout->endLayout();
    return layout;
}

qsizetype LinesView::lastFirstLine() const
{
    const int height = viewport()->height() - 2 * Margin;
    if (!m_wraps)
        return std::max<qsizetype>(0, m_lines.count() - std::max(1, height / fontMetrics().height()));
    qsizetype first = m_lines.count() - 1;
    for (qreal used = layoutOf(first)->boundingRect().height(); first > 0; --first) {
        used += layoutOf(first - 1)->boundingRect().height();
        if (used > height)
            break;
    }
    return first;
}

void LinesView::updateScrollBars()
{
    const int lineHeight = std::max(1, fontMetrics().height());
    verticalScrollBar()->setRange(0, int(std::min<qsizetype>(lastFirstLine(), INT_MAX)));
    verticalScrollBar()->setPageStep(std::max(1, (viewport()->height() - 2 * Margin) / lineHeight));
    horizontalScrollBar()->setRange(0, m_wraps ? 0 : std::max(0, m_widest - textWidth()));
    horizontalScrollBar()->setPageStep(textWidth());
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 2);
}

void LinesView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const auto [from, to] = std::minmax(m_anchor, m_end);
    QTextCharFormat selected;
    selected.setBackground(palette().brush(QPalette::Highlight));
    selected.setForeground(palette().brush(QPalette::HighlightedText));
    const int left = Margin - horizontalScrollBar()->value();
    qreal top = Margin;
    int widest = m_widest;
    for (qsizetype line = verticalScrollBar()->value(); line < m_lines.count() && top < viewport()->height();
         ++line) {
        const std::unique_ptr<QTextLayout> layout = layoutOf(line);
        QList<QTextLayout::FormatRange> selections;
        if (hasSelection() && from.line <= line && line <= to.line) {
            const int start = line == from.line ? from.column : 0;
            const int end = line == to.line ? to.column : int(m_lines.line(line).size());
            selections.append({start, end - start, selected});
        }
        layout->draw(&painter, QPointF(left, top), selections);
        top += layout->boundingRect().height();
        widest = std::max(widest, int(std::ceil(layout->maximumWidth())));
    }
    if (widest > m_widest) {
        m_widest = widest;
        updateScrollBars();
    }
}

void LinesView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LinesView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setLines(std::move(m_lines));
}

void LinesView::scrollContentsBy(int, int)
{
    viewport()->update();
}

LinesView::Spot LinesView::spotAt(QPoint point) const
{
    qreal top = Margin;
    qsizetype line = verticalScrollBar()->value();
    for (; line < m_lines.count(); ++line) {
        const std::unique_ptr<QTextLayout> layout = layoutOf(line);
        const qreal height = layout->boundingRect().height();
        if (point.y() < top + height || line + 1 == m_lines.count()) {
            const qreal x = point.x() - Margin + horizontalScrollBar()->value();
            for (int row = 0; row < layout->lineCount(); ++row) {
                const QTextLine text = layout->lineAt(row);
                if (point.y() < top + text.y() + text.height() || row + 1 == layout->lineCount())
                    return {line, text.xToCursor(x)};
            }
        }
        top += height;
    }
    return {std::max<qsizetype>(0, m_lines.count() - 1), int(m_lines.line(m_lines.count() - 1).size())};
}

void LinesView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    m_end = spotAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier))
        m_anchor = m_end;
    viewport()->update();
}

void LinesView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint point = event->position().toPoint();
    // Dragging past an edge scrolls on.
    if (point.y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (point.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    m_end = spotAt(point);
    viewport()->update();
}

void LinesView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The whole line.
    const Spot spot = spotAt(event->position().toPoint());
    m_anchor = {spot.line, 0};
    m_end = {spot.line, int(m_lines.line(spot.line).size())};
    viewport()->update();
}

void LinesView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy))
        return copy();
    if (event->matches(QKeySequence::SelectAll))
        return selectAll();
    if (event->matches(QKeySequence::MoveToStartOfDocument))
        return verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    if (event->matches(QKeySequence::MoveToEndOfDocument))
        return verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    QAbstractScrollArea::keyPressEvent(event);
}

QString LinesView::selectedText() const
{
    if (!hasSelection())
        return {};
    const auto [from, to] = std::minmax(m_anchor, m_end);
    QString text = m_lines.joined(from.line, to.line);
    // The part of the last line after the selection, then the part of the first one before it.
    text.chop(m_lines.line(to.line).size() - to.column);
    return text.sliced(from.column);
}

void LinesView::selectAll()
{
    m_anchor = {};
    m_end = {m_lines.count() - 1, int(m_lines.line(m_lines.count() - 1).size())};
    viewport()->update();
}

void LinesView::copy() const
{
    if (hasSelection())
        QApplication::clipboard()->setText(selectedText());
}
