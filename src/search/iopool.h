#pragma once

#include <functional>
#include <memory>

// Threads that run file-system requests, so that many are in flight at once
// on storage that answers slowly (network shares, cold disks). The threads
// are never joined: one stuck in a request to a server that hangs must hold
// up neither a cancel nor the program's exit. Work still queued when the
// pool goes away is dropped; work already running ends on its own.
//
// Threads: post(), nudge(), abandonWork() and exhausted() may be called from
// any thread, also at once. A job runs on one of the pool's threads and may
// outlive the pool and whoever posted it: it must own (or share) everything
// it touches.
class IoPool
{
public:
    // `threads`: the most threads that count toward the work of one run.
    // `ceiling`: the most threads alive at all, counting those held by
    // abandoned jobs (0: kCeilingRuns runs' worth).
    explicit IoPool(int threads, int ceiling = 0);
    ~IoPool();
    IoPool(const IoPool &) = delete;
    IoPool &operator=(const IoPool &) = delete;

    // Queues `job`; an urgent one goes before everything queued (something
    // waits for it now). Threads start as needed: one at first, another
    // whenever work is queued, every thread is busy and none has finished a
    // job for a while, up to the number given. Jobs that are not urgent
    // run on one thread fewer than that (when there are two or more), so
    // that the jobs a caller waits for never queue behind jobs hung on a
    // server.
    void post(std::function<void()> job, bool urgent = false);
    // For a caller about to wait for queued work while every thread is
    // busy: another thread, up to one per processor core, so that work the
    // processor does (a warm cache) uses every core.
    void nudge();
    // The work posted so far is no longer wanted: what is queued is dropped,
    // and the threads running a job stop counting toward the limit, so work
    // posted afterwards gets threads of its own even while those jobs hang.
    // A thread whose abandoned job ends stays when the pool is short of
    // threads and ends otherwise.
    void abandonWork();
    // True when queued work waits for a thread and none can be started: the
    // ceiling is reached by threads held in abandoned jobs.
    bool exhausted() const;
    // Threads alive now, also those held by abandoned jobs.
    int alive() const;

    // The most threads the pool starts for one run's work.
    int threads() const { return m_threads; }

    // A sensible number of threads for requests that mostly wait. Set by
    // scripts/bench_search.sh, "simulated share, 500 us per request":
    // brimfold-count -j 4 took 2.19 s, -j 8 1.34 s, -j 16 0.87 s, -j 32
    // 0.71 s, -j 64 0.82 s (find 5.66 s); past 16 little is won, and every
    // thread is one more a hung server can hold.
    static constexpr int kDefaultThreads = 16;
    // Abandoned runs whose threads may all hang (a dead server each) before
    // the pool stops starting threads.
    static constexpr int kCeilingRuns = 8;

private:
    struct State;
    std::shared_ptr<State> m_state;
    int m_threads;
};
