#include "search/iopool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Work queued while no job has finished for this long means every thread
// waits on slow storage (or on a server that hangs): one more thread then
// puts one more request in flight. Where the cache is warm jobs finish far
// sooner, and few threads save the hand-overs between them.
// Set by scripts/bench_search.sh: on "simulated share, 500 us per request"
// brimfold-count took 1.20 s at 8 ms against 0.87 s at 2 ms; on the warm
// corpus ("brimfold-count -j 16") 500 us started threads the walk did not
// need: 15,000-46,000 context switches against 600-4,000 (perf stat).
constexpr auto kStall = std::chrono::milliseconds(2);

// How long a thread with nothing to do looks for new work before it sleeps:
// where the cache is warm the run posts work every few tens of microseconds,
// and a sleep and a wake-up for each would cost more than the work.
// Set on the warm corpus, scripts/bench_search.sh's "brimfold-count -j 16"
// under perf stat: about 10,500 context switches without the look against
// 1,500 with it, task clock 550 ms against 400 ms.
constexpr auto kSpin = std::chrono::microseconds(100);

} // namespace

struct IoPool::State
{
    std::mutex mutex;
    std::condition_variable work;  // for the threads that run jobs
    std::condition_variable watch; // for the thread that adds threads
    std::deque<std::function<void()>> queue;
    int urgentQueued = 0; // urgent jobs, at the front of the queue
    int aheadRunning = 0; // counted threads running jobs that are not urgent
    int aheadLimit = 1;   // at most this many: one thread is kept for urgent jobs
    std::atomic<bool> hasWork = false; // !queue.empty(), for looking without the lock
    std::atomic<bool> looking = false; // a thread looks for work before it sleeps
    int limit = 1;
    int ceiling = 1;
    int counted = 0;  // threads idle or running wanted work: at most `limit`
    int alive = 0;    // every thread, also those held by abandoned jobs
    int idle = 0;
    int sleeping = 0; // idle threads waiting on `work`, not looking
    std::uint64_t generation = 0; // one more at each abandonWork()
    bool closed = false;
    bool watcherStarted = false;
    bool watcherAsleep = false;     // waits with no time limit: nothing to watch
    Clock::time_point lastProgress; // a job finished or a thread started

    // With the mutex held: a queued job a thread may take now. Jobs nobody
    // waits for leave one thread to urgent ones, so that look-ahead hung on
    // a server never keeps the caller from what it waits for.
    bool takeable() const { return urgentQueued > 0 || (!queue.empty() && aheadRunning < aheadLimit); }

    // With the mutex held: a thread could be started for queued work.
    bool mayStart() const { return takeable() && idle == 0 && counted < limit && alive < ceiling; }

    // With the mutex held: work is queued, every thread is busy, and there
    // is room for one more.
    void wakeWatcherIfAsleep()
    {
        if (watcherAsleep && mayStart()) {
            watcherAsleep = false;
            watch.notify_one();
        }
    }

    bool stalled() const { return mayStart() && Clock::now() - lastProgress >= kStall; }

    // With the mutex held.
    void startThread(const std::shared_ptr<State> &self)
    {
        ++counted;
        ++alive;
        lastProgress = Clock::now();
        std::thread(&State::serve, self).detach();
    }

    // The loop of one thread; it holds the state alive, never the pool.
    static void serve(std::shared_ptr<State> state)
    {
        std::unique_lock lock(state->mutex);
        for (;;) {
            ++state->idle;
            // One thread at a time looks: more would take the cores from
            // the run and the threads with work.
            if (state->queue.empty() && !state->closed && !state->looking.exchange(true)) {
                lock.unlock();
                state->lookForWork();
                state->looking = false;
                lock.lock();
            }
            ++state->sleeping;
            state->work.wait(lock, [&] { return state->closed || state->takeable(); });
            --state->sleeping;
            --state->idle;
            if (state->closed) {
                --state->alive;
                return;
            }
            std::function<void()> job = std::move(state->queue.front());
            state->queue.pop_front();
            const bool urgent = state->urgentQueued > 0;
            if (urgent)
                --state->urgentQueued;
            else
                ++state->aheadRunning;
            state->hasWork = !state->queue.empty();
            state->wakeWatcherIfAsleep();
            const std::uint64_t generation = state->generation;
            lock.unlock();
            job();
            job = nullptr;
            lock.lock();
            state->lastProgress = Clock::now();
            if (!urgent && generation == state->generation)
                --state->aheadRunning;
            if (generation != state->generation && !state->rejoin()) {
                --state->alive;
                state->wakeWatcherIfAsleep(); // the ceiling may have held it
                return;
            }
        }
    }

    // With the mutex held, for a thread whose job was abandoned (it no
    // longer counts): true when it counts again, false when it should end.
    bool rejoin()
    {
        if (closed || counted >= limit)
            return false;
        ++counted;
        return true;
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
        while (!state->closed) {
            if (state->stalled())
                state->startThread(state);
            if (!state->mayStart()) {
                state->watcherAsleep = true;
                state->watch.wait(lock, [&] { return !state->watcherAsleep || state->closed; });
            } else {
                state->watch.wait_for(lock, kStall);
            }
        }
    }
};

IoPool::IoPool(int threads, int ceiling)
    : m_state(std::make_shared<State>()), m_threads(threads < 1 ? 1 : threads)
{
    m_state->limit = m_threads;
    m_state->aheadLimit = std::max(1, m_threads - 1);
    m_state->ceiling = std::max(m_threads, ceiling > 0 ? ceiling : m_threads * kCeilingRuns);
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
    if (urgent) {
        m_state->queue.push_front(std::move(job));
        ++m_state->urgentQueued;
    } else
        m_state->queue.push_back(std::move(job));
    m_state->hasWork = true;
    // The first thread, also after every thread was abandoned, starts at once.
    if (m_state->counted == 0 && m_state->alive < m_state->ceiling)
        m_state->startThread(m_state);
    if (!m_state->watcherStarted && m_threads > 1) {
        m_state->watcherStarted = true;
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
    if (!m_state->closed && m_state->mayStart() && m_state->counted < std::min(cores, m_threads))
        m_state->startThread(m_state);
}

void IoPool::abandonWork()
{
    std::lock_guard lock(m_state->mutex);
    m_state->queue.clear();
    m_state->urgentQueued = 0;
    m_state->aheadRunning = 0; // what runs now is abandoned
    m_state->hasWork = false;
    ++m_state->generation;
    m_state->counted = m_state->idle; // the busy ones run abandoned jobs
}

bool IoPool::exhausted() const
{
    std::lock_guard lock(m_state->mutex);
    return !m_state->queue.empty() && m_state->idle == 0 && m_state->counted < m_state->limit
           && m_state->alive >= m_state->ceiling;
}

int IoPool::alive() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->alive;
}
