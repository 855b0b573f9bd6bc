#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Replaces the file at `path` with what `write` puts into the device, all or
// nothing: the old file stays intact when anything fails. On a failure to
// open or to commit, `error` (when given) gets the system's words; when
// `write` fails it reports its own. `inPlaceFallback`: a folder that takes no
// temporary file has the file rewritten in place instead.
bool replaceFile(const QString &path, const std::function<bool(QIODevice *)> &write, QString *error,
                 bool inPlaceFallback = false);

// The same for bytes already made; a short write reports the system's words.
bool replaceFileWith(const QString &path, const QByteArray &bytes, QString *error,
                     bool inPlaceFallback = false);
