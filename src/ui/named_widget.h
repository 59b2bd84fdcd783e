#pragma once
// A new control with the object name that captions, settings and tests find it by.
#include <QString>
#include <QWidget>

template <typename Widget> Widget *named(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}
