#pragma once
// Work on many items spread over worker threads, handed back in the items' order: the
// workers take chunks of items in turn, and the caller collects chunk after chunk while it
// keeps its own thread free for other things (a window's events, a progress dialog).
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class OrderedWorkers {
public:
    // Does items begin to end (exclusive) on the worker thread with the given number.
    using Work = std::function<void(int begin, int end, int worker)>;

    // Starts up to workerCount() threads at once. Workers stay at most AheadChunks chunks ahead
    // of the one the caller waits for, so finished work does not pile up.
    OrderedWorkers(int count, int chunkSize, Work work);
    // Asks the workers to stop after the chunk at hand and waits for them.
    ~OrderedWorkers();
    OrderedWorkers(const OrderedWorkers &) = delete;
    OrderedWorkers &operator=(const OrderedWorkers &) = delete;

    // Waits at most `patience` until the chunk that starts at item begin is done; returns the
    // item after its end, or -1 when it is not done yet.
    int waitForChunk(int begin, std::chrono::milliseconds patience);
    // Workers take no new chunk; long work may watch stopRequested() to end early.
    void stop();
    const std::atomic<bool> &stopRequested() const { return m_stop; }

    // One thread per core.
    static int workerCount();
    static constexpr int AheadChunks = 64;

private:
    void run(int worker);

    const int m_count;
    const int m_chunkSize;
    const Work m_work;
    std::atomic<int> m_nextChunk{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_chunkDone;
    std::vector<char> m_done; // per chunk, guarded by m_mutex
    std::size_t m_wanted = 0; // the chunk the caller waits for, guarded by m_mutex
    std::condition_variable m_wantedMoved;
    std::vector<std::thread> m_threads;
};
