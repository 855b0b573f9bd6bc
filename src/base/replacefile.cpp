#include "base/replacefile.h"

#include <QSaveFile>

bool replaceFile(const QString &path, const std::function<bool(QIODevice *)> &write, QString *error,
                 bool inPlaceFallback)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(inPlaceFallback);
    // Unbuffered: QSaveFile::commit() does not notice a failure to write out
    // its last buffer, and would replace the old file with a cut-off copy.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!write(&file)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool replaceFileWith(const QString &path, const QByteArray &bytes, QString *error, bool inPlaceFallback)
{
    return replaceFile(path, [&](QIODevice *device) {
        if (device->write(bytes) == bytes.size())
            return true;
        if (error)
            *error = device->errorString();
        return false;
    }, error, inPlaceFallback);
}
