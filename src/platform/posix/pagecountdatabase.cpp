#include "platform/posix/pagecountdatabase.h"

#include <QDateTime>

#include <cerrno>
#include <chrono>
#include <thread>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

constexpr int kSchemaVersion = 1;
constexpr int kApplicationId = 0x42464331; // marks the file as this cache's
// How long a writer waits for the other program's transaction. Transactions
// hold one folder's entries and take milliseconds; the wait happens on the
// cache's writer or an I/O thread, never the window's.
constexpr int kBusyTimeoutMs = 5000;
constexpr int kBusyRetryMs = 20;

const char *const kSchema = R"(
CREATE TABLE folders(id INTEGER PRIMARY KEY, path BLOB NOT NULL UNIQUE, seen INTEGER NOT NULL);
CREATE TABLE entries(folder INTEGER NOT NULL, name BLOB NOT NULL, size INTEGER NOT NULL,
  mtime INTEGER NOT NULL, ctime INTEGER NOT NULL, inode INTEGER NOT NULL, seen INTEGER NOT NULL,
  result BLOB NOT NULL, PRIMARY KEY(folder, name)) WITHOUT ROWID;
CREATE TABLE pruned(day INTEGER NOT NULL);
INSERT INTO pruned VALUES(0);
)";

// One prepared statement, finalized when it goes.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql) { m_code = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    int prepared() const { return m_code; }
    void bind(int at, qint64 value) { sqlite3_bind_int64(m_stmt, at, value); }
    void bind(int at, const QByteArray &bytes)
    {
        sqlite3_bind_blob(m_stmt, at, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    int step() { return m_code == SQLITE_OK ? sqlite3_step(m_stmt) : m_code; }
    // Ready to run again, its values unbound.
    void reset()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    // Ends a statement read part-way, so its transaction can end.
    void finish() { sqlite3_reset(m_stmt); }
    // Runs a statement that gives no rows; SQLITE_DONE on success.
    int run()
    {
        const int code = step();
        sqlite3_reset(m_stmt);
        return code;
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    QByteArray bytes(int column) const
    {
        const void *data = sqlite3_column_blob(m_stmt, column);
        return QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(m_stmt, column));
    }

private:
    sqlite3_stmt *m_stmt = nullptr;
    int m_code = SQLITE_OK;
};

bool isDamage(int code)
{
    code &= 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB || code == SQLITE_FORMAT || code == SQLITE_SCHEMA
           || code == SQLITE_ERROR; // a missing table or column: not our file
}

// Makes the file with mode 0600 (it holds file names) before SQLite opens
// it; its -wal and -shm files take the same mode.
bool makeFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

void moveAside(const QByteArray &path)
{
    const QByteArray broken = path + ".broken";
    const QByteArray log = path + "-wal";
    const QByteArray shared = path + "-shm";
    ::rename(path.constData(), broken.constData());
    // A log left by the damaged file must not be played into the new one.
    ::unlink(log.constData());
    ::unlink(shared.constData());
}

enum class Check { Usable, Damaged, Busy, Failed };

qint64 pragmaValue(sqlite3 *db, const char *sql, int &code)
{
    Statement statement(db, sql);
    code = statement.step();
    const qint64 value = code == SQLITE_ROW ? statement.integer(0) : 0;
    if (code == SQLITE_ROW)
        code = SQLITE_OK;
    return value;
}

// Checks the file is this cache's, of this version, making the tables in an
// empty one; the other program may be making them at the same moment.
Check checkOrCreate(sqlite3 *db, QString &problem)
{
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    int code = SQLITE_OK;
    const auto fail = [&](int failed) {
        problem = QString::fromUtf8(sqlite3_errstr(failed));
        if ((failed & 0xff) == SQLITE_BUSY || (failed & 0xff) == SQLITE_LOCKED)
            return Check::Busy;
        return isDamage(failed) ? Check::Damaged : Check::Failed;
    };
    Statement wal(db, "PRAGMA journal_mode=WAL");
    if (code = wal.step(); code != SQLITE_ROW)
        return fail(code);
    const bool inWal = wal.bytes(0).toLower() == "wal";
    wal.finish();
    if (!inWal)
        return fail(SQLITE_CANTOPEN);
    if (sqlite3_exec(db, "PRAGMA synchronous=NORMAL; BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(sqlite3_errcode(db));
    const qint64 version = pragmaValue(db, "PRAGMA user_version", code);
    const qint64 application = code == SQLITE_OK ? pragmaValue(db, "PRAGMA application_id", code) : 0;
    const qint64 tables = code == SQLITE_OK ? pragmaValue(db, "SELECT count(*) FROM sqlite_master", code) : 0;
    Check check = Check::Usable;
    if (code != SQLITE_OK) {
        check = fail(code);
    } else if (version == 0 && application == 0 && tables == 0) {
        const QByteArray create = QByteArray(kSchema) + "PRAGMA application_id=" + QByteArray::number(kApplicationId)
                                  + ";PRAGMA user_version=" + QByteArray::number(kSchemaVersion) + ";";
        if (sqlite3_exec(db, create.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            check = fail(sqlite3_errcode(db));
    } else if (version != kSchemaVersion || application != kApplicationId) {
        problem = QStringLiteral("the file is not this version's cache");
        check = Check::Damaged;
    } else if (Statement probe(db, "SELECT e.folder, e.name, e.size, e.mtime, e.ctime, e.inode, e.seen, "
                                   "e.result, f.id, f.path, f.seen, p.day FROM entries e, folders f, pruned p LIMIT 0");
               probe.prepared() != SQLITE_OK) {
        check = fail(probe.prepared());
    }
    if (sqlite3_exec(db, check == Check::Usable ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) != SQLITE_OK
        && check == Check::Usable)
        check = fail(sqlite3_errcode(db));
    return check;
}

} // namespace

// Preparing a statement costs about as much as running it on a small
// folder: each is prepared once per connection.
struct PageCountDatabase::Prepared
{
    explicit Prepared(sqlite3 *db)
        : find(db, "SELECT id, seen FROM folders WHERE path = ?"),
          entries(db, "SELECT name, size, mtime, ctime, inode, seen, result FROM entries WHERE folder = ?"),
          folder(db, "INSERT INTO folders(path, seen) VALUES(?1, ?2) ON CONFLICT(path) DO UPDATE SET seen = ?2 "
                     "RETURNING id"),
          put(db, "INSERT OR REPLACE INTO entries(folder, name, size, mtime, ctime, inode, seen, result) "
                  "VALUES(?, ?, ?, ?, ?, ?, ?, ?)"),
          seen(db, "UPDATE entries SET seen = ? WHERE folder = ? AND name = ?")
    {
    }
    Statement find, entries, folder, put, seen;
};

PageCountDatabase::PageCountDatabase(sqlite3 *db) : m_db(db), m_prepared(std::make_unique<Prepared>(db)) {}

std::unique_ptr<PageCountDatabase> PageCountDatabase::open(const QByteArray &path, QString &problem)
{
    int busyWaits = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!makeFile(path)) {
            problem = QString::fromLocal8Bit(strerror(errno));
            return nullptr;
        }
        sqlite3 *db = nullptr;
        const int opened = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        const Check check = opened == SQLITE_OK ? checkOrCreate(db, problem) : Check::Failed;
        if (check == Check::Usable) {
            problem.clear();
            return std::unique_ptr<PageCountDatabase>(new PageCountDatabase(db));
        }
        if (opened != SQLITE_OK)
            problem = QString::fromUtf8(sqlite3_errstr(opened));
        sqlite3_close_v2(db);
        // Switching to the log needs the file to itself for a moment, and
        // SQLite gives up at once when the other program is starting too.
        if (check == Check::Busy && ++busyWaits * kBusyRetryMs < kBusyTimeoutMs) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kBusyRetryMs));
            --attempt;
            continue;
        }
        if (check != Check::Damaged)
            return nullptr;
        moveAside(path);
    }
    return nullptr;
}

