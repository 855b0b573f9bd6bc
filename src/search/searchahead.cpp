#include "search/searchahead.h"

#include "base/folderpath.h"
#include "base/pathcodec.h"
#include "search/iopool.h"
#include "search/pagecounter.h"

#include <QDate>

#include <atomic>
#include <condition_variable>
#include <mutex>

// Shared by the run and its requests; outlives the run while a request runs.
struct AheadShared
{
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<int> inFlight = 0;       // requests posted and not finished
    std::atomic<const void *> awaited = nullptr; // the done flag the run waits for
    std::atomic<bool> abandoned = false; // the run is gone: queued requests do nothing
    SearchAhead::Wake wake;              // cleared when the run goes away
    CacheUse pageCounts;                 // set before the first request

    // Hands over one result; only the one the run waits for wakes it, so
    // results the run does not wait for cost no lock.
    template <typename Fill>
    void complete(std::atomic<bool> &done, Fill fill)
    {
        fill();
        done.store(true); // sequentially consistent with readyFlag's store of awaited
        if (awaited.load() != &done)
            return;
        std::lock_guard lock(mutex);
        if (awaited.load() != &done)
            return;
        awaited = nullptr;
        finished.notify_all();
        if (wake)
            wake();
    }
};

// One request's work, run once: a request the run waits for before it has
// begun is posted again, urgently, and whichever copy a thread takes first
// does the work.
struct AheadRequest
{
    std::atomic<bool> claimed = false;
    bool hurried = false; // posted again (the run's thread alone reads and writes it)
    std::function<void()> work;

    static void run(const std::shared_ptr<AheadRequest> &request, const std::shared_ptr<AheadShared> &shared)
    {
        if (!request->claimed.exchange(true)) {
            request->work();
            request->work = nullptr;
        }
        --shared->inFlight;
    }
};

namespace {

// How many requests may be in flight at once: enough to keep every thread
// busy with one queued behind it.
int inFlightLimit(const IoPool *pool)
{
    return pool ? 2 * pool->threads() : 1;
}

} // namespace

SearchAhead::SearchAhead(std::shared_ptr<FolderLister> lister, IoPool *pool, Wake wake, CacheUse pageCounts)
    : m_lister(std::move(lister)), m_pool(pool), m_shared(std::make_shared<AheadShared>())
{
    m_shared->wake = std::move(wake);
    m_shared->pageCounts = std::move(pageCounts);
}

SearchAhead::~SearchAhead()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->abandoned = true;
        m_shared->wake = nullptr;
    }
    if (m_shared->pageCounts.cache)
        m_shared->pageCounts.cache->flushAll();
}

AheadFolder &SearchAhead::root(const QString &location)
{
    m_root = std::make_unique<AheadFolder>();
    m_root->path = location;
    m_root->bytes = PathCodec::encode(location);
    // The start folder is the user's choice and may be a link; below it,
    // links to folders are never entered (a link to an ancestor never ends).
    m_root->rule = FolderLister::LinkRule::FollowLink;
    m_current = m_root.get();
    m_position = 0;
    return *m_root;
}

std::shared_ptr<AheadRequest> SearchAhead::post(std::function<void()> job, bool urgent)
{
    auto request = std::make_shared<AheadRequest>();
    request->work = std::move(job);
    ++m_shared->inFlight;
    if (m_pool)
        m_pool->post([request, shared = m_shared] { AheadRequest::run(request, shared); }, urgent);
    else
        AheadRequest::run(request, m_shared);
    return request;
}

void SearchAhead::hurry(const std::shared_ptr<AheadRequest> &request)
{
    if (!m_pool || !request || request->hurried || request->claimed)
        return;
    request->hurried = true;
    ++m_shared->inFlight;
    m_pool->post([request, shared = m_shared] { AheadRequest::run(request, shared); }, true);
}

void SearchAhead::issueListing(AheadFolder &folder, bool urgent)
{
    folder.listing = std::make_shared<ListingResult>();
    folder.listing->request = post([shared = m_shared, result = folder.listing, lister = m_lister,
                                    path = folder.path, rule = folder.rule] {
        std::shared_ptr<FolderListing> listing;
        if (!shared->abandoned)
            listing = lister->open(path, rule);
        shared->complete(result->done, [&] { result->listing = std::move(listing); });
    }, urgent);
}

