#include "grid/gridmodel.h"

#include "grid/gridvalues.h"

#include <QCoreApplication>

#include <algorithm>

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    m_rows.resize(size_t(m_fixedRows));
}

GridModel::~GridModel() = default;

// ---- size ----

void GridModel::insertRowsAtEnd(int count)
{
    if (count <= 0)
        return;
    const int first = modelRow(rows());
    beginInsertRows({}, first, first + count - 1);
    m_rows.resize(m_rows.size() + size_t(count));
    for (size_t row = m_rows.size() - size_t(count); row < m_rows.size(); ++row)
        if (isDataRow(int(row)))
            tallyNewRow(m_rows[row]);
    endInsertRows();
}

void GridModel::removeRowsAtEnd(int count)
{
    if (count <= 0)
        return;
    const int first = modelRow(rows() - count);
    beginRemoveRows({}, first, first + count - 1);
    for (size_t row = m_rows.size() - size_t(count); row < m_rows.size(); ++row)
        tallyRow(m_rows[row], -1);
    m_rows.resize(m_rows.size() - size_t(count));
    endRemoveRows();
    if (m_currentRow >= rows())
        setCurrentCell(0, m_currentCol);
}

void GridModel::setRows(int count)
{
    count = std::max(count, m_fixedRows);
    if (count > rows())
        insertRowsAtEnd(count - rows());
    else
        removeRowsAtEnd(rows() - count);
}

void GridModel::setCols(int count)
{
    count = std::clamp(count, m_fixedCols, PackedRow::kMaxCells);
    if (count > cols()) {
        beginInsertColumns({}, cols(), count - 1);
        m_columns.resize(size_t(count));
        endInsertColumns();
    } else if (count < cols()) {
        beginRemoveColumns({}, count, cols() - 1);
        m_columns.resize(size_t(count));
        for (Row &row : m_rows) {
            row.cells.truncate(count);
            std::erase_if(row.pictures, [count](const CellPicture &p) { return p.col >= count; });
        }
        endRemoveColumns();
        if (m_checkColumn >= count)
            m_checkColumn = -1;
        if (m_tallyColumn >= count)
            setTallyColumn(-1);
        if (m_currentCol >= count)
            setCurrentCell(m_currentRow, 0);
    }
}

void GridModel::setFixedRows(int count)
{
    count = std::clamp(count, 0, 1);
    if (count == m_fixedRows)
        return;
    beginResetModel();
    m_fixedRows = count;
    if (rows() < count)
        m_rows.resize(size_t(count));
    retally();
    endResetModel();
}

void GridModel::setFixedCols(int count)
{
    m_fixedCols = std::max(0, count);
    if (cols() < m_fixedCols)
        setCols(m_fixedCols);
    if (rowCount() > 0 && cols() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, cols() - 1));
}

int GridModel::appendRow(const QStringList &cells)
{
    const int row = rows();
    beginInsertRows({}, modelRow(row), modelRow(row));
    m_rows.emplace_back();
    Row &added = m_rows.back();
    added.cells.setCells(cells.mid(0, cols()));
    if (isDataRow(row))
        tallyNewRow(added);
    endInsertRows();
    return row;
}

// ---- cells ----

bool GridModel::validCell(int row, int col) const
{
    return row >= 0 && row < rows() && validColumn(col);
}

void GridModel::cellChanged(int row, int col, int role)
{
    if (row < m_fixedRows) {
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const QModelIndex changed = index(modelRow(row), col);
    Q_EMIT dataChanged(changed, changed, {role});
}

void GridModel::rowsChanged(int first, int last, int role)
{
    first = std::max(first, m_fixedRows);
    if (first > last || cols() == 0)
        return;
    Q_EMIT dataChanged(index(modelRow(first), 0), index(modelRow(last), cols() - 1), {role});
}

QStringView GridModel::textView(int row, int col) const
{
    return validCell(row, col) ? m_rows[size_t(row)].cells.cell(col) : QStringView();
}

QString GridModel::text(int row, int col) const
{
    return textView(row, col).toString();
}

void GridModel::setText(int row, int col, const QString &text)
{
    if (!validCell(row, col) || textView(row, col) == text)
        return;
    m_rows[size_t(row)].cells.setCell(col, text);
    if (col == m_tallyColumn && isDataRow(row))
        tallyCellChange(m_rows[size_t(row)], text);
    cellChanged(row, col, Qt::DisplayRole);
}

const GridModel::CellPicture *GridModel::findPicture(int row, int col) const
{
    if (!validCell(row, col))
        return nullptr;
    for (const CellPicture &p : m_rows[size_t(row)].pictures)
        if (p.col == col)
            return &p;
    return nullptr;
}

GridModel::CellPicture &GridModel::pictureSlot(int row, int col)
{
    auto &pictures = m_rows[size_t(row)].pictures;
    for (CellPicture &p : pictures)
        if (p.col == col)
            return p;
    pictures.push_back(CellPicture{QImage(), col, GridPicturePlacement::LeftCenter});
    return pictures.back();
}

QImage GridModel::picture(int row, int col) const
{
    const CellPicture *p = findPicture(row, col);
    return p ? p->image : QImage();
}

void GridModel::setPicture(int row, int col, const QImage &picture)
{
    if (!validCell(row, col))
        return;
    pictureSlot(row, col).image = picture; // shares the image data, no deep copy
    cellChanged(row, col, Qt::DecorationRole);
}

GridPicturePlacement GridModel::picturePlacement(int row, int col) const
{
    const CellPicture *p = findPicture(row, col);
    return p ? p->placement : GridPicturePlacement::LeftCenter;
}

void GridModel::setPicturePlacement(int row, int col, GridPicturePlacement placement)
{
    if (!validCell(row, col))
        return;
    pictureSlot(row, col).placement = placement;
    cellChanged(row, col, PicturePlacementRole);
}

void GridModel::clearPictures(int row1, int col1, int row2, int col2)
{
    row1 = std::max(0, std::min(row1, row2));
    row2 = std::min(rows() - 1, std::max(row1, row2));
    const int left = std::min(col1, col2), right = std::max(col1, col2);
    for (int row = row1; row <= row2; ++row) {
        auto &pictures = m_rows[size_t(row)].pictures;
        std::erase_if(pictures, [&](const CellPicture &p) { return p.col >= left && p.col <= right; });
    }
    if (row1 < m_fixedRows && cols() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, std::max(0, left), std::min(cols() - 1, right));
    rowsChanged(row1, row2, Qt::DecorationRole);
}

// ---- columns ----

int GridModel::columnWidthTwips(int col) const
{
    return validColumn(col) ? m_columns[size_t(col)].widthTwips : -1;
}

void GridModel::setColumnWidthTwips(int col, int twips)
{
    if (!validColumn(col))
        return;
    m_columns[size_t(col)].widthTwips = std::max(-1, twips);
    Q_EMIT columnWidthChanged(col);
}

Qt::Alignment GridModel::columnAlignment(int col) const
{
    return validColumn(col) ? m_columns[size_t(col)].alignment : Qt::AlignLeft | Qt::AlignVCenter;
}

void GridModel::setColumnAlignment(int col, Qt::Alignment alignment)
{
    if (!validColumn(col))
        return;
    m_columns[size_t(col)].alignment = alignment;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, col), index(rowCount() - 1, col), {Qt::TextAlignmentRole});
}

