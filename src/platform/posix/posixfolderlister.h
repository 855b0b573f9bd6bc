#pragma once

#include "search/folderlister.h"

// Lists folders with open + getdents64 and reads a file's facts with one
// statx relative to the open folder; the creation time comes from
// STATX_BTIME where the file system keeps one.
class PosixFolderLister : public FolderLister
{
public:
    std::unique_ptr<FolderListing> open(const QString &path, LinkRule rule) override;
};
