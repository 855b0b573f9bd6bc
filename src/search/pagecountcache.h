#pragma once

#include "search/pagecounter.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What must match for a remembered count to stand for the file: its size,
// modification and change times in nanoseconds, and its inode number where
// the file system keeps one stable (0 elsewhere).
struct CountValidators
{
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;

    bool operator==(const CountValidators &) const = default;
};

// Page counts remembered across runs and programs, keyed by the folder's
// path and the file's name as exact bytes (never the device number, which
// changes per mount). An entry is given back only while its validators
// match; what may be remembered, and when, is search/cachedcount's rule.
//
// Threads: lookup() and record() are called from several I/O threads at
// once. flush() and flushAll() may be called from any thread, the window's
// too: they only hand the records over to the cache's own writer, which
// writes each folder's in one transaction. Requests hold the cache by shared
// ownership, so it outlives every run that uses it; its destructor writes
// what was handed over and waits for that.
class PageCountCache
{
public:
    virtual ~PageCountCache() = default;
    // The count remembered for `name` in `folder` with exactly these
    // validators, as the counter gave it; nothing when there is none, or
    // while the store is still opening (never waits for it).
    virtual std::optional<PageCountResult> lookup(const QByteArray &folder, const QByteArray &name,
                                                  const CountValidators &validators) = 0;
    // True when a count is remembered for `name` in `folder`, whatever its
    // validators: only then is a file's facts worth reading before it is
    // opened. False while the store is still opening.
    virtual bool knows(const QByteArray &folder, const QByteArray &name) = 0;
    // Remembers a count once the folder is flushed.
    virtual void record(const QByteArray &folder, const QByteArray &name, const CountValidators &validators,
                        const PageCountResult &result) = 0;
    // The run is done with `folder`: its records go to the store.
    virtual void flush(const QByteArray &folder) = 0;
    virtual void flushAll() = 0;
    // Why counts are neither remembered nor looked up (the store's folder
    // is on a network file system, the file cannot be opened); empty while
    // the cache works, and while the store is still opening.
    virtual QString problem() const = 0;
    // The same once the store is opened: waits for that (never call it on
    // the window's thread).
    virtual QString problemOnceOpen() const = 0;
};
