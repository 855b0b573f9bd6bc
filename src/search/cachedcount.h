#pragma once

#include "search/folderlister.h"
#include "search/pagecountcache.h"

#include <QByteArray>

#include <functional>
#include <memory>

// How a run uses the page-count cache.
struct CacheUse
{
    std::shared_ptr<PageCountCache> cache; // null: every file is counted
    bool trust = true; // false: counts are not looked up, only remembered afresh
    // Now, in nanoseconds since the epoch (default: the system clock); tests
    // move it to put files inside or outside the racy window.
    std::function<qint64()> clockNs;
};

// A count is remembered only when the file's times lie this far before the
// moment its count started, so a change within the file system's time
// granularity (or a clock step) cannot leave it looking unchanged. On a
// network file system the times come from the server's clock, which may be
// off by up to a minute.
constexpr qint64 kRacyMarginLocalNs = 2'000'000'000LL;
constexpr qint64 kRacyMarginNetworkNs = 65'000'000'000LL;

// True when a count of a file with `facts`, started at `startNs`, may be
// remembered.
bool settledBefore(const FileFacts &facts, qint64 startNs, bool network);

// Counts whose reason may not last (an open or read error, a file changing
// while read) are never remembered.
bool rememberable(const PageCountResult &result);

CountValidators validatorsOf(const FileFacts &facts);
