#include "search/iopool.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Work queued while no job has finished for this long means every thread
// waits on slow storage: one more thread then puts one more request in
// flight. Where the cache is warm jobs finish far sooner, and few threads
// save the hand-overs between them.
constexpr auto kStallBeforeAnotherThread = std::chrono::microseconds(500);

} // namespace

struct IoPool::State
{
    using Job = std::function<void()>;
    std::mutex mutex;
    std::condition_variable work;
    std::deque<Job> queue;
    int started = 0;
    int idle = 0;
    bool closed = false;
    Clock::time_point lastProgress; // a job finished or a thread started

    // The loop of one thread; it holds the state alive, never the pool.
    static void serve(std::shared_ptr<State> state)
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(state->mutex);
                ++state->idle;
                state->work.wait(lock, [&] { return state->closed || !state->queue.empty(); });
                --state->idle;
                if (state->closed)
                    return;
                job = std::move(state->queue.front());
                state->queue.pop_front();
            }
            job();
            job = nullptr;
            std::lock_guard lock(state->mutex);
            state->lastProgress = Clock::now();
        }
    }

    bool needsAnotherThread(int limit) const
    {
        if (started >= limit || idle > 0)
            return false;
        return started == 0 || (!queue.empty() && Clock::now() - lastProgress > kStallBeforeAnotherThread);
    }
};

IoPool::IoPool(int threads) : m_state(std::make_shared<State>()), m_threads(threads < 1 ? 1 : threads) {}

IoPool::~IoPool()
{
    std::lock_guard lock(m_state->mutex);
    m_state->closed = true;
    m_state->queue.clear();
    m_state->work.notify_all();
}

void IoPool::post(std::function<void()> job, bool urgent)
{
    std::lock_guard lock(m_state->mutex);
    if (urgent)
        m_state->queue.push_front(std::move(job));
    else
        m_state->queue.push_back(std::move(job));
    if (m_state->idle > 0)
        m_state->work.notify_one();
    else if (m_state->needsAnotherThread(m_threads))
        startThread();
}

void IoPool::nudge()
{
    std::lock_guard lock(m_state->mutex);
    if (!m_state->closed && m_state->idle == 0 && !m_state->queue.empty() && m_state->started < m_threads)
        startThread();
}

void IoPool::startThread()
{
    ++m_state->started;
    m_state->lastProgress = Clock::now();
    std::thread(&State::serve, m_state).detach();
}

void IoPool::dropQueued()
{
    std::lock_guard lock(m_state->mutex);
    m_state->queue.clear();
}
