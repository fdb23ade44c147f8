#include "base/parallel_items.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

TEST(ParallelItems, ResultsStandInItemOrderAndProgressCountsEveryItem)
{
    std::vector<long> results;
    std::vector<std::size_t> reported;
    const bool done = parallelItems<long>(
        97, [](std::size_t i) { return long(i * i) - 3; }, results,
        [&](std::size_t finished, std::size_t count) {
            EXPECT_EQ(count, 97u);
            reported.push_back(finished);
            return true;
        });
    EXPECT_TRUE(done);
    ASSERT_EQ(results.size(), 97u);
    for (std::size_t i = 0; i < results.size(); ++i)
        EXPECT_EQ(results[i], long(i * i) - 3) << "item " << i;
    ASSERT_EQ(reported.size(), 97u);
    for (std::size_t k = 0; k < reported.size(); ++k)
        EXPECT_EQ(reported[k], k + 1);
}

TEST(ParallelItems, NoItemsCallsNothing)
{
    std::vector<int> results{1, 2};
    bool called = false;
    EXPECT_TRUE(parallelItems<int>(0, [&](std::size_t) { called = true; return 1; }, results));
    EXPECT_TRUE(results.empty());
    EXPECT_FALSE(called);
}

TEST(ParallelItems, ProgressCanStopTheRemainingWork)
{
    std::vector<int> results;
    std::atomic<int> ran{0};
    const bool done = parallelItems<int>(
        2000,
        [&](std::size_t) {
            ++ran;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return 1;
        },
        results,
        [](std::size_t finished, std::size_t) { return finished < 5; });
    EXPECT_FALSE(done);
    EXPECT_LT(ran.load(), 2000);
}

TEST(ParallelItems, AWorkersExceptionReachesTheCaller)
{
    std::vector<int> results;
    EXPECT_THROW(parallelItems<int>(
                     50,
                     [](std::size_t i) {
                         if (i == 17)
                             throw std::runtime_error("item 17");
                         return int(i);
                     },
                     results),
                 std::runtime_error);
}
