#pragma once
// Work on many items spread over worker threads, handed back in the items' order: the
// workers take chunks of items in turn, and the caller collects chunk after chunk while it
// keeps its own thread free for other things (a window's events, a progress dialog). The
// items may keep coming while the work runs (a walk hands over each folder's files).
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

class OrderedWorkers {
public:
    // Does items begin to end (exclusive) on the worker thread with the given number.
    using Work = std::function<void(int begin, int end, int worker)>;

    // Starts workerCount() threads, which wait for items to come in through addItems. Workers
    // stay at most aheadChunks chunks ahead of the one the caller waits for.
    OrderedWorkers(int chunkSize, Work work, std::size_t aheadChunks = AheadChunks);
    // All items known at once: up to workerCount() threads.
    OrderedWorkers(int count, int chunkSize, Work work);
    // Asks the workers to stop after the chunk at hand and waits for them.
    ~OrderedWorkers();
    OrderedWorkers(const OrderedWorkers &) = delete;
    OrderedWorkers &operator=(const OrderedWorkers &) = delete;

    // More items after the last; a chunk is started only once it is whole or no more will come.
    void addItems(int count);
    void finishItems();

    // Waits at most `patience` until the chunk that starts at item begin is done; returns the
    // item after its end, or -1 when it is not done yet or there is no such chunk.
    int waitForChunk(int begin, std::chrono::milliseconds patience);
    // Workers take no new chunk; long work may watch stopRequested() to end early.
    void stop();
    const std::atomic<bool> &stopRequested() const { return m_stop; }

    // One thread per core.
    static int workerCount();
    static constexpr std::size_t AheadChunks = 64;
    static constexpr std::size_t Unbounded = std::numeric_limits<std::size_t>::max() / 2;

private:
    void startThreads(int threads);
    void run(int worker);
    // Guarded by m_mutex: whether the chunk may start, and whether it lies past the last item.
    bool ready(std::size_t chunk) const;
    bool pastTheEnd(std::size_t chunk) const;

    const int m_chunkSize;
    const Work m_work;
    const std::size_t m_ahead;
    std::atomic<std::size_t> m_nextChunk{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_chunkDone;
    std::condition_variable m_workersWanted; // items came, the caller moved on, or stop
    int m_count = 0;                         // items so far, guarded by m_mutex
    bool m_finished = false;                 // no more items, guarded by m_mutex
    std::vector<char> m_done;                // per chunk, guarded by m_mutex
    std::size_t m_wanted = 0;                // the chunk the caller waits for, guarded by m_mutex
    std::vector<std::thread> m_threads;
};

// Does items 0 to count (exclusive) in chunks on every core and returns when all are done.
// Work on different chunks must not touch the same data.
void runOnAllCores(int count, int chunkSize, const OrderedWorkers::Work &work);
