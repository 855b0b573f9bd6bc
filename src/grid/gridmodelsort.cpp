#include "grid/gridmodel.h"

#include "grid/gridvalues.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

// Rows ahead of the one being read whose memory is fetched in advance: after
// a sort the rows' texts lie scattered over the heap.
constexpr int kPrefetchDistance = 16;

// One row's sort key: its value when the text stands for one, else its text.
struct SortEntry
{
    double value;
    QStringView text;
    int index;
    bool hasValue;
};

struct KeyReader
{
    GridValues::NumberSyntax numbers = GridValues::NumberSyntax::fromLocale();
    GridValues::DateSyntax dates = GridValues::DateSyntax::fromLocale();

    std::optional<double> read(QStringView text, GridModel::SortMode mode) const
    {
        switch (mode) {
        case GridModel::SortMode::Date:
            if (const auto key = GridValues::parseDateKey(text, dates))
                return double(*key);
            return std::nullopt;
        case GridModel::SortMode::Number:
            return GridValues::parseLeadingNumber(text, numbers);
        case GridModel::SortMode::Generic:
            break;
        }
        return GridValues::parseNumber(text, numbers);
    }
};

// Values first, then the rest by text, in either direction.
struct EntryOrder
{
    bool ascending;

    bool operator()(const SortEntry &a, const SortEntry &b) const
    {
        if (a.hasValue != b.hasValue)
            return a.hasValue;
        if (a.hasValue)
            return ascending ? a.value < b.value : a.value > b.value;
        const int c = GridValues::compareText(a.text, b.text);
        return ascending ? c < 0 : c > 0;
    }
};

} // namespace

GridModel::SortMode GridModel::sortModeOf(int col) const
{
    switch (columnDataType(col)) {
    case GridDataType::Decimal:
        return SortMode::Number;
    case GridDataType::Date:
        return SortMode::Date;
    case GridDataType::None:
        break;
    }
    return SortMode::Generic;
}

QVariant GridModel::sortKey(int row, int col) const
{
    const auto value = KeyReader().read(textView(row, col), sortModeOf(col));
    return value ? QVariant(*value) : QVariant(text(row, col));
}

void GridModel::headerSort(int col)
{
    if (!validColumn(col))
        return;
    const bool ascending = !(col == m_lastHeaderSortCol && m_lastHeaderSortAscending);
    sortByColumn(col, ascending);
    m_lastHeaderSortCol = col;
    m_lastHeaderSortAscending = ascending;
    Q_EMIT afterSort(col, ascending);
}

void GridModel::sortByColumn(int col, bool ascending)
{
    sortRows(m_fixedRows, rows() - 1, col, sortModeOf(col), ascending);
}

void GridModel::sort(int column, Qt::SortOrder order)
{
    sortByColumn(column, order == Qt::AscendingOrder);
}

void GridModel::sortRange(int row1, int row2, int col, GridColumnSort order)
{
    if (order == GridColumnSort::None)
        return;
    sortRows(std::max(m_fixedRows, std::min(row1, row2)), std::min(rows() - 1, std::max(row1, row2)),
             col, SortMode::Number, order == GridColumnSort::NumericAscending);
}

// Numbers (or dates) first, then the rest by text, in either direction; a
// stable sort keeps rows with equal keys in their previous order. The Generic
// mode is the one a column without a data type gets: numbers compare as
// numbers, so a page count of 10 follows 9, and "Error" cells gather at the
// end. The keys are sorted as one compact array, which keeps a million-row
// sort within the cache as far as it can.
void GridModel::sortRows(int first, int last, int col, SortMode mode, bool ascending)
{
    if (!validColumn(col) || last - first < 1)
        return;
    const KeyReader reader;
    std::vector<SortEntry> entries;
    entries.reserve(size_t(last - first + 1));
    for (int row = first; row <= last; ++row) {
        if (row + kPrefetchDistance <= last)
            m_rows[size_t(row + kPrefetchDistance)].cells.prefetch();
        const QStringView text = textView(row, col);
        const auto value = reader.read(text, mode);
        entries.push_back({value.value_or(0), text, row - first, value.has_value()});
    }
    const EntryOrder less{ascending};
    if (std::is_sorted(entries.begin(), entries.end(), less))
        return;
    std::stable_sort(entries.begin(), entries.end(), less);
    std::vector<int> order;
    order.reserve(entries.size());
    for (const SortEntry &entry : entries)
        order.push_back(entry.index);
    applyOrder(first, order);
}

// Moves the rows into their new order; the current cell and persistent
// indexes follow their rows.
void GridModel::applyOrder(int first, const std::vector<int> &order)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(order.size());
    std::vector<Row> result;
    result.reserve(m_rows.size());
    std::move(m_rows.begin(), m_rows.begin() + first, std::back_inserter(result));
    for (size_t i = 0; i < order.size(); ++i) {
        if (i + kPrefetchDistance < order.size())
            __builtin_prefetch(&m_rows[size_t(first + order[i + kPrefetchDistance])]);
        result.push_back(std::move(m_rows[size_t(first + order[i])]));
        newPosition[size_t(order[i])] = int(i);
    }
    std::move(m_rows.begin() + first + qsizetype(order.size()), m_rows.end(), std::back_inserter(result));
    m_rows.swap(result);
    const auto moved = [&](int row) {
        const int offset = row - first;
        return offset >= 0 && offset < int(order.size()) ? first + newPosition[size_t(offset)] : row;
    };
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after.append(this->index(modelRow(moved(gridRow(index.row()))), index.column()));
    changePersistentIndexList(before, after);
    m_currentRow = moved(m_currentRow);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    Q_EMIT currentCellChanged(m_currentRow, m_currentCol);
}
