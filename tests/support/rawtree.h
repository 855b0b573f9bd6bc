#pragma once

#include <QByteArray>
#include <QString>

// Folder trees that Qt's own file functions cannot handle: names that are no
// UTF-8, and paths longer than PATH_MAX. Everything works on raw bytes and
// folder descriptors (openat, mkdirat, unlinkat).
namespace TestSupport {

// Removes `path` and everything below it, however deep; false on failure.
bool removeTree(const QByteArray &path);

// Writes `bytes` to the file at `path`, named by its raw bytes.
bool writeRawFile(const QByteArray &path, const QByteArray &bytes);

// Makes `depth` nested folders named `name` under `root`, with an empty file
// `fileName` in each level listed in `levelsWithFile` (1 = the first
// folder). Returns false on failure.
bool makeDeepChain(const QByteArray &root, const QByteArray &name, int depth,
                   const QByteArray &fileName, const QList<int> &levelsWithFile,
                   const QByteArray &fileBytes = QByteArray());

} // namespace TestSupport
