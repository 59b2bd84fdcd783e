#pragma once
// Acts on the next modal window from inside its event loop, which the test cannot reach
// otherwise while exec() runs.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Acts on the next shown modal window that `matches` accepts.
inline void whenModalShownMatching(std::function<bool(QWidget *)> matches, std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, matches, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !matches(modal))
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

inline void whenModalShown(std::function<void(QWidget *)> act)
{
    whenModalShownMatching([](QWidget *) { return true; }, std::move(act));
}

// The next modal window of type Window, also one opened over another modal window.
template <typename Window> void whenModalShownOf(std::function<void(Window *)> act)
{
    whenModalShownMatching([](QWidget *modal) { return qobject_cast<Window *>(modal) != nullptr; },
                           [act](QWidget *modal) { act(qobject_cast<Window *>(modal)); });
}
