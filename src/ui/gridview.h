#pragma once

#include "grid/gridtypes.h"

#include <QPixmap>
#include <QTableView>

#include <functional>

class GridModel;
class GridDelegate;

// The view of a GridModel: header row on top, rows tall enough for a 16 x 16
// icon, list-box selection kept in the model's selected flags (a plain click
// selects only that row, Ctrl toggles one, Shift selects a range), hidden
// rows and columns and widths in twips as the model says, a click on a header
// cell sorting by that column. Cells are read-only apart from check boxes.
class GridView : public QTableView
{
    Q_OBJECT

public:
    explicit GridView(QWidget *parent = nullptr);

    void setGridModel(GridModel *model);
    GridModel *gridModel() const { return m_model; }

    const GridLook &look() const { return m_look; }
    void setLook(const GridLook &look);

    // The grid row and column under the mouse pointer, -1 when none.
    int mouseRow() const;
    int mouseCol() const;

    int pixelsFromTwips(int twips) const;

    // On by default; a grid whose row order means something turns it off.
    void setSortOnHeaderClick(bool on) { m_sortOnHeaderClick = on; }
    // The tooltip of a cell by grid row and column; empty: none. Unset: none.
    std::function<QString(int row, int col)> toolTipFor;
    // Set: a left-button drag that starts on a data row calls this (the row
    // is selected by then); a press on a row already selected keeps the
    // selection until the button is released without a drag.
    std::function<void()> dragOut;

Q_SIGNALS:
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    // row and column in grid numbers, -1 where the pointer is over no cell
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int row, int col,
                   const QPoint &globalPos);
    void afterSort(int col, bool ascending);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void syncColumns();
    void syncRows();
    void applyColumnWidth(int col);
    void showModelCurrentCell(int row, int col);
    void selectByClick(int row, Qt::KeyboardModifiers modifiers);
    int gridRowAt(const QPoint &viewportPos) const;
    int anchorRow() const;
    void setAnchorRow(int row);

    GridModel *m_model = nullptr;
    GridDelegate *m_delegate = nullptr;
    GridLook m_look;
    QPixmap m_backPixmap;
    QPoint m_mousePos{-1, -1};
    // The Shift+click range's first row; a persistent index follows it through sorts.
    QPersistentModelIndex m_anchor;
    bool m_sortOnHeaderClick = true;
    // A left press on a data row that may become a drag: where, and the
    // click still owed to the selection when the press kept it.
    int m_dragRow = -1;
    QPoint m_dragStart;
    Qt::KeyboardModifiers m_owedClick;
    bool m_clickOwed = false;
};
