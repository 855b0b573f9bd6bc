#include "ui/griddelegate.h"

#include "grid/gridmodel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>

namespace {

constexpr int kPadding = 3;
constexpr int kIconSize = 16;
constexpr int kPictureGap = 3;

enum Edge { Top = 1, Bottom = 2, Left = 4, Right = 8 };

void drawEdges(QPainter *painter, const QRect &r, int edges, const QColor &color, Qt::PenStyle style = Qt::SolidLine)
{
    painter->setPen(QPen(color, 0, style));
    if (edges & Bottom)
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    if (edges & Right)
        painter->drawLine(r.topRight(), r.bottomRight());
    if (edges & Top)
        painter->drawLine(r.topLeft(), r.topRight());
    if (edges & Left)
        painter->drawLine(r.topLeft(), r.bottomLeft());
}

// A sunken (inset) line is dark on the upper or left cell, light on the next;
// a raised one the other way round.
void drawThreeD(QPainter *painter, const QRect &r, const QColor &base, bool inset, bool horizontal, bool vertical)
{
    const QColor dark = base.darker(160), light = base.lighter(160);
    const int farEdges = (horizontal ? Bottom : 0) | (vertical ? Right : 0);
    const int nearEdges = (horizontal ? Top : 0) | (vertical ? Left : 0);
    drawEdges(painter, r, farEdges, inset ? dark : light);
    drawEdges(painter, r, nearEdges, inset ? light : dark);
}

} // namespace

void paintGridLines(QPainter *painter, const QRect &cell, const GridLook &look, bool isCurrentCell)
{
    painter->save();
    const QColor &color = look.gridColor;
    switch (look.lineStyle) {
    case LinesFlat: drawEdges(painter, cell, Bottom | Right, color); break;
    case LinesInset: drawThreeD(painter, cell, color, true, true, true); break;
    case LinesRaised: drawThreeD(painter, cell, color, false, true, true); break;
    case LinesFlatHorizontal: drawEdges(painter, cell, Bottom, color); break;
    case LinesInsetHorizontal: drawThreeD(painter, cell, color, true, true, false); break;
    case LinesRaisedHorizontal: drawThreeD(painter, cell, color, false, true, false); break;
    case LinesSkipHorizontal: drawEdges(painter, cell, Bottom, color, Qt::DotLine); break;
    case LinesFlatVertical: drawEdges(painter, cell, Right, color); break;
    case LinesInsetVertical: drawThreeD(painter, cell, color, true, false, true); break;
    case LinesRaisedVertical: drawThreeD(painter, cell, color, false, false, true); break;
    case LinesSkipVertical: drawEdges(painter, cell, Right, color, Qt::DotLine); break;
    case LinesExplorer: // a details list: faint rules between rows only
        drawEdges(painter, cell, Bottom, QColor(color.red(), color.green(), color.blue(), 96));
        break;
    case LinesExcel: // a cell grid with the current cell framed
        drawEdges(painter, cell, Bottom | Right, color);
        if (isCurrentCell) {
            painter->setPen(QPen(look.foreColor, 2));
            painter->drawRect(cell.adjusted(1, 1, -1, -1));
        }
        break;
    default: // LinesNone
        break;
    }
    painter->restore();
}

GridDelegate::GridDelegate(const GridLook *look, QTableView *view)
    : QStyledItemDelegate(view)
    , m_look(look)
    , m_view(view)
{
}

void GridDelegate::paintBackground(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index, QColor *textColor) const
{
    if (index.data(GridModel::FixedCellRole).toBool()) {
        painter->fillRect(option.rect, option.palette.button());
        *textColor = option.palette.buttonText().color();
    } else if (index.data(GridModel::SelectedRole).toBool()) {
        painter->fillRect(option.rect, m_look->backColorSel);
        *textColor = m_look->foreColorSel;
    } else {
        if (m_look->backPicture.isNull())
            painter->fillRect(option.rect, m_look->backColor);
        *textColor = m_look->foreColor;
    }
}

// Draws the cell's picture and returns the room left for the text.
QRect GridDelegate::paintPicture(QPainter *painter, QRect content, const QModelIndex &index) const
{
    const QImage picture = index.data(Qt::DecorationRole).value<QImage>();
    if (picture.isNull())
        return content;
    QRect target(QPoint(0, 0), picture.size().boundedTo(QSize(content.width(), content.height())));
    target.moveCenter(content.center());
    switch (GridPicturePlacement(index.data(GridModel::PicturePlacementRole).toInt())) {
    case GridPicturePlacement::LeftCenter:
        target.moveLeft(content.left());
        content.setLeft(target.right() + 1 + kPictureGap);
        break;
    case GridPicturePlacement::RightCenter:
        target.moveRight(content.right());
        content.setRight(target.left() - 1 - kPictureGap);
        break;
    case GridPicturePlacement::Center:
        break;
    }
    painter->drawImage(target, picture);
    return content;
}

void GridDelegate::paintCheckBox(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionButton box;
    box.state = QStyle::State_Enabled;
    box.state |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    QStyle *style = m_view->style();
    const QSize size(style->pixelMetric(QStyle::PM_IndicatorWidth), style->pixelMetric(QStyle::PM_IndicatorHeight));
    box.rect = QRect(QPoint(0, 0), size);
    box.rect.moveCenter(option.rect.center());
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, m_view);
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    QColor textColor;
    paintBackground(painter, option, index, &textColor);
    if (index.flags() & Qt::ItemIsUserCheckable)
        paintCheckBox(painter, option, index);
    const QRect content = paintPicture(painter, option.rect.adjusted(kPadding, 0, -kPadding, 0), index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && content.width() > 0) {
        painter->setFont(option.font);
        painter->setPen(textColor);
        const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        painter->drawText(content, int(alignment),
                          option.fontMetrics.elidedText(text, Qt::ElideRight, content.width()));
    }
    painter->restore();
    paintGridLines(painter, option.rect, *m_look, index == m_view->currentIndex());
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int width = option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return QSize(width + 2 * kPadding + kIconSize + kPictureGap,
                 std::max(kIconSize, option.fontMetrics.height()) + 2 * kPadding);
}

bool GridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                               const QModelIndex &index)
{
    if (!(index.flags() & Qt::ItemIsUserCheckable))
        return false;
    bool toggle = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        toggle = mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        return true; // the press and release already toggled it
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        toggle = key == Qt::Key_Space || key == Qt::Key_Select;
    }
    if (!toggle)
        return false;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    return true;
}
