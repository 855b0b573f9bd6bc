#include "platform/filesystem.h"
#include "platform/posix/filesystemkind.h"
#include "search/sqlitepagecountcache.h"

#include <QByteArrayList>
#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString lastError()
{
    return QString::fromLocal8Bit(strerror(errno));
}

class PosixPageCountStoreFiles : public PageCountStoreFiles
{
public:
    QString makeFolder(const QByteArray &folder) const override
    {
        const QByteArrayList parts = folder.split('/');
        QByteArray path;
        for (const QByteArray &part : parts) {
            if (part.isEmpty())
                continue;
            path += '/' + part;
            if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
                return lastError();
        }
        struct stat info;
        if (::stat(folder.constData(), &info) != 0)
            return lastError();
        if (!S_ISDIR(info.st_mode))
            return QString::fromLocal8Bit(strerror(ENOTDIR));
        if ((info.st_mode & 077) != 0 && info.st_uid == ::getuid())
            ::chmod(folder.constData(), 0700);
        return {};
    }

    QString untrustedFolder(const QByteArray &folder) const override
    {
        struct stat info;
        if (::stat(folder.constData(), &info) != 0)
            return lastError();
        if (info.st_uid != ::getuid())
            return QCoreApplication::translate("PosixPageCountStore", "%1 belongs to another user")
                    .arg(QString::fromLocal8Bit(folder));
        if ((info.st_mode & 022) != 0)
            return QCoreApplication::translate("PosixPageCountStore", "others can write in %1")
                    .arg(QString::fromLocal8Bit(folder));
        return {};
    }

    bool onNetworkFileSystem(const QByteArray &folder) const override
    {
        return fileSystemKindAt(folder.constData()).network;
    }

    QString makeFile(const QByteArray &path) const override
    {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return lastError();
        ::close(fd);
        return {};
    }

    void moveAside(const QByteArray &path) const override
    {
        const QByteArray broken = path + ".broken";
        const QByteArray log = path + "-wal";
        const QByteArray shared = path + "-shm";
        ::rename(path.constData(), broken.constData());
        ::unlink(log.constData());
        ::unlink(shared.constData());
    }
};

// $XDG_CACHE_HOME/brimfold, or ~/.cache/brimfold; empty when neither is known.
QByteArray cacheFolder()
{
    const QByteArray xdg = qgetenv("XDG_CACHE_HOME");
    if (xdg.startsWith('/'))
        return xdg + "/brimfold";
    const QByteArray home = qgetenv("HOME");
    return home.startsWith('/') ? home + "/.cache/brimfold" : QByteArray();
}

} // namespace

std::unique_ptr<PageCountStoreFiles> createPageCountStoreFiles()
{
    return std::make_unique<PosixPageCountStoreFiles>();
}

std::shared_ptr<PageCountCache> openPageCountCache()
{
    return std::make_shared<SqlitePageCountCache>(cacheFolder(), createPageCountStoreFiles());
}
