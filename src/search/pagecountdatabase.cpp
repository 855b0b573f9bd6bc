#include "search/pagecountdatabase.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <sqlite3.h>
#include <thread>

namespace {

constexpr int kSchemaVersion = 2;
constexpr int kApplicationId = 0x42464331; // marks the file as this cache's
// How long a writer waits for the other program's transaction. Transactions
// hold one folder's entries and take milliseconds; the wait happens on the
// cache's writer or an I/O thread, never the window's.
constexpr int kBusyTimeoutMs = 5000;
constexpr int kBusyRetryMs = 20;

const char *const kSchema = R"(
CREATE TABLE folders(path BLOB PRIMARY KEY, seen INTEGER NOT NULL, entries BLOB NOT NULL) WITHOUT ROWID;
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
    QByteArray bytes(int column) const { return view(column).toByteArray(); }
    // Valid until the statement steps or is reset.
    QByteArrayView view(int column) const
    {
        const void *data = sqlite3_column_blob(m_stmt, column);
        return QByteArrayView(static_cast<const char *>(data), sqlite3_column_bytes(m_stmt, column));
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
        problem = QCoreApplication::translate("PageCountDatabase", "the file is not this version's cache");
        check = Check::Damaged;
    } else if (Statement probe(db, "SELECT f.path, f.seen, f.entries, p.day FROM folders f, pruned p LIMIT 0");
               probe.prepared() != SQLITE_OK) {
        check = fail(probe.prepared());
    }
    if (sqlite3_exec(db, check == Check::Usable ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) != SQLITE_OK
        && check == Check::Usable)
        check = fail(sqlite3_errcode(db));
    return check;
}

template <typename Number> void append(QByteArray &to, Number number)
{
    const Number stored = qToLittleEndian(number);
    to.append(reinterpret_cast<const char *>(&stored), sizeof stored);
}

void appendBytes(QByteArray &to, const QByteArray &bytes)
{
    append(to, quint32(bytes.size()));
    to += bytes;
}

// Reads packed entries; `whole` turns false, for good, at the first field
// the bytes left cannot hold.
struct Reader
{
    QByteArrayView rest;
    bool whole = true;

    template <typename Number> Number number()
    {
        if (rest.size() < qsizetype(sizeof(Number))) {
            whole = false;
            return 0;
        }
        const Number value = qFromLittleEndian<Number>(rest.data());
        rest = rest.sliced(sizeof(Number));
        return value;
    }
    QByteArray bytes()
    {
        const quint32 size = number<quint32>();
        if (!whole || size > quint64(rest.size())) {
            whole = false;
            return {};
        }
        const QByteArray value = rest.first(size).toByteArray();
        rest = rest.sliced(size);
        return value;
    }
};

} // namespace

// Preparing a statement costs about as much as running it on a small
// folder: each is prepared once per connection.
struct PageCountDatabase::Prepared
{
    explicit Prepared(sqlite3 *db)
        : find(db, "SELECT seen, entries FROM folders WHERE path = ?"),
          replace(db, "INSERT OR REPLACE INTO folders(path, seen, entries) VALUES(?, ?, ?)")
    {
    }
    Statement find, replace;
};

PageCountDatabase::PageCountDatabase(sqlite3 *db) : m_db(db), m_prepared(std::make_unique<Prepared>(db)) {}

std::unique_ptr<PageCountDatabase> PageCountDatabase::open(const QByteArray &path, const PageCountStoreFiles &files,
                                                           QString &problem)
{
    int busyWaits = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Made before SQLite opens it: it holds file names.
        if (problem = files.makeFile(path); !problem.isEmpty())
            return nullptr;
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
        files.moveAside(path);
    }
    return nullptr;
}

std::unique_ptr<PageCountDatabase> PageCountDatabase::openAfresh(const QByteArray &path,
                                                                 const PageCountStoreFiles &files, QString &problem)
{
    files.moveAside(path);
    return open(path, files, problem);
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

PageCountDatabase::Outcome PageCountDatabase::load(const QByteArray &folder, int oldestDay, Folder &into)
{
    Statement &find = m_prepared->find;
    find.reset();
    find.bind(1, folder);
    const int code = find.step();
    if (code == SQLITE_ROW && unpack(find.view(1), int(find.integer(0)), into.entries))
        into.seenDay = int(find.integer(0));
    find.reset();
    into.entries.removeIf([oldestDay](const auto &entry) { return entry.value().seenDay < oldestDay; });
    return outcomeOf(code);
}

PageCountDatabase::Outcome PageCountDatabase::write(const std::vector<Batch> &batches, int today, int keepDays)
{
    if (Outcome begun = exec("BEGIN IMMEDIATE"); begun != Outcome::Done)
        return begun;
    Outcome outcome = Outcome::Done;
    for (auto batch = batches.begin(); outcome == Outcome::Done && batch != batches.end(); ++batch) {
        Folder folder;
        outcome = load(batch->folder, today - keepDays, folder);
        if (outcome != Outcome::Done)
            break;
        for (const Record &record : batch->records)
            folder.entries[record.name] = {record.validators, today, record.result};
        for (const QByteArray &name : batch->seen)
            if (const auto entry = folder.entries.find(name); entry != folder.entries.end())
                entry->seenDay = today;
        Statement &replace = m_prepared->replace;
        replace.bind(1, batch->folder);
        replace.bind(2, today);
        replace.bind(3, pack(folder.entries, today));
        outcome = outcomeOf(replace.run());
        replace.reset();
    }
    if (outcome != Outcome::Done) {
        exec("ROLLBACK");
        return outcome;
    }
    return exec("COMMIT");
}

QByteArray PageCountDatabase::pack(const QHash<QByteArray, Stored> &entries, int day)
{
    QByteArray packed;
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry) {
        const CountValidators &v = entry->validators;
        appendBytes(packed, entry.key());
        for (qint64 number : {v.size, v.modifiedNs, v.changedNs, qint64(v.inode)})
            append(packed, number);
        append(packed, quint32(std::max(day - entry->seenDay, 0)));
        appendBytes(packed, entry->result);
    }
    return packed;
}

bool PageCountDatabase::unpack(QByteArrayView bytes, int day, QHash<QByteArray, Stored> &into)
{
    Reader in{bytes};
    while (in.whole && !in.rest.isEmpty()) {
        QByteArray name = in.bytes();
        Stored stored;
        CountValidators &v = stored.validators;
        for (qint64 *number : {&v.size, &v.modifiedNs, &v.changedNs})
            *number = in.number<qint64>();
        v.inode = in.number<quint64>();
        // A stamp before the epoch is as old as any.
        stored.seenDay = int(std::max<qint64>(qint64(day) - in.number<quint32>(), 0));
        stored.result = in.bytes();
        if (in.whole)
            into.insert(std::move(name), std::move(stored));
    }
    if (!in.whole)
        into.clear();
    return in.whole;
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
    // A folder's entries were all seen on its stamp's day or before.
    Statement folders(m_db, "DELETE FROM folders WHERE seen < ?");
    folders.bind(1, today - days);
    Statement mark(m_db, "UPDATE pruned SET day = ?");
    mark.bind(1, today);
    const bool done = folders.run() == SQLITE_DONE && mark.run() == SQLITE_DONE;
    exec(done ? "COMMIT" : "ROLLBACK");
}
