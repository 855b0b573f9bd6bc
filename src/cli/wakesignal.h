#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// Lets the search run sleep while its requests are in flight: a request's
// thread wakes it when one finishes. A wake that comes before the wait is
// kept, so none is lost.
class WakeSignal
{
public:
    void wake()
    {
        {
            std::lock_guard lock(m_mutex);
            m_woken = true;
        }
        m_condition.notify_one();
    }
    // Returns when woken or after `timeout` (to look at Ctrl+C).
    void wait(std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(m_mutex);
        m_condition.wait_for(lock, timeout, [this] { return m_woken; });
        m_woken = false;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_woken = false;
};
