#include "ui/foldertotalswindow.h"

#include "base/replacefile.h"
#include "grid/rowtransfer.h"
#include "results/foldertotalcolumns.h"
#include "results/foldertotals.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kAllFoldersRole = Qt::UserRole + 1;

QStringList headers()
{
    return folderTotalCaptions(kFolderTotalsColumns);
}

// Sorts numbers as numbers (the model holds them as such) and keeps the
// "All folders" row last in either direction.
class TotalsSort : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const bool leftAll = isAllFolders(left), rightAll = isAllFolders(right);
        if (leftAll != rightAll)
            return sortOrder() == Qt::AscendingOrder ? rightAll : leftAll;
        return QSortFilterProxyModel::lessThan(left, right);
    }

private:
    bool isAllFolders(const QModelIndex &index) const
    {
        return sourceModel()->index(index.row(), 0).data(kAllFoldersRole).toBool();
    }
};

QList<QStandardItem *> totalRow(const FolderTotal &total, bool allFolders)
{
    QList<QStandardItem *> items;
    for (FolderTotalKey key : kFolderTotalsColumns) {
        const FolderTotalColumn &column = folderTotalColumn(key);
        auto *item = new QStandardItem;
        if (column.isNumber()) {
            item->setData(column.count(total), Qt::DisplayRole);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else {
            item->setText(column.text(total, TextFor::People));
        }
        item->setEditable(false);
        items.append(item);
    }
    items.first()->setData(allFolders, kAllFoldersRole);
    return items;
}

} // namespace

FolderTotalsWindow::FolderTotalsWindow(const GridModel &results, QWidget *parent)
    : QWidget(parent, Qt::Window), m_results(results)
{
    setObjectName(QStringLiteral("FolderTotalsWindow"));
    setWindowTitle(tr("Folder Totals"));
    m_totals = new QStandardItemModel(this);
    m_sorted = new TotalsSort(this);
    m_sorted->setSourceModel(m_totals);

    m_table = new QTableView(this);
        m_table->setModel(m_sorted);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->hide();
    // Unsorted until a header is clicked: folders in the order of the results.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setStretchLastSection(true); // the size classes take the room left

    auto *copy = new QAction(m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &FolderTotalsWindow::copySelectedRows);
    m_table->addAction(copy);

    m_refreshButton = new QPushButton(tr("Refresh"), this);
    m_exportButton = new QPushButton(tr("Export..."), this);
    m_closeButton = new QPushButton(tr("Close"), this);
    m_statusLabel = new QLabel(this);
    connect(m_refreshButton, &QPushButton::clicked, this, &FolderTotalsWindow::refresh);
    connect(m_exportButton, &QPushButton::clicked, this, &FolderTotalsWindow::exportClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_statusLabel, 1);
    buttons->addWidget(m_refreshButton);
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    chooseExportFile = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, tr("Export Folder Totals"), QString(),
                                            tr("CSV File") + QStringLiteral(" (*.csv)"));
    };
    refresh();
    // Wide enough for every column, as far as the screen allows.
    const int width = m_table->horizontalHeader()->length() + 2 * m_table->frameWidth()
                      + m_table->verticalScrollBar()->sizeHint().width() + layout->contentsMargins().left()
                      + layout->contentsMargins().right();
    resize(std::min(std::max(width, 640), screen()->availableGeometry().width()), 420);
}

void FolderTotalsWindow::refresh()
{
    const std::vector<FolderTotal> folders = folderTotals(m_results);
    m_totals->clear();
    m_totals->setHorizontalHeaderLabels(headers());
    // Filled while detached: the sorted view would re-sort after every row.
    m_sorted->setSourceModel(nullptr);
    for (const FolderTotal &folder : folders)
        m_totals->appendRow(totalRow(folder, false));
    m_totals->appendRow(totalRow(sumOfFolders(folders, kAllFoldersText), true));
    m_sorted->setSourceModel(m_totals);
    m_table->resizeColumnsToContents(); // looks at a sample of rows, not all
    m_statusLabel->clear();
}

QStringList FolderTotalsWindow::rowCells(int viewRow) const
{
    QStringList cells;
    for (int col = 0; col < m_sorted->columnCount(); ++col)
        cells.append(m_sorted->index(viewRow, col).data().toString());
    return cells;
}

QString FolderTotalsWindow::selectedRowsText() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QList<QStringList> lines{headers()};
    for (int row : rows)
        lines.append(rowCells(row));
    return tabSeparatedText(lines);
}

void FolderTotalsWindow::copySelectedRows()
{
    if (m_table->selectionModel()->hasSelection())
        QGuiApplication::clipboard()->setText(selectedRowsText());
}

bool FolderTotalsWindow::exportTo(const QString &path)
{
    QList<QStringList> lines{headers()};
    for (int row = 0; row < m_sorted->rowCount(); ++row)
        lines.append(rowCells(row));
    QString error;
    const bool written = replaceFileWith(path, csvBytes(lines), &error);
    m_statusLabel->setText(written ? tr("Exported to %1").arg(path) : tr("Could not export to %1: %2").arg(path, error));
    return written;
}

void FolderTotalsWindow::exportClicked()
{
    const QString path = chooseExportFile(this);
    if (!path.isEmpty())
        exportTo(path);
}
