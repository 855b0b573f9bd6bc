#pragma once

#include "base/pathcodec.h"

#include <QFile>
#include <QString>

// Qt opens files by the UTF-8 form of their name; a name holding raw
// non-UTF-8 bytes would open another file through Qt, so it is refused.
inline bool qtCanOpenByName(const QString &path)
{
    return QFile::encodeName(path) == PathCodec::encode(path);
}