std::unique_ptr<PageCountDatabase> PageCountDatabase::openAfresh(const QByteArray &path, QString &problem)
{
    moveAside(path);
    return open(path, problem);
}

PageCountDatabase::~PageCountDatabase()
{
    m_prepared.reset(); // finalized before the connection closes
    sqlite3_close_v2(m_db);
}

int PageCountDatabase::today()
{
    return int(QDateTime::currentSecsSinceEpoch() / 86400);
}

PageCountDatabase::Outcome PageCountDatabase::outcomeOf(int code)
{
    if (code == SQLITE_OK || code == SQLITE_DONE || code == SQLITE_ROW)
        return Outcome::Done;
    return isDamage(code) ? Outcome::Damaged : Outcome::Busy;
}

PageCountDatabase::Outcome PageCountDatabase::exec(const char *sql)
{
    return outcomeOf(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr));
}

PageCountDatabase::Outcome PageCountDatabase::load(const QByteArray &folder, Folder &into)
{
    Statement &find = m_prepared->find;
    Statement &entries = m_prepared->entries;
    find.reset();
    find.bind(1, folder);
    int code = find.step();
    if (code != SQLITE_ROW)
        return outcomeOf(code);
    const qint64 id = find.integer(0);
    into.seenDay = int(find.integer(1));
    find.reset();
    entries.reset();
    entries.bind(1, id);
    while ((code = entries.step()) == SQLITE_ROW) {
        Stored &stored = into.entries[entries.bytes(0)];
        stored.validators = {entries.integer(1), entries.integer(2), entries.integer(3), quint64(entries.integer(4))};
        stored.seenDay = int(entries.integer(5));
        stored.result = entries.bytes(6);
    }
    entries.reset();
    return outcomeOf(code);
}

