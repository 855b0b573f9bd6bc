#include "platform/folderpaths.h"

#include "search/pathcodec.h"

#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

namespace FolderPaths {

namespace {

constexpr QChar kReplacement(0xFFFD);

// The exact name of the only entry of `folder` that displays as `shown`, or
// `shown` itself when there is none or more than one.
QString exactEntryName(const QString &folder, const QString &shown)
{
    const QByteArray folderBytes = PathCodec::encode(folder.isEmpty() ? QStringLiteral("/") : folder);
    DIR *dir = ::opendir(folderBytes.constData());
    if (!dir)
        return shown;
    QString match;
    int matches = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (QString::fromUtf8(name) == shown) {
            match = PathCodec::decode(name);
            ++matches;
        }
    }
    ::closedir(dir);
    return matches == 1 ? match : shown;
}

} // namespace

bool isFolder(const QString &path)
{
    const QByteArray bytes = PathCodec::encode(path);
    struct stat info;
    return !bytes.isEmpty() && !bytes.contains('\0') && ::stat(bytes.constData(), &info) == 0 &&
           S_ISDIR(info.st_mode);
}

QString exactPath(const QString &path)
{
    if (!path.contains(kReplacement))
        return path;
    QStringList parts = path.split(QLatin1Char('/'));
    QString parent;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i].contains(kReplacement))
            parts[i] = exactEntryName(parent, parts[i]);
        parent += (i == 0 ? QString() : QStringLiteral("/")) + parts[i];
    }
    return parts.join(QLatin1Char('/'));
}

} // namespace FolderPaths
