#pragma once

#include "base/translatable.h"
#include "results/foldertotal.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class GridModel;

// Which data rows a total covers: the shown ones (a deleted row is hidden),
// or the shown and selected.
enum class RowScope { Shown, Selected };

// A data row of the results table as a total reads it.
struct ScopedRow
{
    int row = 0;
    QStringView location;
    std::optional<qint64> pages; // nothing: a file whose pages could not be counted
    QStringView worthKey;        // what the counted pages are worth, as PageBreakdown's key
};

// Calls `visit` for each data row of the results table in `scope`, in the
// grid's order: Folder Totals, the selection's tooltips and the page report
// read the rows through it alone.
void forEachRowInScope(const GridModel &results, RowScope scope, const std::function<void(const ScopedRow &)> &visit);

// Totals per folder, summed a file at a time, in the order the folders first
// come (a search lists a folder's files together).
class FolderTotalsTally
{
public:
    void addFile(QStringView location, std::optional<qint64> pages, QStringView worthKey);
    // What was added; renaming the folders is for after the last file.
    std::vector<FolderTotal> &folders() { return m_folders; }

private:
    std::vector<FolderTotal> m_folders;
    QHash<QString, size_t> m_indexOf;
    size_t m_current = 0;
};

// One entry per folder with rows in `scope`, in the order the folders first
// appear.
std::vector<FolderTotal> folderTotals(const GridModel &results, RowScope scope = RowScope::Shown);

// What the sum of every folder is called, in the user's language.
inline constexpr Translatable kAllFoldersText{"FolderTotals", QT_TRANSLATE_NOOP("FolderTotals", "All folders")};

// The sum of all entries, named `location`.
FolderTotal sumOfFolders(const std::vector<FolderTotal> &folders, const QString &location);

// RFC 4180 text: every row's cells separated by commas, rows ended by CRLF,
// a cell holding a comma, quote, CR or LF quoted (inner quotes doubled).
// UTF-8; a file name's raw bytes are written back as they were.
QByteArray csvBytes(const QList<QStringList> &rows);
