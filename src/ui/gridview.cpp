#include "ui/gridview.h"

#include "grid/gridmodel.h"
#include "ui/griddelegate.h"
#include "ui/gridviewheader.h"
#include "ui/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int kIconSize = 16;
constexpr int kRowPadding = 4;
} // namespace

GridView::GridView(QWidget *parent)
    : QTableView(parent)
    , m_delegate(new GridDelegate(&m_look, this))
{
    setHorizontalHeader(new GridViewHeader(this));
    setItemDelegate(m_delegate);
    setShowGrid(false); // the delegate draws the lines of the chosen style
    setSelectionMode(QAbstractItemView::NoSelection); // selection lives in the model
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setMouseTracking(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(kIconSize, fontMetrics().height()) + kRowPadding);
    viewport()->setAutoFillBackground(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int col) {
        if (m_model && m_sortOnHeaderClick)
            m_model->headerSort(col);
    });
}

void GridView::setGridModel(GridModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    setModel(model);
    if (!model)
        return;
    connect(model, &GridModel::columnHiddenChanged, this, &GridView::setColumnHidden);
    connect(model, &GridModel::columnWidthChanged, this, &GridView::applyColumnWidth);
    connect(model, &GridModel::rowHiddenChanged, this,
            [this](int row, bool hidden) { setRowHidden(m_model->modelRow(row), hidden); });
    connect(model, &GridModel::currentCellChanged, this, &GridView::showModelCurrentCell);
    connect(model, &GridModel::afterSort, this, &GridView::afterSort);
    const auto resync = [this] {
        syncColumns();
        syncRows();
    };
    connect(model, &GridModel::modelReset, this, resync);
    connect(model, &GridModel::layoutChanged, this, resync);
    connect(model, &GridModel::columnsInserted, this, resync);
    connect(model, &GridModel::columnsMoved, this, resync);
    connect(model, &GridModel::columnsRemoved, this, resync);
    syncColumns();
    syncRows();
}

void GridView::setLook(const GridLook &look)
{
    m_look = look;
    m_backPixmap = look.backPicture.isNull() ? QPixmap() : QPixmap::fromImage(look.backPicture);
    viewport()->update();
}

int GridView::pixelsFromTwips(int twips) const
{
    return twipsToPixels(twips, widgetDpi(this));
}

void GridView::applyColumnWidth(int col)
{
    // Never narrower than its caption, and the sort mark where a click sorts.
    const int twips = m_model->columnWidthTwips(col);
    if (twips >= 0)
        setColumnWidth(col, std::max(pixelsFromTwips(twips),
                                     static_cast<const GridViewHeader *>(horizontalHeader())
                                         ->captionWidth(col, m_sortOnHeaderClick)));
}

void GridView::syncColumns()
{
    for (int col = 0; col < m_model->cols(); ++col) {
        setColumnHidden(col, m_model->isColumnHidden(col));
        applyColumnWidth(col);
    }
}

void GridView::syncRows()
{
    for (int row = m_model->fixedRows(); row < m_model->rows(); ++row) {
        const int viewRow = m_model->modelRow(row);
        if (isRowHidden(viewRow) != m_model->isRowHidden(row))
            setRowHidden(viewRow, m_model->isRowHidden(row));
    }
}

void GridView::showModelCurrentCell(int row, int col)
{
    const QModelIndex wanted = m_model->isDataRow(row) ? m_model->index(m_model->modelRow(row), col) : QModelIndex();
    if (wanted != currentIndex())
        selectionModel()->setCurrentIndex(wanted, QItemSelectionModel::NoUpdate);
}

void GridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_model && current.isValid())
        m_model->setCurrentCell(m_model->gridRow(current.row()), current.column());
}

int GridView::gridRowAt(const QPoint &viewportPos) const
{
    const QModelIndex index = indexAt(viewportPos);
    return index.isValid() ? m_model->gridRow(index.row()) : -1;
}

