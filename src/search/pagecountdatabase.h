#pragma once

#include "search/pagecountcache.h"
#include "search/pagecountstorefiles.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

struct sqlite3;

// The page-count cache's file: one SQLite database with a row per folder
// (its path as bytes) that holds all its files' entries, packed, and is
// read and replaced as a whole. Written in WAL mode, so the window and
// brimfold-count may use it at once; a kill loses at most the transaction
// being written. One object is one connection, used by one thread at a time.
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

    // Opens the file at `path`, making it (for this user alone) when
    // missing. A file that is not this cache's, is damaged or of another
    // version is moved aside to `path`.broken and a new one started. Null,
    // with `problem` saying why, when none can be used.
    static std::unique_ptr<PageCountDatabase> open(const QByteArray &path, const PageCountStoreFiles &files,
                                                   QString &problem);
    // Moves the file at `path` aside as damaged and starts a new one.
    static std::unique_ptr<PageCountDatabase> openAfresh(const QByteArray &path, const PageCountStoreFiles &files,
                                                         QString &problem);
    ~PageCountDatabase();

    // The folder's entries seen on `oldestDay` or later. A row whose
    // entries are not whole is read as no row.
    Outcome load(const QByteArray &folder, int oldestDay, Folder &into);
    // Merges the batch into the folder's row as the file holds it now (the
    // other program may have written it since it was read), without the
    // entries not seen for `keepDays` days, and replaces the row.
    // Writes the batches in one transaction: all of them, or none.
    Outcome write(const std::vector<Batch> &batches, int today, int keepDays);
    // Removes the folders not seen for `days` days, at most once a day.
    void prune(int today, int days);

    // The entries of a row stamped `day`, one after another: the name, the
    // validators, the days from the entry's stamp to the row's, the
    // record, each number little-endian and each byte string after its
    // length. Moving a row's stamp moves its entries' with it.
    static QByteArray pack(const QHash<QByteArray, Stored> &entries, int day);
    // False, with `into` empty, when `bytes` are not whole entries.
    static bool unpack(QByteArrayView bytes, int day, QHash<QByteArray, Stored> &into);

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
