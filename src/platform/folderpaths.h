#pragma once

#include <QString>

namespace FolderPaths {

// True when `path` (exact, see PathCodec) names a folder or a link to one.
bool isFolder(const QString &path);

} // namespace FolderPaths
