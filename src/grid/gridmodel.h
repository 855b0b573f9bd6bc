#pragma once

#include "grid/gridtypes.h"
#include "grid/packedrow.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QList>
#include <vector>

class QIODevice;

// A table of text cells, each with at most one picture, behind every grid of
// the program. Its own API speaks in grid rows: row 0 is the fixed header row
// (when there is one) and data rows follow from fixedRows() on. To Qt views
// the header row is the horizontal header and the data rows are model rows
// 0.., so a view's row r is grid row r + fixedRows(). Columns are the same in
// both. Selection, hidden flags and the current cell live here, not in a view.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        PicturePlacementRole = Qt::UserRole + 1, // GridPicturePlacement as int
        SelectedRole,                             // bool: the row's selected flag
        FixedCellRole,                            // bool: the cell is in a fixed column
        SortKeyRole                               // the number or date key the sort uses
    };

    // How a sort reads the texts: Generic as numbers where they are numbers,
    // Number by their leading number ("1,000 KB" is 1000), Date as dates.
    enum class SortMode { Generic, Number, Date };

    explicit GridModel(QObject *parent = nullptr);
    ~GridModel() override;

    // Size. A count never drops below the fixed count; raising adds empty rows
    // at the end or columns at the right, lowering removes them there.
    int rows() const { return int(m_rows.size()); }
    void setRows(int count);
    int cols() const { return int(m_columns.size()); }
    void setCols(int count);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int count); // 0 or 1: the header row
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int count);
    int appendRow(const QStringList &cells = {}); // returns the new row's number

    // Cells.
    QString text(int row, int col) const;
    QStringView textView(int row, int col) const;
    void setText(int row, int col, const QString &text);
    QImage picture(int row, int col) const;
    void setPicture(int row, int col, const QImage &picture);
    GridPicturePlacement picturePlacement(int row, int col) const;
    void setPicturePlacement(int row, int col, GridPicturePlacement placement);
    void clearPictures(int row1, int col1, int row2, int col2);

    // Columns.
    int columnWidthTwips(int col) const; // -1: the view's default
    void setColumnWidthTwips(int col, int twips);
    Qt::Alignment columnAlignment(int col) const;
    void setColumnAlignment(int col, Qt::Alignment alignment);
    GridDataType columnDataType(int col) const;
    void setColumnDataType(int col, GridDataType type);
    GridColumnSort columnSort(int col) const;
    void setColumnSort(int col, GridColumnSort sort);
    bool isColumnHidden(int col) const;
    void setColumnHidden(int col, bool hidden);
    void moveColumn(int from, int to); // the column's cells and settings move

    // Rows, current cell and list-box selection (data rows only).
    bool isRowHidden(int row) const;
    void setRowHidden(int row, bool hidden);
    int currentRow() const { return m_currentRow; }
    int currentCol() const { return m_currentCol; }
    void setCurrentCell(int row, int col);
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    void selectOnly(int first, int last); // clears every other row
    void selectAll();
    void invertSelection();
    void clearSelection();
    int selectedCount() const;
    QList<int> selectedRows() const;

    // The header shows row 0's texts translated in this context (a string
    // literal), while the row itself, which exports write, keeps them as set.
    void setHeaderTranslationContext(const char *context) { m_headerContext = context; }

    // Check boxes in one column (-1: none); a change asks beforeEdit first.
    int checkColumn() const { return m_checkColumn; }
    void setCheckColumn(int col);
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);

    // Sum of the cells of `col` over rows row1..row2 that hold a number.
    double sumColumn(int col, int row1, int row2) const;

    // Running sums of one column (-1: none) over the shown data rows and over
    // those of them selected: rows, the sum of the cells that hold a whole
    // number in plain digits, and how many rows hold none. Every change keeps
    // them up to date, so reading them costs nothing.
    struct Tally
    {
        qint64 rows = 0;
        qint64 sum = 0;
        qint64 unnumbered = 0;
    };
    int tallyColumn() const { return m_tallyColumn; }
    void setTallyColumn(int col);
    const Tally &shownTally() const { return m_shownTally; }
    const Tally &selectedTally() const { return m_selectedTally; }

    // Sorting. headerSort: ascending on a new column, reversed on the same
    // one; emits afterSort. sortByColumn follows the column's data type;
    // sortRange compares as numbers ("1,234" is 1234). Cells that hold no
    // number (or no date) come last in either direction, in text order.
    void headerSort(int col);
    void sortByColumn(int col, bool ascending);
    void sortRange(int row1, int row2, int col, GridColumnSort order);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Delimited text, fixed cells included. The separators string holds the
    // column separator then the row separator; empty means tab and CR. A CR
    // row end is written as CR LF.
    QString separators() const { return m_separators; }
    void setSeparators(const QString &separators) { m_separators = separators; }
    bool saveToDevice(QIODevice *device);
    bool saveToFile(const QString &path);
    bool loadFromDevice(QIODevice *device);
    bool loadFromFile(const QString &path);
    QString errorString() const { return m_errorString; }

    // Grid row <-> Qt model row.
    int gridRow(int modelRow) const { return modelRow + m_fixedRows; }
    int modelRow(int gridRow) const { return gridRow - m_fixedRows; }
    bool isDataRow(int row) const { return row >= m_fixedRows && row < rows(); }

    // QAbstractItemModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    void afterSort(int col, bool ascending);
    void beforeEdit(int row, int col, bool *cancel);
    void columnHiddenChanged(int col, bool hidden);
    void columnWidthChanged(int col);
    void rowHiddenChanged(int row, bool hidden);
    void currentCellChanged(int row, int col);

