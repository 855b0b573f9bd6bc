#pragma once

#include <QString>

// Folder paths as the search names them: "/" separators, no trailing "/"
// except for the root.
namespace FolderPath {

// `path` as the file system reports a folder: trailing "/" removed, except "/".
inline QString location(const QString &path)
{
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == u'/')
        --end;
    return path.left(end);
}

// The path of `name` inside the folder at `location`.
inline QString child(const QString &location, const QString &name)
{
    if (location.endsWith(u'/'))
        return location + name;
    return location + u'/' + name;
}

} // namespace FolderPath
