#pragma once

#include "search/bytesource.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// What the search needs to know about one file. Times are milliseconds since
// the epoch; the creation time is absent where the file system keeps none.
struct FileFacts
{
    qint64 size = 0;
    qint64 modifiedMs = 0;
    qint64 accessedMs = 0;
    std::optional<qint64> createdMs;
    // What shows a change since a count (search/cachedcount): nanosecond
    // times, and the inode number where the file system keeps it stable
    // (0 elsewhere: on a share it can change between mounts).
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
};

// One name in a folder. Pipes, devices and sockets never appear. A link is
// only a candidate: its facts are those of a regular file it names, or none.
struct FolderEntry
{
    enum class Kind : quint8 { File, Link, Folder };
    QByteArray name; // exact bytes; PathCodec::decode gives the text
    Kind kind = Kind::File;

    bool isFileCandidate() const { return kind != Kind::Folder; }
};

// The entries of one opened folder, in the platform's order. Facts are read
// only when asked for, so names the search rejects cost no further call.
//
// Threads: the search calls facts() and openFile() from several I/O threads
// at once (requests for different entries of one folder), and entries() from
// any thread; release() and the destructor are never called at the same time
// as another call. A listing is held by shared ownership and may be
// destroyed on any thread, after the lister that made it is gone.
class FolderListing
{
public:
    virtual ~FolderListing() = default;
    virtual const std::vector<FolderEntry> &entries() const = 0;
    // Facts of the regular file behind entries()[index]; nothing when it
    // vanished, is no regular file (also through a link) or cannot be read.
    virtual std::optional<FileFacts> facts(std::size_t index) = 0;
    // The same, from the file's server on a network file system, where
    // facts() may answer from the client's copy: what proves a file
    // unchanged since it was counted.
    virtual std::optional<FileFacts> freshFacts(std::size_t index) { return facts(index); }
    // True on a network file system: its file times come from the server's
    // clock, not this machine's.
    virtual bool onNetworkFileSystem() const { return false; }
    // Releases what the folder holds open; entries() stays readable.
    virtual void release() = 0;

    // entries()[index] opened for reading through its folder, with the facts
    // of the file opened: one short name lookup where a path and a facts()
    // call take two. A source but no facts is never given. No source:
    // `errorNumber` has the system's reason (0: no regular file), and facts()
    // tells whether the entry is a file at all.
    struct OpenedFile
    {
        std::unique_ptr<ByteSource> source;
        std::optional<FileFacts> facts;
        int errorNumber = 0;
    };
    virtual OpenedFile openFile(std::size_t index) = 0;
};

// Threads: open() is called from several I/O threads at once. The search's
// requests hold the lister by shared ownership, so a request that outlives
// its run (hung on a server) still has it.
class FolderLister
{
public:
    enum class LinkRule { FollowLink, NeverFollow };
    virtual ~FolderLister() = default;
    // Lists the folder at `path` (text as PathCodec::decode gives it). Null
    // when it cannot be opened or read completely. With NeverFollow a path
    // whose last component is a link is refused, so links are never entered.
    virtual std::unique_ptr<FolderListing> open(const QString &path, LinkRule rule) = 0;
};
