#include "grid/gridmodel.h"

// The running sums of the tally column. Each change of a row's cell, hidden
// or selected flag adds or takes away that row alone; only bulk changes
// (loading, the header row, the columns) count everything again.

namespace {

// A whole number in plain digits that fits an int; -1 for anything else.
qint32 wholeNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 10)
        return -1;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value > INT_MAX ? -1 : qint32(value);
}

void add(GridModel::Tally &tally, qint32 value, int sign)
{
    tally.rows += sign;
    if (value >= 0)
        tally.sum += sign * qint64(value);
    else
        tally.unnumbered += sign;
}

} // namespace

void GridModel::setTallyColumn(int col)
{
    m_tallyColumn = validColumn(col) ? col : -1;
    retally();
}

// Adds (sign 1) or takes away (-1) a data row's part in the sums.
void GridModel::tallyRow(const Row &row, int sign)
{
    if (m_tallyColumn < 0 || (row.flags & Hidden))
        return;
    add(m_shownTally, row.tallyValue, sign);
    if (row.flags & Selected)
        add(m_selectedTally, row.tallyValue, sign);
}

// Called before `flag` of a data row turns `on`.
void GridModel::tallyFlagChange(const Row &row, RowFlag flag, bool on)
{
    if (m_tallyColumn < 0)
        return;
    if (flag == Hidden && (row.flags & Selected))
        add(m_selectedTally, row.tallyValue, on ? -1 : 1);
    if (flag == Hidden)
        add(m_shownTally, row.tallyValue, on ? -1 : 1);
    else if (flag == Selected && !(row.flags & Hidden))
        add(m_selectedTally, row.tallyValue, on ? 1 : -1);
}

// A data row just added, not yet in the sums.
void GridModel::tallyNewRow(Row &row)
{
    row.tallyValue = m_tallyColumn >= 0 ? wholeNumber(row.cells.cell(m_tallyColumn)) : -1;
    tallyRow(row, 1);
}

// Called when the tally column's cell of a data row becomes `text`.
void GridModel::tallyCellChange(Row &row, QStringView text)
{
    tallyRow(row, -1);
    row.tallyValue = wholeNumber(text);
    tallyRow(row, 1);
}

void GridModel::retally()
{
    m_shownTally = {};
    m_selectedTally = {};
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        row.tallyValue = m_tallyColumn >= 0 ? wholeNumber(row.cells.cell(m_tallyColumn)) : -1;
        if (m_tallyColumn >= 0 && isDataRow(int(i)))
            tallyRow(row, 1);
    }
}
