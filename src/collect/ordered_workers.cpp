#include "collect/ordered_workers.h"

#include <algorithm>

OrderedWorkers::OrderedWorkers(int count, int chunkSize, Work work)
    : m_count(std::max(count, 0)), m_chunkSize(std::max(chunkSize, 1)), m_work(std::move(work)),
      m_done(std::size_t((m_count + m_chunkSize - 1) / m_chunkSize), 0)
{
    const int threads = std::min(workerCount(), int(m_done.size()));
    m_threads.reserve(std::size_t(threads));
    for (int worker = 0; worker < threads; ++worker)
        m_threads.emplace_back([this, worker] { run(worker); });
}

OrderedWorkers::~OrderedWorkers()
{
    stop();
    for (std::thread &thread : m_threads)
        thread.join();
}

void OrderedWorkers::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wantedMoved.notify_all();
}

int OrderedWorkers::workerCount()
{
    return std::max(1, int(std::thread::hardware_concurrency()));
}

void OrderedWorkers::run(int worker)
{
    while (!m_stop) {
        const int chunk = m_nextChunk++;
        if (chunk >= int(m_done.size()))
            return;
        {
            std::unique_lock lock(m_mutex);
            m_wantedMoved.wait(lock, [&] { return m_stop || std::size_t(chunk) < m_wanted + AheadChunks; });
        }
        if (m_stop)
            return;
        const int begin = chunk * m_chunkSize;
        m_work(begin, std::min(begin + m_chunkSize, m_count), worker);
        {
            const std::lock_guard lock(m_mutex);
            m_done[std::size_t(chunk)] = 1;
        }
        m_chunkDone.notify_all();
    }
}

int OrderedWorkers::waitForChunk(int begin, std::chrono::milliseconds patience)
{
    const std::size_t chunk = std::size_t(begin / m_chunkSize);
    if (begin < 0 || chunk >= m_done.size())
        return -1;
    std::unique_lock lock(m_mutex);
    if (chunk > m_wanted) {
        m_wanted = chunk;
        m_wantedMoved.notify_all();
    }
    if (!m_chunkDone.wait_for(lock, patience, [&] { return m_done[chunk] != 0; }))
        return -1;
    return std::min(int(chunk + 1) * m_chunkSize, m_count);
}
