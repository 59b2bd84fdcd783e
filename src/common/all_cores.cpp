#include "common/all_cores.h"

#include <algorithm>
#include <thread>
#include <vector>

void onAllCores(qsizetype count, const std::function<void(qsizetype begin, qsizetype end)> &work)
{
    // Below a few thousand items a thread costs more than it saves.
    const qsizetype threads = count < 4096 ? 1 : std::max(1U, std::thread::hardware_concurrency());
    const qsizetype share = std::max<qsizetype>(1, (count + threads - 1) / threads);
    std::vector<std::thread> helpers;
    for (qsizetype first = share; first < count; first += share)
        helpers.emplace_back(work, first, std::min(count, first + share));
    work(0, std::min(count, share));
    for (std::thread &helper : helpers)
        helper.join();
}
