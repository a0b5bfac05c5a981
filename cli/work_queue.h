// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/vector_registers.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace lx::cli {

// A fixed set of worker threads taking tasks in order. Results come back through futures, so
// the caller decides the order they are used in.
template <typename Result> class WorkQueue {
public:
    explicit WorkQueue(int workers) {
        for (int k = 0; k < workers; ++k) {
            m_threads.emplace_back([this] { work(); });
        }
    }
    ~WorkQueue() {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (std::thread& thread : m_threads) {
            thread.join();
        }
    }
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;

    std::future<Result> submit(std::function<Result()> task) {
        std::packaged_task<Result()> packaged(std::move(task));
        std::future<Result> result = packaged.get_future();
        {
            const std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(packaged));
        }
        m_wake.notify_one();
        return result;
    }

private:
    void work() {
        for (;;) {
            std::packaged_task<Result()> task;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || !m_tasks.empty(); });
                if (m_tasks.empty()) {
                    return;
                }
                task = std::move(m_tasks.front());
                m_tasks.pop_front();
            }
            // A task's Qt calls may leave the vector registers' upper halves in use; the next
            // task's arithmetic would run slowly for it.
            clearVectorUpperHalves();
            task();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::packaged_task<Result()>> m_tasks;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace lx::cli
