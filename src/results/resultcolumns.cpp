#include "results/resultcolumns.h"

#include "grid/gridmodel.h"

namespace ResultColumns {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kArrowWidth = 11;
constexpr int kArrowHeight = 4;
const QColor kArrowBlue(0, 0, 255);
const QColor kArrowBackground(192, 192, 255);

// Row r of the upward arrow holds 2r + 1 blue pixels, centred.
QImage makeArrow(bool pointsUp)
{
    QImage image(kArrowWidth, kArrowHeight, QImage::Format_RGB888);
    image.fill(kArrowBackground);
    const int centre = kArrowWidth / 2;
    for (int y = 0; y < kArrowHeight; ++y) {
        const int halfWidth = pointsUp ? y : kArrowHeight - 1 - y;
        for (int x = centre - halfWidth; x <= centre + halfWidth; ++x)
            image.setPixelColor(x, y, kArrowBlue);
    }
    return image;
}

bool entryShows(const QString &entry, EntryComparison comparison)
{
    if (comparison == EntryComparison::Exact)
        return entry == u"1";
    qsizetype end = entry.size();
    while (end > 0 && entry.at(end - 1) == u' ')
        --end;
    return QStringView(entry).left(end) == u"1";
}

} // namespace

const std::array<Definition, Count> &definitions()
{
    static const std::array<Definition, Count> table = {{
        {kCaptions[FileName], 1500, kLeft, GridDataType::None},
        {kCaptions[Location], 2500, kLeft, GridDataType::None},
        {kCaptions[Size], 1000, kRight, GridDataType::Decimal},
        {kCaptions[ModifiedDate], 2200, kLeft, GridDataType::Date},
        {kCaptions[Pages], 1000, kRight, GridDataType::None},
        {"", -1, kLeft, GridDataType::None},
        {"", -1, kLeft, GridDataType::None},
        {"", -1, kLeft, GridDataType::None},
        {"", -1, kLeft, GridDataType::None},
    }};
    return table;
}

void setupColumns(GridModel &grid)
{
    grid.setFixedCols(0);
    grid.setFixedRows(1);
    grid.setHeaderTranslationContext("ResultColumns");
    grid.setRows(1);
    grid.setCols(Count);
    for (int col = 0; col < Count; ++col) {
        const Definition &column = definitions()[size_t(col)];
        grid.setColumnAlignment(col, column.alignment);
        grid.setText(0, col, QString::fromLatin1(column.caption));
        grid.setColumnWidthTwips(col, column.widthTwips);
        grid.setColumnDataType(col, column.dataType);
    }
    grid.setColumnHidden(SizeInKB, true);
    grid.setColumnHidden(FullPath, true);
    grid.setColumnHidden(PagesNote, true);
    grid.setColumnHidden(PageWorth, true);
    grid.setTallyColumn(Pages); // the selection and unreadable totals
}

void ApplyColumnVisibility(GridModel &grid, const QStringList &visibility, EntryComparison comparison)
{
    const int last = int(std::min<qsizetype>(visibility.size(), PagesNote));
    for (int col = 0; col < last; ++col)
        grid.setColumnHidden(col, !entryShows(visibility.at(col), comparison));
}

const QImage &imgAsc()
{
    static const QImage image = makeArrow(true);
    return image;
}

const QImage &imgDes()
{
    static const QImage image = makeArrow(false);
    return image;
}

bool afterHeaderSort(GridModel &grid, int col, bool ascending)
{
    grid.clearPictures(0, 0, 0, grid.cols() - 1);
    grid.setPicture(0, col, ascending ? imgAsc() : imgDes());
    grid.setPicturePlacement(0, col, GridPicturePlacement::RightCenter);
    if (col != Size)
        return false;
    const int row = grid.currentRow(), column = grid.currentCol();
    grid.sortRange(grid.fixedRows(), grid.rows() - 1, SizeInKB,
                   ascending ? GridColumnSort::NumericAscending : GridColumnSort::NumericDescending);
    grid.setCurrentCell(row, column);
    return true;
}

} // namespace ResultColumns
