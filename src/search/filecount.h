#pragma once

#include "search/cachedcount.h"
#include "search/folderlister.h"
#include "search/pagecounter.h"

#include <QByteArray>
#include <QDate>

#include <optional>

struct CriteriaValues;

// What a request learnt of one file.
struct FileCount
{
    std::optional<FileFacts> facts; // none: vanished, no regular file, unreadable
    bool counted = false;           // pages is the page count
    bool fromCache = false;         // the count came from the page-count cache
    PageCountResult pages;
};

// The one way a file is counted, by the window and brimfold-count alike,
// with the page-count cache or without it.
//
// `folder` is the listing's folder as exact bytes (the cache's key), `rule`
// the criteria whose date and size rules decide whether the file is counted
// at all (null: the facts alone are wanted), `today` the day the date rule
// is judged on. `known`: facts the run read already (with freshFacts() when
// the cache is in use); the file is then counted whatever the rule says.
//
// Where the cache may know the file (or a date or size rule must see the
// facts first), the facts come first and a remembered count is taken when
// its validators match. Otherwise the file is opened at once, and the open
// file gives the facts. A count is remembered under the facts of the file
// that was opened and read, when they lie outside the racy window of the
// count's start: any change during the count then leaves the file with
// other validators than those remembered.
//
// Runs on an I/O thread; several calls at once for files of one listing.
FileCount countFile(FolderListing &listing, std::size_t index, const QByteArray &folder, const CacheUse &pageCounts,
                    const CriteriaValues *rule, const QDate &today, const FileFacts *known = nullptr);
