#pragma once
// Work done one piece at a time on a thread of its own, of which only the newest asked for
// counts: asking again stops the running piece at its next step and drops its result, so an
// overtaken result never reaches the owner. Results come back on the owner's thread.
#include <QMetaObject>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

template <typename Result> class LatestBuild {
public:
    // The work is told through the flag when its result is no longer wanted; it may stop then.
    using Work = std::function<Result(const std::atomic_bool &stop)>;

    LatestBuild(QObject &owner, std::function<void(Result)> deliver)
        : m_owner(owner), m_deliver(std::move(deliver))
    {
        m_pool.setMaxThreadCount(1);
    }
    ~LatestBuild()
    {
        drop();
        m_pool.waitForDone();
    }
    LatestBuild(const LatestBuild &) = delete;
    LatestBuild &operator=(const LatestBuild &) = delete;

    void ask(Work work)
    {
        drop();
        m_waiting = std::move(work);
        if (!m_running)
            startWaiting();
    }
    // Nothing asked for so far is delivered.
    void drop()
    {
        if (m_stop)
            m_stop->store(true);
        m_waiting = nullptr;
    }
    // Whether a result is still to come.
    bool busy() const { return bool(m_waiting) || (m_running && !m_stop->load()); }

private:
    void startWaiting()
    {
        auto stop = std::make_shared<std::atomic_bool>(false);
        m_stop = stop;
        m_running = true;
        m_pool.start([this, work = std::move(m_waiting), stop] {
            // Handed over whole: the result, and what it holds for the owner's thread, ends there.
            QMetaObject::invokeMethod(
                &m_owner,
                [this, result = std::make_shared<Result>(work(*stop)), stop] {
                    finished(std::move(*result), *stop);
                },
                Qt::QueuedConnection);
        });
        m_waiting = nullptr;
    }
    void finished(Result result, bool stopped)
    {
        m_running = false;
        if (m_waiting)
            startWaiting();
        else if (!stopped)
            m_deliver(std::move(result));
    }

    QObject &m_owner;
    std::function<void(Result)> m_deliver;
    QThreadPool m_pool;
    Work m_waiting;                           // empty when nothing waits
    std::shared_ptr<std::atomic_bool> m_stop; // the running or last piece's
    bool m_running = false;
};
