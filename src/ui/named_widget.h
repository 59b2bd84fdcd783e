#pragma once
// A new control or menu item with the object name that captions, settings and tests find it by;
// its caption comes with the language.
#include <QAction>
#include <QMenu>
#include <QString>
#include <QWidget>

template <typename Widget> Widget *named(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

inline QAction *namedAction(QMenu &menu, const char *name)
{
    QAction *action = menu.addAction(QString());
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

// An item that runs the receiver's handler when chosen.
template <typename Receiver, typename Handler>
QAction *namedAction(QMenu &menu, const char *name, const Receiver *receiver, Handler handler)
{
    QAction *action = namedAction(menu, name);
    QObject::connect(action, &QAction::triggered, receiver, handler);
    return action;
}
