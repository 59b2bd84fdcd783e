#pragma once
// SIGTERM and SIGHUP as a Qt signal on the thread that made the object. The handler only writes
// the signal's number into a pipe, the one thing it may do; a socket notifier reads it in the
// event loop. One object per process; its end gives both signals their default action back.
#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readSignals();

    int m_readEnd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
