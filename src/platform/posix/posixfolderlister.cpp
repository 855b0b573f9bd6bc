#include "platform/posix/posixfolderlister.h"

#include "base/pathcodec.h"
#include "platform/filesystem.h"
#include "platform/posix/filesystemkind.h"
#include "platform/posix/posixfilereader.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned FactsMask =
    STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_ATIME | STATX_BTIME | STATX_CTIME | STATX_INO;
constexpr std::size_t DirentBufferSize = 32 * 1024;

qint64 toMSecs(const struct statx_timestamp &t)
{
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

qint64 toNSecs(const struct statx_timestamp &t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Facts of a regular file; nothing for any other kind.
std::optional<FileFacts> factsOf(const struct statx &st, const FileSystemKind &kind)
{
    if (!S_ISREG(st.stx_mode))
        return std::nullopt;
    FileFacts facts;
    facts.size = qint64(st.stx_size);
    facts.modifiedMs = toMSecs(st.stx_mtime);
    facts.accessedMs = toMSecs(st.stx_atime);
    if (st.stx_mask & STATX_BTIME)
        facts.createdMs = toMSecs(st.stx_btime);
    facts.modifiedNs = toNSecs(st.stx_mtime);
    facts.changedNs = toNSecs(st.stx_ctime);
    if (kind.stableInodes)
        facts.inode = st.stx_ino;
    return facts;
}

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

class PosixFolderListing : public FolderListing
{
public:
    explicit PosixFolderListing(int fd) : m_fd(fd), m_kind(fileSystemKindOf(fd)) {}
    ~PosixFolderListing() override { release(); }

    // Reads every entry; false when the folder cannot be read to its end.
    bool readAll();

    const std::vector<FolderEntry> &entries() const override { return m_entries; }
    std::optional<FileFacts> facts(std::size_t index) override { return factsFrom(index, 0); }
    std::optional<FileFacts> freshFacts(std::size_t index) override
    {
        return factsFrom(index, m_kind.network ? AT_STATX_FORCE_SYNC : 0);
    }
    bool onNetworkFileSystem() const override { return m_kind.network; }
    void release() override;
    OpenedFile openFile(std::size_t index) override;

private:
    void addEntry(const char *name, unsigned char type);
    void addUnknownEntry(const char *name);
    std::optional<FileFacts> factsFrom(std::size_t index, int syncFlag);

    int m_fd;
    FileSystemKind m_kind;
    std::vector<FolderEntry> m_entries;
    // Facts already read while sorting out an entry of unknown type.
    std::vector<std::optional<FileFacts>> m_knownFacts;
};

bool PosixFolderListing::readAll()
{
    std::vector<char> buffer(DirentBufferSize);
    for (;;) {
        const ssize_t got = getdents64(m_fd, buffer.data(), buffer.size());
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        for (ssize_t at = 0; at < got;) {
            const auto *entry = reinterpret_cast<const struct dirent64 *>(buffer.data() + at);
            if (!isDotOrDotDot(entry->d_name))
                addEntry(entry->d_name, entry->d_type);
            at += entry->d_reclen;
        }
    }
}

// Pipes, devices and sockets are left out: opening one could block or act.
void PosixFolderListing::addEntry(const char *name, unsigned char type)
{
    switch (type) {
    case DT_REG:
        m_entries.push_back({QByteArray(name), FolderEntry::Kind::File});
        break;
    case DT_DIR:
        m_entries.push_back({QByteArray(name), FolderEntry::Kind::Folder});
        break;
    case DT_LNK:
        m_entries.push_back({QByteArray(name), FolderEntry::Kind::Link});
        break;
    case DT_UNKNOWN:
        addUnknownEntry(name);
        return;
    default:
        return;
    }
    m_knownFacts.emplace_back();
}

// Some file systems give no type in the listing: one statx sorts it out, and
// its facts are kept so the file costs no second call.
void PosixFolderListing::addUnknownEntry(const char *name)
{
    struct statx st;
    if (statx(m_fd, name, AT_SYMLINK_NOFOLLOW, FactsMask, &st) != 0)
        return;
    FolderEntry::Kind kind;
    if (S_ISREG(st.stx_mode))
        kind = FolderEntry::Kind::File;
    else if (S_ISDIR(st.stx_mode))
        kind = FolderEntry::Kind::Folder;
    else if (S_ISLNK(st.stx_mode))
        kind = FolderEntry::Kind::Link;
    else
        return;
    m_entries.push_back({QByteArray(name), kind});
    m_knownFacts.push_back(kind == FolderEntry::Kind::File ? factsOf(st, m_kind) : std::nullopt);
}

// Facts known from the listing are as fresh as facts() needs them; a sync
// asks the file's server again.
std::optional<FileFacts> PosixFolderListing::factsFrom(std::size_t index, int syncFlag)
{
    if (index >= m_entries.size())
        return std::nullopt;
    if (m_knownFacts[index] && syncFlag == 0)
        return m_knownFacts[index];
    if (m_fd < 0)
        return std::nullopt;
    const FolderEntry &entry = m_entries[index];
    // A link counts as the regular file it names; anything else it names
    // (a folder, a pipe, nothing) is no file.
    const int flags = (entry.kind == FolderEntry::Kind::Link ? 0 : AT_SYMLINK_NOFOLLOW) | syncFlag;
    struct statx st;
    if (statx(m_fd, entry.name.constData(), flags, FactsMask, &st) != 0)
        return std::nullopt;
    return factsOf(st, m_kind);
}

FolderListing::OpenedFile PosixFolderListing::openFile(std::size_t index)
{
    OpenedFile opened;
    if (index >= m_entries.size() || m_fd < 0) {
        opened.errorNumber = ENOENT;
        return opened;
    }
    const FolderEntry &entry = m_entries[index];
    // Non-blocking, so a pipe put in the file's place cannot stall the read;
    // a link opens the file it names, any other name only itself.
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (entry.kind != FolderEntry::Kind::Link)
        flags |= O_NOFOLLOW;
    int fd;
    do {
        fd = ::openat(m_fd, entry.name.constData(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        opened.errorNumber = errno;
        return opened;
    }
    struct statx st;
    if (statx(fd, "", AT_EMPTY_PATH, FactsMask, &st) != 0) {
        opened.errorNumber = errno;
        ::close(fd);
        return opened;
    }
    opened.facts = factsOf(st, m_kind);
    if (!opened.facts) {
        ::close(fd); // no regular file
        return opened;
    }
    opened.source = sourceOfOpenFile(fd, quint64(opened.facts->size));
    return opened;
}

void PosixFolderListing::release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace

std::unique_ptr<FolderListing> PosixFolderLister::open(const QString &path, LinkRule rule)
{
    int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    if (rule == LinkRule::NeverFollow)
        flags |= O_NOFOLLOW;
    const int fd = ::open(PathCodec::encode(path).constData(), flags);
    if (fd < 0)
        return nullptr;
    auto listing = std::make_unique<PosixFolderListing>(fd);
    if (!listing->readAll())
        return nullptr;
    return listing;
}

std::unique_ptr<FolderLister> createFolderLister()
{
    return std::make_unique<PosixFolderLister>();
}
