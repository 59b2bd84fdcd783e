#pragma once
// A read-only view of a text of any length: it lays out only the lines it shows, so a text of a
// million lines is shown at once. It scrolls by lines, wraps them at its width when asked, and
// lets the user select with mouse and keys and copy what is selected.
#include "app/text_lines.h"

#include <QAbstractScrollArea>

#include <memory>

class QTextLayout;

class LinesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LinesView(QWidget *parent = nullptr);
    ~LinesView() override;

    void setLines(TextLines lines);
    void clear() { setLines(TextLines()); }
    const TextLines &lines() const { return m_lines; }
    // The lines as shown, joined by line feeds.
    QString toPlainText() const { return m_lines.joined(0, m_lines.count() - 1); }

    void setWrapping(bool wraps);
    bool wraps() const { return m_wraps; }

    QString selectedText() const;
    void selectAll();
    // The selected text to the clipboard, when there is any.
    void copy() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // A place between two characters of a line.
    struct Spot {
        qsizetype line = 0;
        int column = 0;
        auto operator<=>(const Spot &) const = default;
    };
    // The line laid out as shown: at the view's width when it wraps.
    std::unique_ptr<QTextLayout> layoutOf(qsizetype line) const;
    int textWidth() const;
    void updateScrollBars();
    // The first line that lets the last one end at the bottom.
    qsizetype lastFirstLine() const;
    Spot spotAt(QPoint point) const;
    bool hasSelection() const { return m_anchor != m_end; }

    TextLines m_lines;
    bool m_wraps = false;
    int m_widest = 0; // the widest line measured so far, in pixels
    Spot m_anchor, m_end;
};