private:
    enum RowFlag : quint8 { Hidden = 1, Selected = 2, Checked = 4 };
    struct CellPicture
    {
        QImage image;
        int col = 0;
        GridPicturePlacement placement = GridPicturePlacement::LeftCenter;
    };
    struct Row
    {
        PackedRow cells;
        std::vector<CellPicture> pictures;
        quint8 flags = 0;
        qint32 tallyValue = -1; // the tally column's whole number; -1: none
    };
    struct Column
    {
        int widthTwips = -1;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        GridDataType dataType = GridDataType::None;
        GridColumnSort sort = GridColumnSort::None;
        bool hidden = false;
    };

    bool validCell(int row, int col) const;
    bool validColumn(int col) const { return col >= 0 && col < cols(); }
    bool rowFlag(int row, RowFlag flag) const;
    bool changeRowFlag(int row, RowFlag flag, bool on);
    const CellPicture *findPicture(int row, int col) const;
    CellPicture &pictureSlot(int row, int col);
    void cellChanged(int row, int col, int role);
    void rowsChanged(int first, int last, int role);
    void insertRowsAtEnd(int count);
    void removeRowsAtEnd(int count);
    void sortRows(int first, int last, int col, SortMode mode, bool ascending);
    SortMode sortModeOf(int col) const;
    QVariant sortKey(int row, int col) const;
    void applyOrder(int first, const std::vector<int> &order);
    void replaceAll(std::vector<Row> &&rows, int cols);
    // gridmodeltally.cpp
    void tallyRow(const Row &row, int sign);
    void tallyFlagChange(const Row &row, RowFlag flag, bool on);
    void tallyCellChange(Row &row, QStringView text);
    void tallyNewRow(Row &row);
    void retally();

    std::vector<Row> m_rows;
    std::vector<Column> m_columns;
    int m_fixedRows = 1;
    int m_fixedCols = 0;
    int m_currentRow = 0;
    int m_currentCol = 0;
    int m_checkColumn = -1;
    const char *m_headerContext = nullptr;
    int m_tallyColumn = -1;
    Tally m_shownTally;
    Tally m_selectedTally;
    int m_lastHeaderSortCol = -1;
    bool m_lastHeaderSortAscending = false;
    QString m_separators;
    QString m_errorString;
};
