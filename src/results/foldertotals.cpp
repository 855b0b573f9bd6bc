#include "results/foldertotals.h"

#include "grid/delimitedtext.h"
#include "grid/gridmodel.h"
#include "results/columnindex.h"

#include <QHash>

namespace {

// A Pages cell's count; nothing for a file whose pages could not be counted.
std::optional<qint64> countedPages(QStringView pagesCell)
{
    bool isNumber = false;
    const qint64 pages = pagesCell.toLongLong(&isNumber);
    return isNumber && pages >= 0 ? std::optional<qint64>(pages) : std::nullopt;
}

} // namespace

void forEachRowInScope(const GridModel &results, RowScope scope, const std::function<void(const ScopedRow &)> &visit)
{
    using namespace ResultColumns;
    for (int row = results.fixedRows(); row < results.rows(); ++row) {
        if (results.isRowHidden(row) || (scope == RowScope::Selected && !results.isRowSelected(row)))
            continue;
        visit({row, results.textView(row, Location), countedPages(results.textView(row, Pages)),
               results.textView(row, PageWorth)});
    }
}

std::vector<FolderTotal> folderTotals(const GridModel &results, RowScope scope)
{
    std::vector<FolderTotal> folders;
    QHash<QString, size_t> indexOf;
    size_t current = 0;
    forEachRowInScope(results, scope, [&](const ScopedRow &row) {
        // A search lists a folder's files together: most rows need no lookup.
        if (folders.empty() || folders[current].location != row.location) {
            const QString key = row.location.toString();
            const auto found = indexOf.constFind(key);
            if (found != indexOf.constEnd()) {
                current = *found;
            } else {
                current = folders.size();
                indexOf.insert(key, current);
                folders.push_back({.location = key});
            }
        }
        folders[current].addFile(row.pages, row.worthKey);
    });
    return folders;
}

FolderTotal sumOfFolders(const std::vector<FolderTotal> &folders, const QString &location)
{
    FolderTotal all{.location = location};
    for (const FolderTotal &folder : folders)
        all.add(folder);
    return all;
}

QByteArray csvBytes(const QList<QStringList> &rows)
{
    return DelimitedText::encode(DelimitedText::joinRows(rows, DelimitedText::Separators{u',', u'\n'}, u"\r\n"));
}
