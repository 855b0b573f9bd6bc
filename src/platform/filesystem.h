#pragma once

#include "search/bytesource.h"
#include "search/folderlister.h"
#include "search/pagecountcache.h"
#include "search/pagecountstorefiles.h"
#include "search/pagecounter.h"

#include <QByteArray>
#include <QString>

#include <memory>

// The file system as the search reads it, implemented for this platform.

std::unique_ptr<FolderLister> createFolderLister();

// Opens the file at `nativePath` for reading; null when it cannot be opened
// or is no regular file. Opening never blocks on a pipe or device.
// `knownSize` is the size the caller has from a listing of a regular file;
// -1 has it looked up (and the file type checked). `errorNumber`, when
// given, gets the system's reason for a null answer (0: no regular file).
std::unique_ptr<ByteSource> openFileForReading(const QByteArray &nativePath, qint64 knownSize,
                                               int *errorNumber = nullptr);

// The page counter over files read through this platform.
class FilePageCounter {
public:
    // Pages of the TIFF file at `path`; negative when they cannot be counted.
    int CountPages(const QString &path) const;

    // The same for a path in its native bytes (see openFileForReading).
    static int countPagesOfFile(const QByteArray &nativePath, qint64 knownSize = -1);
    // The same with the reason of a failure and what was left out.
    static PageCountResult countFile(const QByteArray &nativePath, qint64 knownSize = -1);
};

// This user's page-count cache, shared by the window and brimfold-count:
// $XDG_CACHE_HOME/brimfold/pagecounts.sqlite (~/.cache when unset), folder
// 0700, file 0600. Never null: problem() says when it cannot be used (its
// folder is on a network file system, the file cannot be made). The file is
// opened and written on the cache's own thread; until it is open, lookups
// find nothing.
std::shared_ptr<PageCountCache> openPageCountCache();
// The calls to this platform that the cache's store makes.
std::unique_ptr<PageCountStoreFiles> createPageCountStoreFiles();
