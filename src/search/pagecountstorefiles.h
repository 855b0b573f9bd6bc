#pragma once

#include <QByteArray>
#include <QString>

// The calls to the operating system that the page-count cache's store
// makes, implemented for this platform. Paths are native bytes; an answer
// in words is why something failed, empty when it did not.
class PageCountStoreFiles
{
public:
    virtual ~PageCountStoreFiles() = default;
    // Makes `folder` and its missing parents, open to this user alone, and
    // closes it to others where it is this user's: the file names in it are
    // nobody else's business.
    virtual QString makeFolder(const QByteArray &folder) const = 0;
    // Why counts kept in `folder` (after links) could be planted by someone
    // else: it is another user's, or others may write in it. Empty when
    // only its owner, this user, can change what it holds.
    virtual QString untrustedFolder(const QByteArray &folder) const = 0;
    virtual bool onNetworkFileSystem(const QByteArray &folder) const = 0;
    // Makes the file at `path`, for this user alone, when it is missing;
    // SQLite gives its log and shared-memory files the same mode.
    virtual QString makeFile(const QByteArray &path) const = 0;
    // Moves the file at `path` aside to `path`.broken and removes its log
    // and shared-memory files, which must not be played into a new one.
    virtual void moveAside(const QByteArray &path) const = 0;
};
