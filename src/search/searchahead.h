#pragma once

#include "search/cachedcount.h"
#include "search/criteria.h"
#include "search/filecount.h"
#include "search/folderlister.h"
#include "search/searchinterfaces.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class IoPool;
struct AheadShared;
struct AheadRequest;

// What a request hands back. Written by the thread that ran it, read by the
// run once SearchAhead::ready() says it is done.
struct ListingResult
{
    std::atomic<bool> done = false;
    std::shared_ptr<FolderListing> listing; // null: the folder cannot be read
    std::weak_ptr<AheadRequest> request;    // what fills it in, while it waits to run
};

struct FileResult : FileCount
{
    std::atomic<bool> done = false;
    std::weak_ptr<AheadRequest> request; // what fills it in, while it waits to run
};

// One folder of the walk, known before the run reaches it.
struct AheadFolder
{
    QString path; // as the run names it
    QByteArray bytes; // the same path as exact bytes: the page-count cache's key
    FolderLister::LinkRule rule = FolderLister::LinkRule::NeverFollow;
    AheadFolder *parent = nullptr;
    std::size_t indexInParent = 0;
    std::shared_ptr<ListingResult> listing; // null until asked for
    bool expanded = false;                  // the fields below are filled in
    std::shared_ptr<FolderListing> entries; // held while its files are examined
    std::vector<std::size_t> candidates;    // entry indexes of file candidates
    std::vector<QString> names;             // their names as text, by candidate position
    std::vector<std::shared_ptr<FileResult>> files; // by candidate position
    std::size_t considered = 0; // candidates the look-ahead has judged
    std::vector<std::unique_ptr<AheadFolder>> subfolders;
};

// The requests of one search run. The run walks the tree in order and asks
// for what it needs next; with a pool, this also asks ahead for what the
// run will probably need (by a recent copy of the criteria), so that many
// requests are in flight while the run hands out rows in order. Without a
// pool every request runs at once on the caller's thread and nothing is
// asked ahead. Memory stays bounded: at most kFilesAhead file results and
// kFoldersAhead folders ahead of the run.
class SearchAhead
{
public:
    using Wake = std::function<void()>;
    // Requests run on the pool's threads, several at once, and may outlive
    // this object (a request hung on a server ends whenever it ends): each
    // holds the lister, the listing it reads and the cache by shared
    // ownership, and `wake` only through the shared state, which the
    // destructor clears. `wake` must be thread-safe.
    SearchAhead(std::shared_ptr<FolderLister> lister, IoPool *pool, Wake wake, CacheUse pageCounts = {});
    // Requests still running are abandoned, their results dropped; the
    // cache is handed what they remembered so far.
    ~SearchAhead();

    // The start folder of the walk.
    AheadFolder &root(const QString &location);

    // Asks for what the run needs now (at once, before everything queued).
    const std::shared_ptr<ListingResult> &requestListing(AheadFolder &folder);
    // The facts of a file candidate: what was asked for ahead (which may
    // hold its page count too), or a request now, which counts the pages
    // too when the latest copy of the criteria keeps the file.
    std::shared_ptr<FileResult> requestFacts(AheadFolder &folder, std::size_t position);
    // A request for the page count alone, of a file with `facts`.
    std::shared_ptr<FileResult> requestCount(AheadFolder &folder, std::size_t position, const FileFacts &facts);
    // Fills in a folder whose listing is in: its candidates and subfolders.
    void expand(AheadFolder &folder);

    // True when `result` is done; otherwise it becomes the one the run waits
    // for, and the wake function is called when it is done. A request asked
    // ahead and not begun yet is asked again, at once.
    template <typename Result>
    bool ready(const Result &result)
    {
        if (readyFlag(result.done, true))
            return true;
        hurry(result.request.lock());
        return false;
    }
    // Blocks until the result the run waits for is done or `ms` pass (for
    // callers without an event loop).
    void waitForCompletion(int ms);

    // Where the run stands: at the file candidate `position` of `folder`.
    void setPosition(AheadFolder &folder, std::size_t position);
    // The run is done with the files of `folder`: what the cache learnt of
    // them is written.
    void filesDone(AheadFolder &folder);
    // The run is done with `folder` and everything below it.
    void forget(AheadFolder &folder);
    // Asks ahead of the run's position, by a recent copy of the criteria.
    void lookAhead(const std::shared_ptr<const CriteriaValues> &criteria);

private:
    bool readyFlag(const std::atomic<bool> &done, bool waitIfNot);
    void issueListing(AheadFolder &folder, bool urgent);
    // Facts, then the page count when `rule` passes them (never without one).
    void issueFiles(AheadFolder &folder, const std::vector<std::size_t> &positions,
                    std::shared_ptr<const CriteriaValues> rule, bool urgent);
    std::shared_ptr<AheadRequest> post(std::function<void()> job, bool urgent);
    void hurry(const std::shared_ptr<AheadRequest> &request);
    bool lookAheadInto(AheadFolder &folder, std::size_t from);

    std::shared_ptr<FolderLister> m_lister;
    IoPool *m_pool;
    std::shared_ptr<AheadShared> m_shared;
    std::unique_ptr<AheadFolder> m_root;
    AheadFolder *m_current = nullptr;
    std::size_t m_position = 0;
    int m_filesAhead = 0; // file results held for positions the run has not passed
    std::shared_ptr<const CriteriaValues> m_rule; // the copy requests ahead are judged by
    NamePatterns m_patterns;                      // its filter's patterns

    // The bounds of the look-ahead, set by scripts/bench_search.sh,
    // "simulated share, 500 us per request", brimfold-count -j 16 (0.87 s):
    // 128 files ahead took 0.94 s and 2,048 no less (1.03 s), while memory
    // grows with them; 8 folders ahead took 1.07 s, 256 no less (0.89 s).
    static constexpr int kFilesAhead = 512;
    static constexpr int kFoldersAhead = 64;
    // Files per request: one took 0.71 s against 0.65 s on the warm corpus
    // (a thread hand-over per file) and 0.98 s on the share; 32 took 1.02 s
    // on the share (fewer requests in flight). Checked again once a first
    // run opened files at once where the cache knows none (brimfold-count,
    // best of 7 warm, of 3 on the share): 16 took 0.20 s against 0.18 s for
    // a warm recount and 0.64 s against 0.60 s for a first count on the share.
    static constexpr int kFilesPerRequest = 8;
};
