#include "support/tempfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>
#include <utime.h>

namespace TestSupport {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        QFAIL(qPrintable(QStringLiteral("cannot write ") + path));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void setModified(const QString &path, const QDateTime &when)
{
    struct utimbuf times;
    times.actime = when.toSecsSinceEpoch();
    times.modtime = when.toSecsSinceEpoch();
    QVERIFY(utime(QFile::encodeName(path).constData(), &times) == 0);
}

} // namespace TestSupport