const std::shared_ptr<ListingResult> &SearchAhead::requestListing(AheadFolder &folder)
{
    if (!folder.listing)
        issueListing(folder, true);
    return folder.listing;
}

void SearchAhead::expand(AheadFolder &folder)
{
    if (folder.expanded)
        return;
    folder.expanded = true;
    folder.entries = std::move(folder.listing->listing);
    if (!folder.entries)
        return;
    const std::vector<FolderEntry> &entries = folder.entries->entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].isFileCandidate()) {
            folder.candidates.push_back(i);
            // Decoded once: the look-ahead and the run both judge the name.
            folder.names.push_back(PathCodec::decode(entries[i].name));
            continue;
        }
        auto child = std::make_unique<AheadFolder>();
        child->path = FolderPath::child(folder.path, PathCodec::decode(entries[i].name));
        child->bytes = folder.bytes;
        if (!child->bytes.endsWith('/'))
            child->bytes += '/';
        child->bytes += entries[i].name;
        child->parent = &folder;
        child->indexInParent = folder.subfolders.size();
        folder.subfolders.push_back(std::move(child));
    }
    folder.files.resize(folder.candidates.size());
}

// One request for a few files of a folder, one after the other: a request
// per file would cost a thread hand-over per file, more than a file costs
// where the cache is warm. The batch's results are one allocation, each
// handed out by a pointer that shares the batch's ownership.
void SearchAhead::issueFiles(AheadFolder &folder, const std::vector<std::size_t> &positions,
                             std::shared_ptr<const CriteriaValues> rule, bool urgent)
{
    struct Batch
    {
        explicit Batch(std::size_t size) : results(size), indexes(size) {}
        std::vector<FileResult> results;
        std::vector<std::size_t> indexes; // entry indexes, by result
    };
    const auto batch = std::make_shared<Batch>(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        folder.files[positions[i]] = std::shared_ptr<FileResult>(batch, &batch->results[i]);
        batch->indexes[i] = folder.candidates[positions[i]];
    }
    m_filesAhead += int(positions.size());
    // The date is taken now: it only decides whether to count ahead; the
    // run judges every file itself when it reaches it.
    const QDate today = rule && rule->dateOn() ? QDate::currentDate() : QDate();
    const auto request = post([shared = m_shared, batch, listing = folder.entries, rule = std::move(rule), today,
                               folder = folder.bytes] {
        for (std::size_t i = 0; i < batch->indexes.size(); ++i) {
            FileCount got; // stays empty once the run is gone
            if (!shared->abandoned)
                got = countFile(*listing, batch->indexes[i], folder, shared->pageCounts, rule.get(), today);
            FileResult &result = batch->results[i];
            shared->complete(result.done, [&] { static_cast<FileCount &>(result) = std::move(got); });
        }
    }, urgent);
    for (FileResult &result : batch->results)
        result.request = request;
}

std::shared_ptr<FileResult> SearchAhead::requestFacts(AheadFolder &folder, std::size_t position)
{
    if (!folder.files[position])
        issueFiles(folder, {position}, m_rule, true);
    return folder.files[position];
}

std::shared_ptr<FileResult> SearchAhead::requestCount(AheadFolder &folder, std::size_t position,
                                                     const FileFacts &facts)
{
    auto result = std::make_shared<FileResult>();
    result->request = post([shared = m_shared, result, listing = folder.entries, index = folder.candidates[position],
                            facts, folder = folder.bytes] {
        FileCount got;
        if (!shared->abandoned)
            got = countFile(*listing, index, folder, shared->pageCounts, nullptr, QDate(), &facts);
        shared->complete(result->done, [&] { static_cast<FileCount &>(*result) = std::move(got); });
    }, true);
    return result;
}

bool SearchAhead::readyFlag(const std::atomic<bool> &done, bool waitIfNot)
{
    if (done.load() || !waitIfNot)
        return done.load();
    std::lock_guard lock(m_shared->mutex);
    m_shared->awaited = &done;
    // Looked at again after saying what is awaited: either this sees the
    // result, or its request sees the wait and wakes the run.
    if (!done.load())
        return false;
    m_shared->awaited = nullptr;
    return true;
}

