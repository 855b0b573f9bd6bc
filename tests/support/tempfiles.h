#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace TestSupport {

// Writes `bytes` to `path`, creating missing folders. Fails the test on error.
void writeFile(const QString &path, const QByteArray &bytes);

QByteArray readFile(const QString &path);

// Sets the last-modified (and last-access) time of `path`.
void setModified(const QString &path, const QDateTime &when);

} // namespace TestSupport
