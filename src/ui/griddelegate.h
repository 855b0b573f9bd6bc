#pragma once

#include "grid/gridtypes.h"

#include <QStyledItemDelegate>

class QTableView;

// Draws every grid cell: background in the normal or selected colours (or
// nothing, over a background picture), the cell's picture, its text, a check
// box in the check column, and the grid lines of the look's style.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    GridDelegate(const GridLook *look, QTableView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    QWidget *createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return nullptr; // cells are read-only; only check boxes change
    }

private:
    void paintBackground(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                         QColor *textColor) const;
    QRect paintPicture(QPainter *painter, QRect content, const QModelIndex &index) const;
    void paintCheckBox(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

    const GridLook *m_look;
    QTableView *m_view;
};

// Lines of one cell in the given style: its right and bottom edges, and for
// the three-dimensional styles its left and top edges in the opposite shade.
void paintGridLines(QPainter *painter, const QRect &cell, const GridLook &look, bool isCurrentCell);
