#pragma once

#include <QHeaderView>

// The grid's header row: the caption, and the cell's picture where the model
// places it (the sort arrow sits at the right edge, vertically centred).
class GridViewHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit GridViewHeader(QWidget *parent = nullptr);

    // The width the section's caption needs, with room beside it for a
    // picture as large as an icon when `withPicture`; none without a caption.
    int captionWidth(int logicalIndex, bool withPicture) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};
