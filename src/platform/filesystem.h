#pragma once

#include "search/bytesource.h"
#include "search/folderlister.h"

#include <QByteArray>
#include <QString>

#include <memory>

// The file system as the search reads it, implemented for this platform.

std::unique_ptr<FolderLister> createFolderLister();

// Opens the file at `nativePath` for reading; null when it cannot be opened
// or is no regular file. Opening never blocks on a pipe or device.
// `knownSize` is the size the caller has from a listing of a regular file;
// -1 has it looked up (and the file type checked).
std::unique_ptr<ByteSource> openFileForReading(const QByteArray &nativePath, qint64 knownSize);

// The page counter over files read through this platform.
class FilePageCounter {
public:
    // Pages of the TIFF file at `path`; negative when they cannot be counted.
    int CountPages(const QString &path) const;

    // The same for a path in its native bytes (see openFileForReading).
    static int countPagesOfFile(const QByteArray &nativePath, qint64 knownSize = -1);

    // The same, a failure given as its UnreadableReason::Code.
    static int countPagesExplained(const QByteArray &nativePath, qint64 knownSize = -1);
};
