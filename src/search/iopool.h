#pragma once

#include <functional>
#include <memory>

// Threads that run file-system requests, so that many are in flight at once
// on storage that answers slowly (network shares, cold disks). The threads
// are never joined: one stuck in a request to a server that hangs must hold
// up neither a cancel nor the program's exit. Work still queued when the
// pool goes away is dropped; work already running ends on its own.
class IoPool
{
public:
    explicit IoPool(int threads);
    ~IoPool();
    IoPool(const IoPool &) = delete;
    IoPool &operator=(const IoPool &) = delete;

    // Queues `job`; an urgent one goes before everything queued (something
    // waits for it now). Threads start as needed: one at first, another
    // whenever work is queued, every thread is busy and none has finished a
    // job for a while, up to the number given.
    void post(std::function<void()> job, bool urgent = false);
    // For a caller about to wait for queued work while every thread is
    // busy: another thread, up to one per processor core, so that work the
    // processor does (a warm cache) uses every core.
    void nudge();
    // Drops everything queued and not yet started.
    void dropQueued();

    // The most threads the pool starts.
    int threads() const { return m_threads; }

    // A sensible number of threads for requests that mostly wait.
    static constexpr int kDefaultThreads = 16;

private:
    struct State;
    std::shared_ptr<State> m_state;
    int m_threads;
};
