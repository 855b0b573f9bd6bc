#pragma once

#include "results/pagebreakdown.h"

#include <QList>
#include <QMap>
#include <QString>

#include <map>

// A folder tree in which every total differs from every other, in each folder
// and over all: color, grayscale, black-and-white and unknown-mode pages; A4,
// A3, Letter, Other and unknown-size pages; unreadable files. An output that
// reads a total from the wrong count, or swaps two, says something else than
// the sums worked out here from what was written. A name holds a comma and a
// space; one more folder holds a single file.
namespace TestSupport {

struct TreeFile
{
    QString folder; // below the tree's root
    int pages;      // < 0: unreadable
    PageSize size;
    CaptureMode mode;
};
QList<TreeFile> totalsTreeFiles();
// Writes the files below `root`, the unreadable ones as text.
void writeTotalsTree(const QString &root);
// An A3 page is 2, the Other page (406 mm square) 3, any other 1.
qint64 a4PerPage(PageSize size);

struct TreeSums
{
    qint64 files = 0, unreadable = 0, pages = 0, a4Equivalent = 0;
    std::map<CaptureMode, qint64> modes; // those present
    std::map<PageSize, qint64> sizes;
    // Files, pages, unreadable, A4-equivalent, color, grayscale, black and
    // white, unknown size: as Folder Totals and brimfold-count give them.
    QList<qint64> counts() const;
    // "A4 9, A3 8" with ", " and " ", most pages first.
    QString sizesText(const QString &itemSeparator, const QString &countSeparator) const;
};
// Per folder below the root, and for all of them under "".
QMap<QString, TreeSums> totalsTreeSums();

} // namespace TestSupport
