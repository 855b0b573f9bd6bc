#include "results/foldertotals.h"

#include "grid/delimitedtext.h"
#include "grid/gridmodel.h"

#include <QHash>

bool isInScope(const GridModel &grid, int row, RowScope scope)
{
    return !grid.isRowHidden(row) && (scope == RowScope::Shown || grid.isRowSelected(row));
}

std::optional<qint64> countedPages(QStringView pagesCell)
{
    bool isNumber = false;
    const qint64 pages = pagesCell.toLongLong(&isNumber);
    return isNumber && pages >= 0 ? std::optional<qint64>(pages) : std::nullopt;
}

std::vector<FolderTotal> folderTotals(const GridModel &grid, int locationCol, int pagesCol, int worthCol,
                                      RowScope scope)
{
    std::vector<FolderTotal> folders;
    QHash<QString, size_t> indexOf;
    size_t current = 0;
    for (int row = grid.fixedRows(); row < grid.rows(); ++row) {
        if (!isInScope(grid, row, scope))
            continue;
        const QStringView location = grid.textView(row, locationCol);
        // A search lists a folder's files together: most rows need no lookup.
        if (folders.empty() || folders[current].location != location) {
            const QString key = location.toString();
            const auto found = indexOf.constFind(key);
            if (found != indexOf.constEnd()) {
                current = *found;
            } else {
                current = folders.size();
                indexOf.insert(key, current);
                folders.push_back({key, 0, 0, 0, {}});
            }
        }
        FolderTotal &folder = folders[current];
        ++folder.files;
        if (const auto pages = countedPages(grid.textView(row, pagesCol))) {
            folder.pages += *pages;
            if (worthCol >= 0)
                folder.worth.addKey(grid.textView(row, worthCol));
        } else
            ++folder.unreadable;
    }
    return folders;
}

FolderTotal sumOfFolders(const std::vector<FolderTotal> &folders, const QString &location)
{
    FolderTotal all{location, 0, 0, 0, {}};
    for (const FolderTotal &folder : folders) {
        all.worth.add(folder.worth);
        all.files += folder.files;
        all.pages += folder.pages;
        all.unreadable += folder.unreadable;
    }
    return all;
}

QByteArray csvBytes(const QList<QStringList> &rows)
{
    return DelimitedText::encode(DelimitedText::joinRows(rows, DelimitedText::Separators{u',', u'\n'}, u"\r\n"));
}
