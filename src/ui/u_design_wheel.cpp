#include "ui/u_design_wheel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

constexpr int wheelStep = 20;

// The drop-down list the widget belongs to (itself, its edit field or its open list), if any.
QComboBox *dropDownOf(QWidget *widget)
{
    for (; widget; widget = widget->parentWidget())
        if (auto *list = qobject_cast<QComboBox *>(widget))
            return list;
    return nullptr;
}

} // namespace

OptionsWheel::OptionsWheel(QScrollArea *box, QObject *parent) : QObject(parent), m_box(box)
{
    qApp->installEventFilter(this);
}

bool OptionsWheel::eventFilter(QObject *watched, QEvent *event)
{
    auto *target = qobject_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_wheelAllowed = !dropDownOf(QApplication::focusWidget());
        break;
    case QEvent::MouseMove:
        follow(static_cast<QMouseEvent *>(event)->globalPosition());
        break;
    case QEvent::MouseButtonPress:
        if (target && (target == m_box || m_box->isAncestorOf(target)))
            pressed(target);
        break;
    case QEvent::Wheel:
        if (target)
            return turned(target, static_cast<QWheelEvent *>(event));
        break;
    default:
        break;
    }
    return false;
}

void OptionsWheel::follow(const QPointF &globalPosition)
{
    const QPoint inside = m_box->mapFromGlobal(globalPosition.toPoint());
    m_mouseOverOptions = m_box->isVisible() && inside.x() >= 0 && inside.x() <= m_box->width() &&
                         inside.y() >= 0 && inside.y() <= m_box->height();
}

void OptionsWheel::pressed(QWidget *target)
{
    if (dropDownOf(target)) {
        m_wheelAllowed = false;
        return;
    }
    // The background of the options: the box, its panels and their captions.
    const bool background = target == m_box || target == m_box->viewport() || target == m_box->widget() ||
                            qobject_cast<QLabel *>(target) || target->objectName().startsWith(u"apanel");
    if (background) {
        m_wheelAllowed = true;
        m_box->setFocus(Qt::MouseFocusReason);
    }
}

bool OptionsWheel::turned(QWidget *target, QWheelEvent *event)
{
    follow(event->globalPosition());
    if (!m_mouseOverOptions || target->window() != m_box->window())
        return false;
    const int delta = event->angleDelta().y();
    if (m_wheelAllowed) {
        if (delta == 0)
            return false;
        if (!qobject_cast<QScrollArea *>(QApplication::focusWidget()))
            m_box->setFocus(Qt::MouseFocusReason);
        QScrollBar *bar = m_box->verticalScrollBar();
        bar->setValue(bar->value() + (delta < 0 ? wheelStep : -wheelStep));
        return true;
    }
    // The wheel belongs to the list that was clicked, wherever over the options it turns.
    QComboBox *list = dropDownOf(QApplication::focusWidget());
    if (!list)
        return true;
    if (dropDownOf(target) == list)
        return false;
    QWheelEvent forwarded(list->mapFromGlobal(event->globalPosition()), event->globalPosition(),
                          event->pixelDelta(), event->angleDelta(), event->buttons(), event->modifiers(),
                          event->phase(), event->inverted());
    QCoreApplication::sendEvent(list, &forwarded);
    return true;
}
