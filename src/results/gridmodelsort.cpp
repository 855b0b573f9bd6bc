#include "results/gridmodel.h"

#include "results/gridvalues.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

// One row's sort key: its value when the text stands for one, else only text.
struct SortKey
{
    double value = 0;
    bool hasValue = false;
};

struct KeyReader
{
    GridValues::NumberSyntax numbers = GridValues::NumberSyntax::fromLocale();
    GridValues::DateSyntax dates = GridValues::DateSyntax::fromLocale();

    std::optional<double> read(QStringView text, bool asDate) const
    {
        if (asDate) {
            const auto key = GridValues::parseDateKey(text, dates);
            return key ? std::optional<double>(double(*key)) : std::nullopt;
        }
        return GridValues::parseNumber(text, numbers);
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
    const auto value = KeyReader().read(textView(row, col), sortModeOf(col) == SortMode::Date);
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
// numbers, so a page count of 10 follows 9, and "Error" cells gather at the end.
void GridModel::sortRows(int first, int last, int col, SortMode mode, bool ascending)
{
    if (!validColumn(col) || last - first < 1)
        return;
    const int count = last - first + 1;
    const KeyReader reader;
    std::vector<SortKey> keys(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const auto value = reader.read(textView(first + i, col), mode == SortMode::Date);
        keys[size_t(i)] = {value.value_or(0), value.has_value()};
    }
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    const auto less = [&](int a, int b) {
        const SortKey &ka = keys[size_t(a)], &kb = keys[size_t(b)];
        if (ka.hasValue != kb.hasValue)
            return ka.hasValue;
        if (ka.hasValue && ka.value != kb.value)
            return ascending ? ka.value < kb.value : ka.value > kb.value;
        if (ka.hasValue)
            return false;
        const int c = GridValues::compareText(textView(first + a, col), textView(first + b, col));
        return ascending ? c < 0 : c > 0;
    };
    std::stable_sort(order.begin(), order.end(), less);
    if (std::is_sorted(order.begin(), order.end()))
        return;
    applyOrder(first, order);
}

// Moves the rows into their new order; the current cell and persistent
// indexes follow their rows.
void GridModel::applyOrder(int first, const std::vector<int> &order)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(order.size());
    std::vector<Row> sorted;
    sorted.reserve(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(m_rows[size_t(first + order[i])]));
        newPosition[size_t(order[i])] = int(i);
    }
    std::move(sorted.begin(), sorted.end(), m_rows.begin() + first);
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
