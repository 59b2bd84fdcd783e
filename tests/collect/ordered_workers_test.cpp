#include "collect/ordered_workers.h"

#include <gtest/gtest.h>

#include <mutex>

using namespace std::chrono_literals;

TEST(OrderedWorkers, ItemsThatKeepComingAreEachWorkedOnceInWholeChunks)
{
    std::mutex mutex;
    std::vector<int> timesWorked(200, 0);
    std::vector<std::pair<int, int>> chunks;
    OrderedWorkers workers(
        4,
        [&](int begin, int end, int) {
            const std::lock_guard lock(mutex);
            chunks.emplace_back(begin, end);
            for (int i = begin; i < end; ++i)
                ++timesWorked[std::size_t(i)];
        },
        OrderedWorkers::Unbounded);

    // A chunk waits until it is whole: three items of four are not enough.
    workers.addItems(3);
    EXPECT_EQ(workers.waitForChunk(0, 20ms), -1);
    workers.addItems(1);
    EXPECT_EQ(workers.waitForChunk(0, 1h), 4);

    // Batches of every size, some ending inside a chunk; the last chunk is cut short only when
    // no more items come.
    int count = 4;
    for (const int batch : {5, 0, 1, 17, 2, 60}) {
        workers.addItems(batch);
        count += batch;
    }
    EXPECT_EQ(workers.waitForChunk(88, 20ms), -1); // 89 items: the chunk from 88 is not whole
    workers.finishItems();
    int done = 0;
    while (done < count)
        done = workers.waitForChunk(done, 1h);
    EXPECT_EQ(done, count);
    EXPECT_EQ(workers.waitForChunk((count / 4 + 1) * 4, 1h), -1); // no chunk after the last

    const std::lock_guard lock(mutex);
    EXPECT_TRUE(std::all_of(timesWorked.begin(), timesWorked.begin() + count, [](int n) { return n == 1; }));
    EXPECT_TRUE(std::all_of(timesWorked.begin() + count, timesWorked.end(), [](int n) { return n == 0; }));
    for (const auto &[begin, end] : chunks)
        EXPECT_TRUE(begin % 4 == 0 && (end - begin == 4 || end == count)) << begin << "-" << end;
}
