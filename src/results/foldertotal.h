#pragma once

#include "results/pagebreakdown.h"

#include <QString>
#include <QStringView>

#include <optional>

// Files, pages, unreadable files and what the counted pages are worth, of a
// folder or of any set of files: a row of Folder Totals and of the report,
// a folder or total line of brimfold-count. Every column of them reads one
// of these (results/foldertotalcolumns), so a sum of totals is a sum of
// these four parts.
struct FolderTotal
{
    QString location; // the folder, or what a sum of folders is called
    qint64 files = 0;
    qint64 pages = 0;
    qint64 unreadable = 0;
    PageBreakdown worth{}; // of the counted pages

    // One more file: its pages, or nothing for a file that could not be
    // counted, and what they are worth (as a breakdown or a row's key).
    void addFile(std::optional<qint64> filePages, const PageBreakdown &fileWorth)
    {
        if (addCount(filePages))
            worth.add(fileWorth);
    }
    void addFile(std::optional<qint64> filePages, QStringView fileWorthKey)
    {
        if (addCount(filePages))
            worth.addKey(fileWorthKey);
    }
    void add(const FolderTotal &other)
    {
        files += other.files;
        pages += other.pages;
        unreadable += other.unreadable;
        worth.add(other.worth);
    }

private:
    bool addCount(std::optional<qint64> filePages)
    {
        ++files;
        if (!filePages) {
            ++unreadable;
            return false;
        }
        pages += *filePages;
        return true;
    }
};
