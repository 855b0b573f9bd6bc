#include "ui/dlgfoldertotals.h"

#include "base/replacefile.h"
#include "results/foldertotals.h"
#include "results/pagebreakdownwords.h"
#include "results/resultcolumns.h"
#include "grid/rowtransfer.h"

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

const QStringList &headers()
{
    static const QStringList captions{QStringLiteral("Location"),      QStringLiteral("Files"),
                                      QStringLiteral("Pages"),         QStringLiteral("Unreadable"),
                                      QStringLiteral("A4-equivalent"), QStringLiteral("Color"),
                                      QStringLiteral("Grayscale"),     QStringLiteral("Black and white"),
                                      QStringLiteral("Unknown size"),  QStringLiteral("Sizes")};
    return captions;
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
    auto *location = new QStandardItem(total.location);
    location->setData(allFolders, kAllFoldersRole);
    QList<QStandardItem *> items{location};
    const PageBreakdown &worth = total.worth;
    for (qint64 value : {total.files, total.pages, total.unreadable, worth.a4Equivalent,
                         worth.count(CaptureMode::Color), worth.count(CaptureMode::Grayscale),
                         worth.count(CaptureMode::BlackAndWhite), worth.count(PageSize::Unknown)}) {
        auto *item = new QStandardItem;
        item->setData(value, Qt::DisplayRole);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    items.append(new QStandardItem(sizesText(worth, u", ", u" ")));
    for (QStandardItem *item : items)
        item->setEditable(false);
    return items;
}

} // namespace

dlgFolderTotals::dlgFolderTotals(const GridModel &files, QWidget *parent)
    : QWidget(parent, Qt::Window), m_files(files)
{
    setObjectName(QStringLiteral("dlgFolderTotals"));
    setWindowTitle(QStringLiteral("Folder Totals"));
    m_totals = new QStandardItemModel(this);
    m_sorted = new TotalsSort(this);
    m_sorted->setSourceModel(m_totals);

    tblTotals = new QTableView(this);
    tblTotals->setObjectName(QStringLiteral("tblTotals"));
    tblTotals->setModel(m_sorted);
    tblTotals->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTotals->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblTotals->verticalHeader()->hide();
    // Unsorted until a header is clicked: folders in the order of the results.
    tblTotals->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tblTotals->setSortingEnabled(true);
    tblTotals->horizontalHeader()->setStretchLastSection(true); // the size classes take the room left

    auto *copy = new QAction(tblTotals);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &dlgFolderTotals::copySelectedRows);
    tblTotals->addAction(copy);

    cmdRefresh = new QPushButton(QStringLiteral("Refresh"), this);
    cmdExport = new QPushButton(QStringLiteral("Export..."), this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    lblStatus = new QLabel(this);
    connect(cmdRefresh, &QPushButton::clicked, this, &dlgFolderTotals::Refresh);
    connect(cmdExport, &QPushButton::clicked, this, &dlgFolderTotals::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblStatus, 1);
    buttons->addWidget(cmdRefresh);
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tblTotals);
    layout->addLayout(buttons);

    chooseExportFile = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Export Folder Totals"), QString(),
                                            QStringLiteral("CSV File (*.csv)"));
    };
    Refresh();
    // Wide enough for every column, as far as the screen allows.
    const int width = tblTotals->horizontalHeader()->length() + 2 * tblTotals->frameWidth()
                      + tblTotals->verticalScrollBar()->sizeHint().width() + layout->contentsMargins().left()
                      + layout->contentsMargins().right();
    resize(std::min(std::max(width, 640), screen()->availableGeometry().width()), 420);
}

void dlgFolderTotals::Refresh()
{
    const std::vector<FolderTotal> folders =
            folderTotals(m_files, ResultColumns::Location, ResultColumns::Pages, ResultColumns::PageWorth);
    m_totals->clear();
    m_totals->setHorizontalHeaderLabels(headers());
    // Filled while detached: the sorted view would re-sort after every row.
    m_sorted->setSourceModel(nullptr);
    for (const FolderTotal &folder : folders)
        m_totals->appendRow(totalRow(folder, false));
    m_totals->appendRow(totalRow(sumOfFolders(folders, AllFoldersText), true));
    m_sorted->setSourceModel(m_totals);
    tblTotals->resizeColumnsToContents(); // looks at a sample of rows, not all
    lblStatus->clear();
}

QStringList dlgFolderTotals::rowCells(int viewRow) const
{
    QStringList cells;
    for (int col = 0; col < m_sorted->columnCount(); ++col)
        cells.append(m_sorted->index(viewRow, col).data().toString());
    return cells;
}

QString dlgFolderTotals::selectedRowsText() const
{
    QList<int> rows;
    for (const QModelIndex &index : tblTotals->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QList<QStringList> lines{headers()};
    for (int row : rows)
        lines.append(rowCells(row));
    return tabSeparatedText(lines);
}

void dlgFolderTotals::copySelectedRows()
{
    if (tblTotals->selectionModel()->hasSelection())
        QGuiApplication::clipboard()->setText(selectedRowsText());
}

bool dlgFolderTotals::ExportTo(const QString &path)
{
    QList<QStringList> lines{headers()};
    for (int row = 0; row < m_sorted->rowCount(); ++row)
        lines.append(rowCells(row));
    QString error;
    const bool written = replaceFileWith(path, csvBytes(lines), &error);
    lblStatus->setText(written ? QStringLiteral("Exported to %1").arg(path)
                               : QStringLiteral("Could not export to %1: %2").arg(path, error));
    return written;
}

void dlgFolderTotals::cmdExport_Click()
{
    const QString path = chooseExportFile(this);
    if (!path.isEmpty())
        ExportTo(path);
}
