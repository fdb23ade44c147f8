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

TEST(ParallelItems, WithoutProgressTheCallerStillWaitsForEveryItem)
{
    // Items that finish at different times, the last ones slowest: the
    // caller must not return before them although nobody asks for progress.
    for (int round = 0; round < 20; ++round) {
        std::vector<int> results;
        std::atomic<int> ran{0};
        EXPECT_TRUE(parallelItems<int>(
            9,
            [&](std::size_t i) {
                if (i >= 7)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                ++ran;
                return int(i) + 1;
            },
            results));
        EXPECT_EQ(ran.load(), 9);
        EXPECT_EQ(results, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
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
