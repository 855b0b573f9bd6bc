#pragma once

#include <QWidget>

#include <functional>

class GridModel;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

// The modeless "Folder Totals" window: files, pages, unreadable files and
// what the pages are worth (A4-equivalent pages, modes, size classes) of
// every folder with shown rows in the results table, and an "All folders"
// row that stays last whichever way the table is sorted. Computed when it
// opens and on refresh(), never behind the user's back.
class FolderTotalsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FolderTotalsWindow(const GridModel &results, QWidget *parent = nullptr);

    void refresh();
    // The selected rows with the header row, tab-separated (Ctrl+C).
    QString selectedRowsText() const;
    // Writes every row, header first, in the order shown, as CSV; the
    // outcome shows in the status line. False on failure (an old file is kept).
    bool exportTo(const QString &path);

    // Asks where to export; an empty answer cancels. Tests replace it.
    std::function<QString(QWidget *parent)> chooseExportFile;

private:
    void exportClicked();
    void copySelectedRows();
    QStringList rowCells(int viewRow) const;

    const GridModel &m_results;
    QStandardItemModel *m_totals = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;

    QTableView *m_table = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_statusLabel = nullptr;
};
