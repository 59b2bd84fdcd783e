#pragma once
// Acts on the next modal window from inside its event loop, which the test cannot reach
// otherwise while exec() runs.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

inline void whenModalShown(std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        QPointer<QWidget> guard(modal);
        act(modal);
        // A window the action failed to close would block the test forever.
        QTimer::singleShot(3000, [guard] {
            if (guard && guard->isVisible()) {
                ADD_FAILURE() << "modal window still open";
                guard->close();
            }
        });
    });
    poll->start();
}
