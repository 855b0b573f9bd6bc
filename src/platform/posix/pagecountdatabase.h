#pragma once

#include "search/pagecountcache.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

struct sqlite3;

// The page-count cache's file: one SQLite database of folders (path as
// bytes) and their files' entries, keyed by (folder, name). Written in WAL
// mode, so the window and brimfold-count may use it at once; a kill loses at
// most the transaction being written. One object is one connection, used by
// one thread at a time.
class PageCountDatabase
{
public:
    enum class Outcome { Done, Busy, Damaged };

    struct Stored
    {
        CountValidators validators;
        int seenDay = 0;
        QByteArray result; // PageCountRecord's bytes
    };
    struct Folder
    {
        int seenDay = -1; // -1: not in the file
        QHash<QByteArray, Stored> entries;
    };
    struct Record
    {
        QByteArray name;
        CountValidators validators;
        QByteArray result;
    };
    // What one folder adds to the file, written in one transaction.
    struct Batch
    {
        QByteArray folder;
        std::vector<Record> records;
        std::vector<QByteArray> seen; // entries found valid again today
    };

    // Opens the file at `path`, making it (mode 0600) when missing. A file
    // that is not this cache's, is damaged or from a newer version is moved
    // aside to `path`.broken and a new one started. Null, with `problem`
    // saying why, when none can be used.
    static std::unique_ptr<PageCountDatabase> open(const QByteArray &path, QString &problem);
    // Moves the file at `path` aside as damaged and starts a new one.
    static std::unique_ptr<PageCountDatabase> openAfresh(const QByteArray &path, QString &problem);
    ~PageCountDatabase();

    Outcome load(const QByteArray &folder, Folder &into);
    Outcome write(const Batch &batch, int today);
    // Removes what was not seen for `days` days, at most once a day.
    void prune(int today, int days);

    // Days since the epoch, the unit of "seen".
    static int today();

private:
    struct Prepared; // the statements of load() and write(), prepared once

    explicit PageCountDatabase(sqlite3 *db);
    static Outcome outcomeOf(int code);
    Outcome exec(const char *sql);

    sqlite3 *m_db;
    std::unique_ptr<Prepared> m_prepared;
};
