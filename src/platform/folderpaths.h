#pragma once

#include <QString>

// Helpers for the folder tree, whose file-system model spells a name that is
// not valid UTF-8 with replacement characters (U+FFFD) and so loses its bytes.
namespace FolderPaths {

// True when `path` (exact, see PathCodec) names a folder or a link to one.
bool isFolder(const QString &path);

// `path` with every component that holds U+FFFD replaced by the exact name
// (see PathCodec) of the one entry of its parent folder that displays that
// way. A component that matches no entry, or several, stays as it is.
QString exactPath(const QString &path);

} // namespace FolderPaths