PageCountDatabase::Outcome PageCountDatabase::write(const Batch &batch, int today)
{
    if (Outcome begun = exec("BEGIN IMMEDIATE"); begun != Outcome::Done)
        return begun;
    Statement &folder = m_prepared->folder;
    Statement &put = m_prepared->put;
    Statement &seen = m_prepared->seen;
    folder.reset();
    folder.bind(1, batch.folder);
    folder.bind(2, today);
    int code = folder.step();
    const qint64 id = folder.integer(0);
    folder.finish();
    for (const Record &record : batch.records) {
        if (code != SQLITE_ROW && code != SQLITE_DONE)
            break;
        const CountValidators &v = record.validators;
        put.bind(1, id);
        put.bind(2, record.name);
        put.bind(3, v.size);
        put.bind(4, v.modifiedNs);
        put.bind(5, v.changedNs);
        put.bind(6, qint64(v.inode));
        put.bind(7, today);
        put.bind(8, record.result);
        code = put.run();
    }
    for (const QByteArray &name : batch.seen) {
        if (code != SQLITE_ROW && code != SQLITE_DONE)
            break;
        seen.bind(1, today);
        seen.bind(2, id);
        seen.bind(3, name);
        code = seen.run();
    }
    if (code != SQLITE_ROW && code != SQLITE_DONE) {
        exec("ROLLBACK");
        return outcomeOf(code);
    }
    return exec("COMMIT");
}

void PageCountDatabase::prune(int today, int days)
{
    Statement last(m_db, "SELECT day FROM pruned");
    const bool due = last.step() == SQLITE_ROW && last.integer(0) < today;
    last.finish();
    if (!due)
        return;
    if (exec("BEGIN IMMEDIATE") != Outcome::Done)
        return;
    Statement entries(m_db, "DELETE FROM entries WHERE seen < ?");
    entries.bind(1, today - days);
    Statement folders(m_db, "DELETE FROM folders WHERE seen < ? AND NOT EXISTS "
                            "(SELECT 1 FROM entries WHERE entries.folder = folders.id)");
    folders.bind(1, today - days);
    Statement mark(m_db, "UPDATE pruned SET day = ?");
    mark.bind(1, today);
    const bool done = entries.run() == SQLITE_DONE && folders.run() == SQLITE_DONE && mark.run() == SQLITE_DONE;
    exec(done ? "COMMIT" : "ROLLBACK");
}
