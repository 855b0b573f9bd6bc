#pragma once

#include "results/pagebreakdown.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class GridModel;

// Files, pages, unreadable files and what the pages are worth per folder,
// over the shown data rows of a grid: `locationCol` names the folder,
// `pagesCol` holds a whole number or anything else for a file that could not
// be counted, `worthCol` (when not -1) the counted pages' PageBreakdown key.
struct FolderTotal
{
    QString location;
    qint64 files = 0;
    qint64 pages = 0;
    qint64 unreadable = 0;
    PageBreakdown worth;
};

// Which data rows a total covers: the shown ones, or the shown and selected.
enum class RowScope { Shown, Selected };
bool isInScope(const GridModel &grid, int row, RowScope scope);

// A Pages cell's count; nothing for a file whose pages could not be counted.
std::optional<qint64> countedPages(QStringView pagesCell);

// One entry per folder, in the order the folders first appear.
std::vector<FolderTotal> folderTotals(const GridModel &grid, int locationCol, int pagesCol, int worthCol = -1,
                                      RowScope scope = RowScope::Shown);

inline const QString kAllFoldersText = QStringLiteral("All folders");

// The sum of all entries, named `location`.
FolderTotal sumOfFolders(const std::vector<FolderTotal> &folders, const QString &location);

// RFC 4180 text: every row's cells separated by commas, rows ended by CRLF,
// a cell holding a comma, quote, CR or LF quoted (inner quotes doubled).
// UTF-8; a file name's raw bytes are written back as they were.
QByteArray csvBytes(const QList<QStringList> &rows);

