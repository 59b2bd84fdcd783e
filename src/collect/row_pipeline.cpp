#include "collect/row_pipeline.h"

#include <algorithm>
#include <utility>

RowPipeline::RowPipeline(const RowRules &rules)
    : m_rules(rules), m_makers([this] {
          std::vector<std::unique_ptr<FileRowMaker>> makers;
          for (int i = 0; i < OrderedWorkers::workerCount(); ++i)
              makers.push_back(std::make_unique<FileRowMaker>(m_rules, &m_stop));
          return makers;
      }()),
      // Rows made ahead cost no more than rows in the list, so the workers never wait for
      // the caller: they work through a walk while it is still going.
      m_workers(
          ChunkSize, [this](int begin, int end, int worker) { makeRows(begin, end, worker); },
          OrderedWorkers::Unbounded)
{
}

RowPipeline::~RowPipeline()
{
    stop();
}

void RowPipeline::addPaths(QVector<QByteArray> paths)
{
    const int added = int(paths.size());
    if (added == 0)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_paths.append(std::move(paths));
    }
    m_count += added;
    m_workers.addItems(added);
}

void RowPipeline::finishPaths()
{
    m_workers.finishItems();
}

void RowPipeline::stop()
{
    m_stop = true;
    m_workers.stop();
}

void RowPipeline::makeRows(int begin, int end, int worker)
{
    MadeChunk chunk;
    chunk.paths.reserve(end - begin);
    {
        // Each path leaves the shared list as a worker takes it.
        const std::lock_guard lock(m_mutex);
        for (int i = begin; i < end; ++i)
            chunk.paths.append(std::exchange(m_paths[i], QByteArray()));
    }
    chunk.rows.reserve(std::size_t(end - begin));
    for (const QByteArray &path : std::as_const(chunk.paths)) {
        if (m_stop)
            break;
        chunk.rows.push_back(m_makers[std::size_t(worker)]->rowFromDisk(path));
    }
    // The paths are kept only to report rows that could not be made.
    if (std::all_of(chunk.rows.begin(), chunk.rows.end(),
                    [](const MadeRow &made) { return made.row.has_value(); }))
        chunk.paths = QVector<QByteArray>();
    const std::lock_guard lock(m_mutex);
    m_made.emplace(begin, std::move(chunk));
}

std::optional<RowPipeline::MadeChunk> RowPipeline::takeChunk(int begin, std::chrono::milliseconds patience)
{
    if (m_workers.waitForChunk(begin, patience) < 0)
        return std::nullopt;
    const std::lock_guard lock(m_mutex);
    auto made = m_made.extract(begin);
    if (made.empty())
        return std::nullopt;
    return std::move(made.mapped());
}
