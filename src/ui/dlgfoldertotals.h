#pragma once

#include "results/foldertotals.h"

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
// opens and on Refresh, never behind the user's back.
class dlgFolderTotals : public QWidget
{
    Q_OBJECT
public:
    dlgFolderTotals(const GridModel &files, QWidget *parent = nullptr);

    void Refresh();
    // The selected rows with the header row, tab-separated (Ctrl+C).
    QString selectedRowsText() const;
    // Writes every row, header first, in the order shown, as CSV; reports
    // the outcome in lblStatus. False on failure (an old file is kept).
    bool ExportTo(const QString &path);

    // Asks where to export; an empty answer cancels. Tests replace it.
    std::function<QString(QWidget *parent)> chooseExportFile;

    static inline const QString AllFoldersText = kAllFoldersText;

    QTableView *tblTotals = nullptr;
    QPushButton *cmdRefresh = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *lblStatus = nullptr;

private:
    void cmdExport_Click();
    void copySelectedRows();
    QStringList rowCells(int viewRow) const;

    const GridModel &m_files;
    QStandardItemModel *m_totals = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
};
