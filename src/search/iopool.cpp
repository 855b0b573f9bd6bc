#include "search/iopool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Work queued while no job has finished for this long means every thread
// waits on slow storage (or on a server that hangs): one more thread then
// puts one more request in flight. Where the cache is warm jobs finish far
// sooner, and few threads save the hand-overs between them.
constexpr auto kStall = std::chrono::milliseconds(2);

// How long a thread with nothing to do looks for new work before it sleeps:
// where the cache is warm the run posts work every few tens of microseconds,
// and a sleep and a wake-up for each would cost more than the work.
constexpr auto kSpin = std::chrono::microseconds(100);

} // namespace

struct IoPool::State
{
    std::mutex mutex;
    std::condition_variable work;  // for the threads that run jobs
    std::condition_variable watch; // for the thread that adds threads
    std::deque<std::function<void()>> queue;
    std::atomic<bool> hasWork = false; // !queue.empty(), for looking without the lock
    std::atomic<bool> looking = false; // a thread looks for work before it sleeps
    int limit = 1;
    int started = 0;
    int idle = 0;
    int sleeping = 0; // idle threads waiting on `work`, not looking
    bool closed = false;
    bool watcherAsleep = false;     // waits with no time limit: nothing to watch
    Clock::time_point lastProgress; // a job finished or a thread started

    // With the mutex held: work is queued and every thread is busy.
    void wakeWatcherIfAsleep()
    {
        if (watcherAsleep && idle == 0 && !queue.empty()) {
            watcherAsleep = false;
            watch.notify_one();
        }
    }

    bool stalled() const
    {
        return !queue.empty() && idle == 0 && started < limit && Clock::now() - lastProgress >= kStall;
    }

    // With the mutex held.
    void startThread(const std::shared_ptr<State> &self)
    {
        ++started;
        lastProgress = Clock::now();
        std::thread(&State::serve, self).detach();
    }

    // The loop of one thread; it holds the state alive, never the pool.
    static void serve(std::shared_ptr<State> state)
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(state->mutex);
                ++state->idle;
                // One thread at a time looks: more would take the cores
                // from the run and the threads with work.
                if (state->queue.empty() && !state->closed && !state->looking.exchange(true)) {
                    lock.unlock();
                    state->lookForWork();
                    state->looking = false;
                    lock.lock();
                }
                ++state->sleeping;
                state->work.wait(lock, [&] { return state->closed || !state->queue.empty(); });
                --state->sleeping;
                --state->idle;
                if (state->closed)
                    return;
                job = std::move(state->queue.front());
                state->queue.pop_front();
                state->hasWork = !state->queue.empty();
                state->wakeWatcherIfAsleep();
            }
            job();
            job = nullptr;
            std::lock_guard lock(state->mutex);
            state->lastProgress = Clock::now();
        }
    }

    // Without the lock: waits a little for work to come.
    void lookForWork() const
    {
        const auto until = Clock::now() + kSpin;
        while (!hasWork.load(std::memory_order_relaxed) && Clock::now() < until)
            std::this_thread::yield();
    }

    // Adds a thread whenever the queue stalls, while every thread is busy.
    static void watchForStalls(std::shared_ptr<State> state)
    {
        std::unique_lock lock(state->mutex);
        while (!state->closed && state->started < state->limit) {
            if (state->stalled())
                state->startThread(state);
            if (state->queue.empty() || state->idle > 0) {
                state->watcherAsleep = true;
                state->watch.wait(lock, [&] { return !state->watcherAsleep || state->closed; });
            } else {
                state->watch.wait_for(lock, kStall);
            }
        }
    }
};

IoPool::IoPool(int threads) : m_state(std::make_shared<State>()), m_threads(threads < 1 ? 1 : threads)
{
    m_state->limit = m_threads;
}

IoPool::~IoPool()
{
    std::lock_guard lock(m_state->mutex);
    m_state->closed = true;
    m_state->queue.clear();
    m_state->work.notify_all();
    m_state->watch.notify_all();
}

void IoPool::post(std::function<void()> job, bool urgent)
{
    std::lock_guard lock(m_state->mutex);
    if (urgent)
        m_state->queue.push_front(std::move(job));
    else
        m_state->queue.push_back(std::move(job));
    m_state->hasWork = true;
    if (m_state->started == 0) {
        m_state->startThread(m_state);
        if (m_threads > 1)
            std::thread(&State::watchForStalls, m_state).detach();
    }
    // A thread looking for work finds it unwoken.
    if (m_state->sleeping > 0)
        m_state->work.notify_one();
    else
        m_state->wakeWatcherIfAsleep();
}

void IoPool::nudge()
{
    std::lock_guard lock(m_state->mutex);
    // Asked once: the answer is read from a system file each time.
    static const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    if (!m_state->closed && m_state->idle == 0 && !m_state->queue.empty()
        && m_state->started < std::min(cores, m_threads))
        m_state->startThread(m_state);
}

void IoPool::dropQueued()
{
    std::lock_guard lock(m_state->mutex);
    m_state->queue.clear();
    m_state->hasWork = false;
}
