#include "collect/ordered_workers.h"

#include <algorithm>

OrderedWorkers::OrderedWorkers(int chunkSize, Work work, std::size_t aheadChunks)
    : m_chunkSize(std::max(chunkSize, 1)), m_work(std::move(work)), m_ahead(aheadChunks)
{
    startThreads(workerCount());
}

OrderedWorkers::OrderedWorkers(int count, int chunkSize, Work work)
    : m_chunkSize(std::max(chunkSize, 1)), m_work(std::move(work)), m_ahead(AheadChunks)
{
    addItems(count);
    finishItems();
    startThreads(std::min(workerCount(), int(m_done.size())));
}

OrderedWorkers::~OrderedWorkers()
{
    stop();
    for (std::thread &thread : m_threads)
        thread.join();
}

void OrderedWorkers::startThreads(int threads)
{
    m_threads.reserve(std::size_t(threads));
    for (int worker = 0; worker < threads; ++worker)
        m_threads.emplace_back([this, worker] { run(worker); });
}

void OrderedWorkers::addItems(int count)
{
    {
        const std::lock_guard lock(m_mutex);
        m_count += std::max(count, 0);
        m_done.resize(std::size_t((m_count + m_chunkSize - 1) / m_chunkSize), 0);
    }
    m_workersWanted.notify_all();
}

void OrderedWorkers::finishItems()
{
    {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_workersWanted.notify_all();
}

void OrderedWorkers::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_workersWanted.notify_all();
}

int OrderedWorkers::workerCount()
{
    return std::max(1, int(std::thread::hardware_concurrency()));
}

bool OrderedWorkers::ready(std::size_t chunk) const
{
    const std::size_t end = (chunk + 1) * std::size_t(m_chunkSize);
    return end <= std::size_t(m_count) || (m_finished && chunk < m_done.size());
}

bool OrderedWorkers::pastTheEnd(std::size_t chunk) const
{
    return m_finished && chunk >= m_done.size();
}

void OrderedWorkers::run(int worker)
{
    while (!m_stop) {
        const std::size_t chunk = m_nextChunk++;
        int begin = 0, end = 0;
        {
            std::unique_lock lock(m_mutex);
            m_workersWanted.wait(lock, [&] {
                return m_stop || pastTheEnd(chunk) || (ready(chunk) && chunk < m_wanted + m_ahead);
            });
            if (m_stop || pastTheEnd(chunk))
                return;
            begin = int(chunk) * m_chunkSize;
            end = std::min(begin + m_chunkSize, m_count);
        }
        m_work(begin, end, worker);
        {
            const std::lock_guard lock(m_mutex);
            m_done[chunk] = 1;
        }
        m_chunkDone.notify_all();
    }
}

int OrderedWorkers::waitForChunk(int begin, std::chrono::milliseconds patience)
{
    if (begin < 0)
        return -1;
    const std::size_t chunk = std::size_t(begin / m_chunkSize);
    std::unique_lock lock(m_mutex);
    if (pastTheEnd(chunk))
        return -1;
    if (chunk > m_wanted) {
        m_wanted = chunk;
        m_workersWanted.notify_all();
    }
    if (!m_chunkDone.wait_for(lock, patience, [&] { return chunk < m_done.size() && m_done[chunk] != 0; }))
        return -1;
    return std::min(int(chunk + 1) * m_chunkSize, m_count);
}

void runOnAllCores(int count, int chunkSize, const OrderedWorkers::Work &work)
{
    OrderedWorkers workers(count, chunkSize, work);
    for (int done = 0; done < count;)
        done = std::max(done, workers.waitForChunk(done, std::chrono::hours(1)));
}