GridDataType GridModel::columnDataType(int col) const
{
    return validColumn(col) ? m_columns[size_t(col)].dataType : GridDataType::None;
}

void GridModel::setColumnDataType(int col, GridDataType type)
{
    if (validColumn(col))
        m_columns[size_t(col)].dataType = type;
}

GridColumnSort GridModel::columnSort(int col) const
{
    return validColumn(col) ? m_columns[size_t(col)].sort : GridColumnSort::None;
}

void GridModel::setColumnSort(int col, GridColumnSort sort)
{
    if (validColumn(col))
        m_columns[size_t(col)].sort = sort;
}

bool GridModel::isColumnHidden(int col) const
{
    return validColumn(col) && m_columns[size_t(col)].hidden;
}

void GridModel::setColumnHidden(int col, bool hidden)
{
    if (!validColumn(col) || m_columns[size_t(col)].hidden == hidden)
        return;
    m_columns[size_t(col)].hidden = hidden;
    Q_EMIT columnHiddenChanged(col, hidden);
}

void GridModel::moveColumn(int from, int to)
{
    if (!validColumn(from) || !validColumn(to) || from == to)
        return;
    beginMoveColumns({}, from, from, {}, to > from ? to + 1 : to);
    const Column moved = m_columns[size_t(from)];
    m_columns.erase(m_columns.begin() + from);
    m_columns.insert(m_columns.begin() + to, moved);
    const auto newIndex = [from, to](int col) {
        if (col == from)
            return to;
        if (from < to && col > from && col <= to)
            return col - 1;
        if (to < from && col >= to && col < from)
            return col + 1;
        return col;
    };
    for (Row &row : m_rows) {
        if (row.cells.storedCells() > std::min(from, to))
            row.cells.moveCell(from, to);
        for (CellPicture &p : row.pictures)
            p.col = newIndex(p.col);
    }
    if (m_checkColumn >= 0)
        m_checkColumn = newIndex(m_checkColumn);
    if (m_tallyColumn >= 0)
        m_tallyColumn = newIndex(m_tallyColumn);
    endMoveColumns();
}

// ---- QAbstractItemModel ----

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows() - m_fixedRows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : cols();
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = gridRow(index.row()), col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(row, col);
    case Qt::DecorationRole: {
        const CellPicture *p = findPicture(row, col);
        return p && !p->image.isNull() ? QVariant(p->image) : QVariant();
    }
    case PicturePlacementRole:
        return int(picturePlacement(row, col));
    case Qt::TextAlignmentRole:
        return int(columnAlignment(col));
    case Qt::CheckStateRole:
        return col == m_checkColumn ? QVariant(isChecked(row) ? Qt::Checked : Qt::Unchecked) : QVariant();
    case SelectedRole:
        return isRowSelected(row);
    case FixedCellRole:
        return col < m_fixedCols;
    case SortKeyRole:
        return sortKey(row, col);
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::CheckStateRole ||
        index.column() != m_checkColumn)
        return false;
    const int row = gridRow(index.row());
    bool cancel = false;
    Q_EMIT beforeEdit(row, index.column(), &cancel);
    if (cancel)
        return false;
    setChecked(row, value.toInt() == Qt::Checked);
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || m_fixedRows == 0 || !validColumn(section))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_headerContext ? QCoreApplication::translate(m_headerContext, text(0, section).toUtf8().constData())
                               : text(0, section);
    case Qt::DecorationRole: {
        const QImage image = picture(0, section);
        return image.isNull() ? QVariant() : QVariant(image);
    }
    case PicturePlacementRole:
        return int(picturePlacement(0, section));
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.column() >= m_fixedCols)
        result |= Qt::ItemIsSelectable;
    if (index.column() == m_checkColumn)
        result |= Qt::ItemIsUserCheckable;
    return result;
}
