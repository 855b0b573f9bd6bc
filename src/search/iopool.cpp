#include "search/iopool.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct IoPool::State
{
    std::mutex mutex;
    std::condition_variable work;
    std::deque<std::function<void()>> queue;
    int started = 0;
    bool closed = false;

    // The loop of one thread; it holds the state alive, never the pool.
    static void serve(std::shared_ptr<State> state)
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(state->mutex);
                state->work.wait(lock, [&] { return state->closed || !state->queue.empty(); });
                if (state->closed)
                    return;
                job = std::move(state->queue.front());
                state->queue.pop_front();
            }
            job();
        }
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
    if (m_state->started < m_threads) {
        ++m_state->started;
        std::thread(&State::serve, m_state).detach();
    }
    m_state->work.notify_one();
}

void IoPool::dropQueued()
{
    std::lock_guard lock(m_state->mutex);
    m_state->queue.clear();
}
