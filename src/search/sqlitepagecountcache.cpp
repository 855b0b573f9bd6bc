#include "search/sqlitepagecountcache.h"

#include "search/pagecountrecord.h"

#include <QCoreApplication>

namespace {

// The words of the cache's problems, which the user is told.
struct CacheWords
{
    Q_DECLARE_TR_FUNCTIONS(SqlitePageCountCache)
};

} // namespace

SqlitePageCountCache::SqlitePageCountCache(const QByteArray &folder,
                                           std::unique_ptr<const PageCountStoreFiles> files)
    : m_files(std::move(files)), m_writer([this, folder] { runWriter(folder); })
{
}

SqlitePageCountCache::~SqlitePageCountCache()
{
    flushAll();
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_writerWake.notify_all();
    m_writer.join();
}

void SqlitePageCountCache::openStore(const QByteArray &folder)
{
    std::unique_ptr<PageCountDatabase> db;
    QString problem;
    if (folder.isEmpty()) {
        problem = CacheWords::tr("no cache folder is known (HOME and XDG_CACHE_HOME are unset)");
    } else if (const QString why = m_files->makeFolder(folder); !why.isEmpty()) {
        problem = CacheWords::tr("cannot make %1: %2").arg(QString::fromLocal8Bit(folder), why);
    } else if (const QString untrusted = m_files->untrustedFolder(folder); !untrusted.isEmpty()) {
        problem = untrusted;
    } else if (m_files->onNetworkFileSystem(folder)) {
        // SQLite's write-ahead log shares memory between the programs that
        // use the file: it works only on one host.
        problem = CacheWords::tr("%1 is on a network file system").arg(QString::fromLocal8Bit(folder));
    } else {
        m_path = folder + "/pagecounts.sqlite";
        db = PageCountDatabase::open(m_path, *m_files, problem);
        if (!db)
            problem = CacheWords::tr("cannot open %1: %2").arg(QString::fromLocal8Bit(m_path), problem);
    }
    if (db)
        db->prune(m_today, kStampKeptDays);
    std::unique_ptr<PageCountDatabase> reader;
    if (db && !(reader = PageCountDatabase::open(m_path, *m_files, problem))) {
        problem = CacheWords::tr("cannot open %1: %2").arg(QString::fromLocal8Bit(m_path), problem);
        db.reset();
    }
    {
        std::scoped_lock lock(m_dbMutex, m_readerMutex);
        m_db = std::move(db);
        m_reader = std::move(reader);
    }
    std::lock_guard lock(m_mutex);
    m_problem = problem;
    m_usable = problem.isEmpty();
    m_opening = false;
    m_changed.notify_all();
}

void SqlitePageCountCache::runWriter(const QByteArray &folder)
{
    openStore(folder);
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_writerWake.wait(lock, [this] { return m_stopping || m_damaged || !m_queue.empty(); });
        if (m_damaged) {
            lock.unlock();
            recover();
            lock.lock();
            continue;
        }
        if (m_queue.empty())
            return; // stopping, everything written
        // Folders handed over while the last were written go in one
        // transaction: a first run's commits stay few when folders are small.
        while (!m_queue.empty() && m_writing.size() < kFoldersPerTransaction) {
            m_writing.push_back(std::move(m_queue.front()));
            m_queue.pop_front();
        }
        lock.unlock();
        {
            std::lock_guard db(m_dbMutex);
            // Batches the other program's transactions keep out are dropped:
            // it is only a cache.
            if (m_db && m_db->write(m_writing, m_today, kStampKeptDays) == PageCountDatabase::Outcome::Damaged)
                m_damaged = true;
        }
        lock.lock();
        m_writing.clear();
    }
}

// The file proved damaged in use: it is moved aside and a new one started,
// once; damaged again, the cache is given up for this program's life.
void SqlitePageCountCache::recover()
{
    QString problem;
    bool again;
    {
        std::lock_guard lock(m_mutex);
        again = m_recovered;
        m_recovered = true;
    }
    {
        std::scoped_lock db(m_dbMutex, m_readerMutex);
        m_db.reset();
        m_reader.reset();
        if (!again)
            m_db = PageCountDatabase::openAfresh(m_path, *m_files, problem);
        if (m_db && !(m_reader = PageCountDatabase::open(m_path, *m_files, problem)))
            m_db.reset();
        if (!m_db && problem.isEmpty())
            problem = CacheWords::tr("the file %1 is damaged").arg(QString::fromLocal8Bit(m_path));
    }
    std::lock_guard lock(m_mutex);
    // What was read from the damaged file goes; counts made meanwhile (the
    // lookups found nothing) are kept for the new one.
    QHash<QByteArray, FolderState> counted;
    for (auto it = m_folders.begin(); it != m_folders.end(); ++it)
        if (!it->batch.records.empty())
            counted[it.key()].batch.records = std::move(it->batch.records);
    m_folders = std::move(counted);
    m_problem = problem;
    m_usable = problem.isEmpty();
    m_damaged = false;
    m_changed.notify_all();
}

QString SqlitePageCountCache::problem() const
{
    std::lock_guard lock(m_mutex);
    return m_problem;
}

QString SqlitePageCountCache::problemOnceOpen() const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_opening; });
    return m_problem;
}

