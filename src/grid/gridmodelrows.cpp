#include "grid/gridmodel.h"

#include "grid/gridvalues.h"

// Row flags, the current cell, list-box selection, check boxes and sums.

bool GridModel::rowFlag(int row, RowFlag flag) const
{
    return row >= 0 && row < rows() && (m_rows[size_t(row)].flags & flag);
}

bool GridModel::changeRowFlag(int row, RowFlag flag, bool on)
{
    if (!isDataRow(row) || rowFlag(row, flag) == on)
        return false;
    tallyFlagChange(m_rows[size_t(row)], flag, on);
    quint8 &flags = m_rows[size_t(row)].flags;
    flags = on ? quint8(flags | flag) : quint8(flags & ~flag);
    return true;
}

bool GridModel::isRowHidden(int row) const
{
    return rowFlag(row, Hidden);
}

void GridModel::setRowHidden(int row, bool hidden)
{
    if (changeRowFlag(row, Hidden, hidden))
        Q_EMIT rowHiddenChanged(row, hidden);
}

void GridModel::setCurrentCell(int row, int col)
{
    row = std::clamp(row, 0, rows() - 1);
    col = std::clamp(col, 0, std::max(0, cols() - 1));
    if (row == m_currentRow && col == m_currentCol)
        return;
    m_currentRow = row;
    m_currentCol = col;
    Q_EMIT currentCellChanged(row, col);
}

bool GridModel::isRowSelected(int row) const
{
    return rowFlag(row, Selected);
}

void GridModel::setRowSelected(int row, bool selected)
{
    if (changeRowFlag(row, Selected, selected))
        rowsChanged(row, row, SelectedRole);
}

void GridModel::selectOnly(int first, int last)
{
    if (first > last)
        std::swap(first, last);
    int changedFirst = rows(), changedLast = -1;
    for (int row = m_fixedRows; row < rows(); ++row) {
        if (changeRowFlag(row, Selected, row >= first && row <= last)) {
            changedFirst = std::min(changedFirst, row);
            changedLast = row;
        }
    }
    rowsChanged(changedFirst, changedLast, SelectedRole);
}

void GridModel::selectAll()
{
    selectOnly(m_fixedRows, rows() - 1);
}

void GridModel::clearSelection()
{
    selectOnly(-1, -1);
}

void GridModel::invertSelection()
{
    for (int row = m_fixedRows; row < rows(); ++row)
        m_rows[size_t(row)].flags ^= Selected;
    // Every shown row changes sides: the selected sums become the rest.
    m_selectedTally = {m_shownTally.rows - m_selectedTally.rows, m_shownTally.sum - m_selectedTally.sum,
                       m_shownTally.unnumbered - m_selectedTally.unnumbered};
    rowsChanged(m_fixedRows, rows() - 1, SelectedRole);
}

int GridModel::selectedCount() const
{
    int count = 0;
    for (int row = m_fixedRows; row < rows(); ++row)
        count += isRowSelected(row) ? 1 : 0;
    return count;
}

QList<int> GridModel::selectedRows() const
{
    QList<int> result;
    for (int row = m_fixedRows; row < rows(); ++row)
        if (isRowSelected(row))
            result.append(row);
    return result;
}

void GridModel::setCheckColumn(int col)
{
    m_checkColumn = validColumn(col) ? col : -1;
    if (rowCount() > 0 && cols() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, cols() - 1));
}

bool GridModel::isChecked(int row) const
{
    return rowFlag(row, Checked);
}

void GridModel::setChecked(int row, bool checked)
{
    if (m_checkColumn >= 0 && changeRowFlag(row, Checked, checked))
        cellChanged(row, m_checkColumn, Qt::CheckStateRole);
}

double GridModel::sumColumn(int col, int row1, int row2) const
{
    if (!validColumn(col))
        return 0;
    const auto syntax = GridValues::NumberSyntax::fromLocale();
    double sum = 0;
    for (int row = std::max(0, std::min(row1, row2)); row <= std::min(rows() - 1, std::max(row1, row2)); ++row)
        sum += GridValues::parseNumber(textView(row, col), syntax).value_or(0);
    return sum;
}
