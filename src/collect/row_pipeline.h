#pragma once
// Rows made on every core from paths that may still be coming in, taken back in the paths'
// order: a walk hands over each folder's files while the rows of the earlier ones are made.
#include "collect/file_rows.h"
#include "collect/ordered_workers.h"

#include <QByteArray>
#include <QVector>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class RowPipeline {
public:
    explicit RowPipeline(const RowRules &rules);
    // Stops the work; rows not taken are dropped.
    ~RowPipeline();
    RowPipeline(const RowPipeline &) = delete;
    RowPipeline &operator=(const RowPipeline &) = delete;

    // More paths after the last, as the system's bytes.
    void addPaths(QVector<QByteArray> paths);
    // No more paths will come.
    void finishPaths();
    int pathCount() const { return m_count; }

    // The rows of a run of paths; when one of them has no row, which is reported, also the paths.
    struct MadeChunk {
        QVector<QByteArray> paths;
        std::vector<MadeRow> rows;
    };
    // Waits at most `patience` for the rows from path number begin on; nothing when they are
    // not made yet. Each chunk is handed out once.
    std::optional<MadeChunk> takeChunk(int begin, std::chrono::milliseconds patience);
    // No more rows are made; a row under way (its checksums) ends early.
    void stop();

private:
    void makeRows(int begin, int end, int worker);

    // Each chunk done wakes the caller: chunks of many rows keep those wake-ups few, while a
    // stop still ends the row at hand.
    static constexpr int ChunkSize = 128;
    const RowRules m_rules; // the makers hold on to them
    std::atomic<bool> m_stop{false};
    std::vector<std::unique_ptr<FileRowMaker>> m_makers; // one per worker
    int m_count = 0;                                     // the caller's count of paths
    std::mutex m_mutex;
    QVector<QByteArray> m_paths;     // not yet taken by a worker, guarded by m_mutex
    std::map<int, MadeChunk> m_made; // by first path number, guarded by m_mutex
    OrderedWorkers m_workers;        // last, so the workers end before the rest goes
};
