#include "ui/gridviewheader.h"

#include "grid/gridmodel.h"
#include "grid/gridtypes.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace {
constexpr int kPictureGap = 4;
constexpr int kLargestPicture = 16;
}

GridViewHeader::GridViewHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

int GridViewHeader::captionWidth(int logicalIndex, bool withPicture) const
{
    if (!model() || model()->headerData(logicalIndex, orientation()).toString().isEmpty())
        return 0;
    return sectionSizeFromContents(logicalIndex).width()
           + (withPicture ? kLargestPicture + 2 * kPictureGap : 0);
}

void GridViewHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid() || !model())
        return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    option.icon = QIcon();
    option.sortIndicator = QStyleOptionHeader::None;
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

    QRect label = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
    const QImage picture = model()->headerData(logicalIndex, orientation(), Qt::DecorationRole).value<QImage>();
    if (!picture.isNull()) {
        const auto placement = GridPicturePlacement(
            model()->headerData(logicalIndex, orientation(), GridModel::PicturePlacementRole).toInt());
        QRect target(QPoint(0, 0), picture.size());
        target.moveCenter(rect.center());
        if (placement == GridPicturePlacement::RightCenter) {
            target.moveRight(rect.right() - kPictureGap);
            label.setRight(target.left() - kPictureGap);
        } else if (placement == GridPicturePlacement::LeftCenter) {
            target.moveLeft(label.left());
            label.setLeft(target.right() + kPictureGap);
        }
        painter->drawImage(target, picture);
    }
    option.rect = label;
    style()->drawControl(QStyle::CE_HeaderLabel, &option, painter, this);
    painter->restore();
}
