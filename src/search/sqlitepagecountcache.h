#pragma once

#include "search/pagecountcache.h"
#include "search/pagecountdatabase.h"
#include "search/pagecountstorefiles.h"

#include <QHash>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// The page-count cache over its SQLite file. Each folder's entries are read
// in one query at its first lookup and kept until the folder is flushed, so
// a lookup costs no query of its own; records and entries seen valid again
// wait there too, and a flush hands them to the writer thread as one batch.
// The writer thread also opens the file (no lookup waits for that: until
// it is open, none finds anything), prunes it once a day, and starts a new
// file when the old one proves damaged.
class SqlitePageCountCache : public PageCountCache
{
public:
    // `folder`: where the file lives (native bytes), made when missing.
    SqlitePageCountCache(const QByteArray &folder, std::unique_ptr<const PageCountStoreFiles> files);
    ~SqlitePageCountCache() override; // writes what was handed over, then ends the writer

    std::optional<PageCountResult> lookup(const QByteArray &folder, const QByteArray &name,
                                          const CountValidators &validators) override;
    bool knows(const QByteArray &folder, const QByteArray &name) override;
    void record(const QByteArray &folder, const QByteArray &name, const CountValidators &validators,
                const PageCountResult &result) override;
    void flush(const QByteArray &folder) override;
    void flushAll() override;
    QString problem() const override;
    QString problemOnceOpen() const override;

    // Entries not seen for kKeepDays are removed. A hit stamps its entry
    // again only once the stamp is kRestampDays old, so a monthly recount
    // does not rewrite every entry: brimfold-count's second run over the
    // warm 50,000-file corpus of scripts/bench_search.sh took 0.24-0.26 s
    // when it restamped every entry (stamps set 70 days back with sqlite3)
    // and 0.16-0.17 s when it restamped none (0 or 40 days back), four runs
    // each. An entry therefore goes 90 to 150 days after it was last seen.
    static constexpr int kKeepDays = 90;
    static constexpr int kRestampDays = 60;
    static constexpr int kStampKeptDays = kKeepDays + kRestampDays; // the oldest stamp kept
    // At most this many folders in one transaction of the writer. Set by
    // scripts/bench_search.sh --cache-only, "first run (empty cache)": a
    // transaction per folder took 0.38 s, up to 64 folders (with the
    // lookups' own connection) 0.31 s, against 0.21 s with --no-cache.
    static constexpr std::size_t kFoldersPerTransaction = 64;

private:
    struct FolderState
    {
        bool loading = false;
        bool loaded = false;
        PageCountDatabase::Folder stored;
        PageCountDatabase::Batch batch;
    };

    void runWriter(const QByteArray &folder);
    void openStore(const QByteArray &folder);
    void recover();
    bool loadLocked(std::unique_lock<std::mutex> &lock, const QByteArray &folder);
    const PageCountDatabase::Folder *storedLocked(std::unique_lock<std::mutex> &lock, const QByteArray &folder);
    void queueLocked(FolderState &&state, const QByteArray &folder);
    std::vector<PageCountDatabase::Record> pendingLocked(const QByteArray &folder) const;

    const int m_today = PageCountDatabase::today();
    const std::unique_ptr<const PageCountStoreFiles> m_files;
    QByteArray m_path;
    mutable std::mutex m_mutex; // the fields below, up to m_dbMutex
    mutable std::condition_variable m_changed; // the opening or a folder's reading is over
    std::condition_variable m_writerWake;      // work for the writer, or its end
    bool m_opening = true;
    bool m_stopping = false;
    bool m_recovered = false;
    QString m_problem;
    QHash<QByteArray, FolderState> m_folders;
    std::deque<PageCountDatabase::Batch> m_queue;
    std::vector<PageCountDatabase::Batch> m_writing; // the batches the writer is writing
    std::atomic<bool> m_damaged = false;
    std::atomic<bool> m_usable = false; // the file opened; m_problem empty
    std::mutex m_dbMutex; // the writer's connection; never taken while m_mutex is held
    std::unique_ptr<PageCountDatabase> m_db;
    // The lookups' own connection, so a folder is read while the writer
    // writes others (the log lets readers go on beside one writer).
    std::mutex m_readerMutex; // never taken while m_mutex is held
    std::unique_ptr<PageCountDatabase> m_reader;
    std::thread m_writer; // last: started once everything above exists
};