int GridView::anchorRow() const
{
    return m_anchor.isValid() ? m_model->gridRow(m_anchor.row()) : -1;
}

void GridView::setAnchorRow(int row)
{
    m_anchor = m_model->isDataRow(row) ? QPersistentModelIndex(m_model->index(m_model->modelRow(row), 0))
                                       : QPersistentModelIndex();
}

int GridView::mouseRow() const
{
    return m_model ? gridRowAt(m_mousePos) : -1;
}

int GridView::mouseCol() const
{
    const QModelIndex index = indexAt(m_mousePos);
    return index.isValid() ? index.column() : -1;
}

void GridView::selectByClick(int row, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier) {
        m_model->setRowSelected(row, !m_model->isRowSelected(row));
        setAnchorRow(row);
    } else if ((modifiers & Qt::ShiftModifier) && m_model->isDataRow(anchorRow())) {
        m_model->selectOnly(anchorRow(), row);
    } else {
        m_model->selectOnly(row, row);
        setAnchorRow(row);
    }
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    m_mousePos = event->position().toPoint();
    const QModelIndex index = indexAt(m_mousePos);
    if (m_model)
        Q_EMIT mouseDown(event->button(), event->modifiers(), mouseRow(), mouseCol(), event->globalPosition().toPoint());
    m_dragRow = -1;
    m_clickOwed = false;
    if (event->button() != Qt::LeftButton || !m_model)
        return; // a right click leaves the cursor and the selection alone
    if (index.isValid() && (index.flags() & Qt::ItemIsSelectable)) {
        const int row = m_model->gridRow(index.row());
        if (!(event->modifiers() & Qt::ShiftModifier) && !m_model->isDataRow(anchorRow()))
            setAnchorRow(m_model->currentRow());
        if (dragOut) {
            m_dragRow = row;
            m_dragStart = m_mousePos;
        }
        // Pressing on a selected row may start dragging the whole selection.
        m_clickOwed = dragOut && event->modifiers() == Qt::NoModifier && m_model->isRowSelected(row);
        m_owedClick = event->modifiers();
        if (!m_clickOwed)
            selectByClick(row, event->modifiers());
    }
    QTableView::mousePressEvent(event);
}

void GridView::mouseMoveEvent(QMouseEvent *event)
{
    m_mousePos = event->position().toPoint();
    if (m_dragRow >= 0 && (event->buttons() & Qt::LeftButton) && dragOut
        && (m_mousePos - m_dragStart).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragRow = -1;
        m_clickOwed = false;
        dragOut();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickOwed && m_model && m_model->isDataRow(m_dragRow))
        selectByClick(m_dragRow, m_owedClick);
    m_dragRow = -1;
    m_clickOwed = false;
    QTableView::mouseReleaseEvent(event);
}

bool GridView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !toolTipFor || !m_model)
        return QTableView::viewportEvent(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString tip = index.isValid() ? toolTipFor(m_model->gridRow(index.row()), index.column()) : QString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    return true;
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyDown(event->key(), event->modifiers());
    if (!m_model) {
        QTableView::keyPressEvent(event);
        return;
    }
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (!after.isValid() || after.row() == before.row() || (event->modifiers() & Qt::ControlModifier))
        return;
    const int row = m_model->gridRow(after.row());
    if ((event->modifiers() & Qt::ShiftModifier) && m_model->isDataRow(anchorRow())) {
        m_model->selectOnly(anchorRow(), row);
    } else {
        m_model->selectOnly(row, row);
        setAnchorRow(row);
    }
}

// The background colour, then the picture tiled from the top-left corner;
// cells that are not selected leave the picture showing through.
void GridView::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(viewport());
        painter.fillRect(event->rect(), m_look.backColor);
        if (!m_backPixmap.isNull())
            painter.drawTiledPixmap(viewport()->rect(), m_backPixmap);
    }
    QTableView::paintEvent(event);
}
