#pragma once
// The mouse wheel over the column options: it scrolls the options 20 pixels per turn, unless
// a drop-down list there was clicked last, in which case the wheel changes that list instead.
// Watches every event of the application and never stops one it does not act on.
#include <QObject>

class QScrollArea;
class QWheelEvent;
class QWidget;

class OptionsWheel : public QObject {
public:
    explicit OptionsWheel(QScrollArea *box, QObject *parent = nullptr);

    bool wheelAllowed() const { return m_wheelAllowed; }
    bool mouseOverOptions() const { return m_mouseOverOptions; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pressed(QWidget *target);
    bool turned(QWidget *target, QWheelEvent *event);
    void follow(const QPointF &globalPosition);

    QScrollArea *m_box;
    bool m_wheelAllowed = true;
    bool m_mouseOverOptions = false;
};