std::optional<PageCountResult> SqlitePageCountCache::lookup(const QByteArray &folder, const QByteArray &name,
                                                            const CountValidators &validators)
{
    std::unique_lock lock(m_mutex);
    const PageCountDatabase::Folder *stored = storedLocked(lock, folder);
    if (!stored)
        return std::nullopt;
    const auto entry = stored->entries.constFind(name);
    if (entry == stored->entries.cend() || entry->validators != validators)
        return std::nullopt;
    const QByteArray bytes = entry->result;
    const bool restamp = entry->seenDay <= m_today - kRestampDays;
    lock.unlock(); // the other threads' lookups go on meanwhile
    std::optional<PageCountResult> result = PageCountRecord::decode(name, validators, bytes);
    if (result && restamp) {
        lock.lock();
        FolderState &state = m_folders[folder];
        if (const auto again = state.stored.entries.find(name); again != state.stored.entries.end()) {
            again->seenDay = m_today;
            state.batch.seen.push_back(name);
        }
    }
    return result;
}

bool SqlitePageCountCache::knows(const QByteArray &folder, const QByteArray &name)
{
    std::unique_lock lock(m_mutex);
    const PageCountDatabase::Folder *stored = storedLocked(lock, folder);
    return stored && stored->entries.contains(name);
}

// The folder's entries, read at its first use; null while the file is still
// opening (the count is then made, and recorded, as if none were
// remembered), cannot be used, or proved damaged.
const PageCountDatabase::Folder *SqlitePageCountCache::storedLocked(std::unique_lock<std::mutex> &lock,
                                                                    const QByteArray &folder)
{
    if (!m_usable || m_damaged || !loadLocked(lock, folder))
        return nullptr;
    return &m_folders[folder].stored;
}

// Reads the folder's entries at its first lookup; lookups of it meanwhile
// wait for that one read. False when the file proved damaged.
bool SqlitePageCountCache::loadLocked(std::unique_lock<std::mutex> &lock, const QByteArray &folder)
{
    FolderState &state = m_folders[folder];
    if (state.loading) {
        m_changed.wait(lock, [&] {
            const auto it = m_folders.constFind(folder);
            return m_damaged || it == m_folders.cend() || !it->loading;
        });
        return !m_damaged && m_folders[folder].loaded;
    }
    if (state.loaded)
        return !m_damaged;
    state.loading = true;
    // Taken before the file is read: whatever is written meanwhile is in
    // one or the other.
    const std::vector<PageCountDatabase::Record> pending = pendingLocked(folder);
    lock.unlock();
    PageCountDatabase::Folder stored;
    {
        std::lock_guard db(m_readerMutex);
        const int oldestDay = m_today - kStampKeptDays;
        if (m_reader && m_reader->load(folder, oldestDay, stored) == PageCountDatabase::Outcome::Damaged) {
            stored.entries.clear(); // nothing read from a damaged file is kept
            m_damaged = true;
        }
    }
    for (const PageCountDatabase::Record &record : pending)
        stored.entries[record.name] = {record.validators, m_today, record.result};
    lock.lock();
    FolderState &loaded = m_folders[folder]; // the table may have grown meanwhile
    loaded.loading = false;
    loaded.loaded = true;
    loaded.stored = std::move(stored);
    m_changed.notify_all();
    if (m_damaged)
        m_writerWake.notify_all(); // to start a new file
    return !m_damaged;
}

// Records of `folder` handed to the writer and not yet written, oldest first.
std::vector<PageCountDatabase::Record> SqlitePageCountCache::pendingLocked(const QByteArray &folder) const
{
    std::vector<PageCountDatabase::Record> pending;
    const auto add = [&](const PageCountDatabase::Batch &batch) {
        if (batch.folder == folder)
            pending.insert(pending.end(), batch.records.begin(), batch.records.end());
    };
    for (const PageCountDatabase::Batch &batch : m_writing)
        add(batch);
    for (const PageCountDatabase::Batch &batch : m_queue)
        add(batch);
    return pending;
}

void SqlitePageCountCache::record(const QByteArray &folder, const QByteArray &name,
                                  const CountValidators &validators, const PageCountResult &result)
{
    PageCountDatabase::Record entry{name, validators, PageCountRecord::encode(name, validators, result)};
    std::lock_guard lock(m_mutex);
    m_folders[folder].batch.records.push_back(std::move(entry));
}

// A folder's batch is written when it adds anything, or when the folder's
// stamp is due (so pruning keeps it).
void SqlitePageCountCache::queueLocked(FolderState &&state, const QByteArray &folder)
{
    PageCountDatabase::Batch &batch = state.batch;
    const bool due = state.stored.seenDay >= 0 && state.stored.seenDay <= m_today - kRestampDays;
    if (batch.records.empty() && batch.seen.empty() && !due)
        return;
    batch.folder = folder;
    m_queue.push_back(std::move(batch));
}

void SqlitePageCountCache::flush(const QByteArray &folder)
{
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_folders.find(folder);
        if (found == m_folders.end())
            return;
        queueLocked(std::move(*found), folder);
        m_folders.erase(found);
    }
    m_writerWake.notify_all();
}

void SqlitePageCountCache::flushAll()
{
    {
        std::lock_guard lock(m_mutex);
        for (auto it = m_folders.begin(); it != m_folders.end(); ++it)
            queueLocked(std::move(*it), it.key());
        m_folders.clear();
    }
    m_writerWake.notify_all();
}
