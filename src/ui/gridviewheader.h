#pragma once

#include <QHeaderView>

// The grid's header row: the caption, and the cell's picture where the model
// places it (the sort arrow sits at the right edge, vertically centred).
class GridViewHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit GridViewHeader(QWidget *parent = nullptr);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};
