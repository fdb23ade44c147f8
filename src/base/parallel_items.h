#pragma once

// Runs independent per-item work on all cores and reports each finished item
// on the calling thread, so that a window can advance its progress bar and
// repaint between items. Results are stored by item index, so the outcome is
// the same as a loop on one thread, whatever order the workers finish in.

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Called on the calling thread after each finished item with the count of
// items finished so far (1..count). Returning false asks the remaining work to
// stop; items already started still finish.
using ItemProgress = std::function<bool(std::size_t finished, std::size_t count)>;

// The number of workers to use for count items: all cores, never more than items.
inline std::size_t workerCountFor(std::size_t count)
{
    const std::size_t cores = std::max<std::size_t>(1, std::thread::hardware_concurrency());
    return std::min(cores, count);
}

// Calls work(i) for i in [0, count) on a pool of up to workerCountFor(count)
// threads and returns the results in index order. An exception thrown by work
// is rethrown here after every worker has stopped. Returns false when progress
// asked to stop.
template <typename Result, typename Work>
bool parallelItems(std::size_t count, Work&& work, std::vector<Result>& results,
                   const ItemProgress& progress = {})
{
    results.assign(count, Result{});
    if (count == 0)
        return true;

    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finishedSignal;
    std::size_t finished = 0;
    std::exception_ptr failure;

    // Runs the next item on the calling thread; false when none is left or
    // the work was asked to stop.
    std::atomic<std::size_t> next{0};
    const auto runNext = [&] {
        if (stop.load())
            return false; // asked to stop: the items left are not started and not counted
        const std::size_t i = next.fetch_add(1);
        if (i >= count)
            return false;
        try {
            results[i] = work(i);
        } catch (...) {
            std::lock_guard lock(mutex);
            if (!failure)
                failure = std::current_exception();
            stop = true;
        }
        bool wake;
        {
            std::lock_guard lock(mutex);
            ++finished;
            // Without progress to report, the caller only waits for the end.
            wake = progress || finished == count || stop.load();
        }
        if (wake)
            finishedSignal.notify_one();
        return true;
    };

    // The caller is one of the workers; the others take items from a pool of
    // this call's own, so that work which itself runs items in parallel never
    // waits for threads its caller holds.
    QThreadPool pool;
    const std::size_t helpers = workerCountFor(count) - 1;
    pool.setMaxThreadCount(int(std::max<std::size_t>(helpers, 1)));
    for (std::size_t w = 0; w < helpers; ++w)
        pool.start([&runNext] {
            while (runNext()) {
            }
        });

    // After each of its own items, and while it waits for the last ones, the
    // caller reports what has finished.
    std::size_t reported = 0;
    bool completed = true;
    for (;;) {
        const bool ran = runNext();
        std::size_t now;
        {
            std::unique_lock lock(mutex);
            if (!ran)
                finishedSignal.wait(lock, [&] { return finished > reported || stop.load() || finished == count; });
            now = finished;
        }
        while (reported < now) {
            ++reported;
            if (progress && !stop.load() && !progress(reported, count)) {
                stop = true;
                completed = false;
            }
        }
        if (reported == count || stop.load())
            break;
    }
    pool.waitForDone(); // the items started finish
    if (failure)
        std::rethrow_exception(failure);
    return completed && reported == count;
}
