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

void FolderTotalsTally::addFile(QStringView location, std::optional<qint64> pages, QStringView worthKey)
{
    // A search lists a folder's files together: most files need no lookup.
    if (m_folders.empty() || m_folders[m_current].location != location) {
        const QString key = location.toString();
        const auto found = m_indexOf.constFind(key);
        if (found != m_indexOf.constEnd()) {
            m_current = *found;
        } else {
            m_current = m_folders.size();
            m_indexOf.insert(key, m_current);
            m_folders.push_back({.location = key});
        }
    }
    m_folders[m_current].addFile(pages, worthKey);
}

std::vector<FolderTotal> folderTotals(const GridModel &results, RowScope scope)
{
    FolderTotalsTally tally;
    forEachRowInScope(results, scope,
                      [&](const ScopedRow &row) { tally.addFile(row.location, row.pages, row.worthKey); });
    return std::move(tally.folders());
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
