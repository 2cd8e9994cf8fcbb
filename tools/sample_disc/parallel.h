// Runs independent jobs on all cores. The first exception a job throws is
// rethrown on the calling thread after every worker has stopped.
#pragma once

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace disc {

/// Calls job(i) for i in [0, count) on up to `threads` workers (0: one per core).
inline void parallelFor(int count, const std::function<void(int)>& job, int threads = 0) {
    if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    threads = std::min(threads, count);
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr error;
    std::mutex errorLock;
    auto worker = [&] {
        for (int i = next++; i < count && !failed; i = next++) {
            try {
                job(i);
            } catch (...) {
                std::lock_guard<std::mutex> hold(errorLock);
                if (!error) error = std::current_exception();
                failed = true;
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (auto& t : pool) t.join();
    if (error) std::rethrow_exception(error);
}

}  // namespace disc
