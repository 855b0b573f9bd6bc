#include "platform/folderpaths.h"

#include "base/pathcodec.h"

#include <sys/stat.h>

namespace FolderPaths {

bool isFolder(const QString &path)
{
    const QByteArray bytes = PathCodec::encode(path);
    struct stat info;
    return !bytes.isEmpty() && !bytes.contains('\0') && ::stat(bytes.constData(), &info) == 0 &&
           S_ISDIR(info.st_mode);
}

} // namespace FolderPaths
