#include "support/rawtree.h"

#include <QList>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TestSupport {

namespace {

bool removeEntriesOf(int dirFd);

bool removeAt(int parentFd, const char *name)
{
    if (unlinkat(parentFd, name, 0) == 0)
        return true;
    const int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool emptied = removeEntriesOf(fd);
    close(fd);
    return emptied && unlinkat(parentFd, name, AT_REMOVEDIR) == 0;
}

bool removeEntriesOf(int dirFd)
{
    DIR *dir = fdopendir(dup(dirFd));
    if (!dir)
        return false;
    QList<QByteArray> names;
    while (const dirent *entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    closedir(dir);
    bool ok = true;
    for (const QByteArray &name : names)
        ok = removeAt(dirFd, name.constData()) && ok;
    return ok;
}

bool writeFileAt(int dirFd, const QByteArray &name, const QByteArray &bytes)
{
    const int fd = openat(dirFd, name.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = write(fd, bytes.constData(), bytes.size()) == bytes.size();
    close(fd);
    return written;
}

} // namespace

bool removeTree(const QByteArray &path)
{
    return removeAt(AT_FDCWD, path.constData());
}

bool writeRawFile(const QByteArray &path, const QByteArray &bytes)
{
    return writeFileAt(AT_FDCWD, path, bytes);
}

bool makeDeepChain(const QByteArray &root, const QByteArray &name, int depth,
                   const QByteArray &fileName, const QList<int> &levelsWithFile,
                   const QByteArray &fileBytes)
{
    int fd = open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 1; fd >= 0 && level <= depth; ++level) {
        const bool made = mkdirat(fd, name.constData(), 0700) == 0;
        const int child =
            made ? openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
        close(fd);
        fd = child;
        if (fd >= 0 && levelsWithFile.contains(level) && !writeFileAt(fd, fileName, fileBytes)) {
            close(fd);
            return false;
        }
    }
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

} // namespace TestSupport
