#pragma once

#include <QColor>
#include <QImage>
#include <QtGlobal>

// How header-click sorting reads a column's texts.
enum class GridDataType { None, Decimal, Date };

// The range-sort setting of a column.
enum class GridColumnSort { None, NumericAscending, NumericDescending };

// Where a cell's picture sits; every placement is vertically centred.
enum class GridPicturePlacement { LeftCenter, RightCenter, Center };

// Grid-line style codes as the settings store them.
enum GridLineStyle : int {
    LinesNone = 0,
    LinesFlat = 1,
    LinesInset = 2,
    LinesRaised = 3,
    LinesFlatHorizontal = 4,
    LinesInsetHorizontal = 5,
    LinesRaisedHorizontal = 6,
    LinesSkipHorizontal = 7,
    LinesFlatVertical = 8,
    LinesInsetVertical = 9,
    LinesRaisedVertical = 10,
    LinesSkipVertical = 11,
    LinesExplorer = 12,
    LinesExcel = 13,
    LinesLastCode = LinesExcel
};

inline bool isValidLineStyle(int code) { return code >= LinesNone && code <= LinesLastCode; }

// The look of a grid: lines, colours and the picture behind the cells.
struct GridLook
{
    int lineStyle = LinesFlat;
    QColor gridColor = QColor(192, 192, 192);
    QColor foreColor = Qt::black;
    QColor backColor = Qt::white;
    QColor foreColorSel = Qt::white;
    QColor backColorSel = QColor(0, 120, 215);
    QImage backPicture; // null: none
};