void SearchAhead::waitForCompletion(int ms)
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->finished.wait_for(lock, std::chrono::milliseconds(ms), [&] { return !m_shared->awaited; });
}

void SearchAhead::setPosition(AheadFolder &folder, std::size_t position)
{
    if (m_current == &folder && m_position < folder.files.size() && position > m_position
        && folder.files[m_position]) {
        folder.files[m_position].reset();
        --m_filesAhead;
    }
    m_current = &folder;
    m_position = position;
}

void SearchAhead::filesDone(AheadFolder &folder)
{
    if (m_shared->pageCounts.cache && folder.expanded)
        m_shared->pageCounts.cache->flush(folder.bytes);
}

void SearchAhead::forget(AheadFolder &folder)
{
    for (std::shared_ptr<FileResult> &file : folder.files)
        if (file) {
            file.reset();
            --m_filesAhead;
        }
    folder.entries.reset(); // closes the folder once its requests are done
    for (std::unique_ptr<AheadFolder> &child : folder.subfolders)
        if (child)
            forget(*child);
    if (folder.parent)
        folder.parent->subfolders[folder.indexInParent].reset();
}

namespace {

// The next folder of the walk once `folder`'s files are done: its first
// subfolder still to come, else the next folder after its whole subtree.
// This is the order of the run's recursion (SearchRun::SearchFolder, then
// searchSubfolders): change both together. The look-ahead test with one
// thread fails when they disagree.
AheadFolder *nextAfterSubtree(AheadFolder *folder)
{
    for (; folder->parent; folder = folder->parent) {
        const auto &siblings = folder->parent->subfolders;
        for (std::size_t i = folder->indexInParent + 1; i < siblings.size(); ++i)
            if (siblings[i])
                return siblings[i].get();
    }
    return nullptr;
}

AheadFolder *nextAfterFiles(AheadFolder *folder, bool intoSubfolders)
{
    if (intoSubfolders)
        for (const std::unique_ptr<AheadFolder> &child : folder->subfolders)
            if (child)
                return child.get();
    return nextAfterSubtree(folder);
}

} // namespace

void SearchAhead::lookAhead(const std::shared_ptr<const CriteriaValues> &criteria)
{
    // The copy also lets a file asked for now be counted with its facts.
    if (criteria != m_rule) {
        m_rule = criteria;
        m_patterns = NamePatterns(BuildPatternList(criteria->filter));
    }
    if (!m_pool || !m_current)
        return;
    // Files are asked for in walk order only up to the first folder whose
    // listing is not in; beyond it, only listings.
    bool filesInOrder = true;
    AheadFolder *folder = m_current;
    std::size_t from = m_position + 1;
    for (int folders = 0; folder && folders < kFoldersAhead; ++folders) {
        if (!folder->expanded) {
            if (!folder->listing) {
                if (m_shared->inFlight >= inFlightLimit(m_pool))
                    return;
                issueListing(*folder, false);
            }
            if (!readyFlag(folder->listing->done, false)) {
                filesInOrder = false;
                folder = nextAfterSubtree(folder);
                continue;
            }
            expand(*folder);
        }
        if (filesInOrder && !lookAheadInto(*folder, from))
            return;
        folder = nextAfterFiles(folder, m_rule->subfolders);
        from = 0;
    }
}

// Asks for the files of `folder` from candidate `from` on that the criteria
// would list; false when the limits are reached.
bool SearchAhead::lookAheadInto(AheadFolder &folder, std::size_t from)
{
    if (!folder.entries)
        return true;
    std::vector<std::size_t> batch;
    bool withinLimits = true;
    for (std::size_t position = std::max(from, folder.considered); position < folder.candidates.size();
         ++position) {
        if (m_filesAhead + int(batch.size()) >= kFilesAhead || m_shared->inFlight >= inFlightLimit(m_pool)) {
            withinLimits = false;
            break;
        }
        folder.considered = position + 1;
        if (folder.files[position])
            continue;
        if (PassesNameRules(folder.names[position], *m_rule, m_patterns))
            batch.push_back(position);
        if (int(batch.size()) == kFilesPerRequest) {
            issueFiles(folder, batch, m_rule, false);
            batch.clear();
        }
    }
    if (!batch.empty())
        issueFiles(folder, batch, m_rule, false);
    return withinLimits;
}
