// Totals that follow the user: the selection total beside the page total,
// the Pages cell tooltips, the folder totals window, and the selected rows
// copied to the clipboard or dragged out.
#include "ui/frmmain.h"

#include "platform/desktopservices.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "grid/rowtransfer.h"
#include "results/selectiontotal.h"
#include "results/cellformats.h"
#include "ui/foldertotalswindow.h"
#include "ui/gridview.h"
#include "ui/lazytooltip.h"

#include <QClipboard>
#include <QDrag>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>

void frmMain::connectTotals()
{
    // Each of these changes the selection, the shown rows or a Pages cell;
    // the model keeps the sums, so an update costs the same for any count.
    const auto update = [this] { updateSelectionTotal(); };
    connect(m_files, &GridModel::dataChanged, this, update);
    connect(m_files, &GridModel::rowHiddenChanged, this, update);
    connect(m_files, &GridModel::rowsInserted, this, update);
    connect(m_files, &GridModel::rowsRemoved, this, update);
    connect(m_files, &GridModel::modelReset, this, update);
    vsFiles->toolTipFor = [this](int row, int col) { return pagesToolTipAt(row, col); };
    // Summed on hover only: the labels change with every selection click.
    setLazyToolTip(lblSelectionTotal, [this] {
        return m_files->selectedCount() > 0
                ? worthToolTip(*m_files, RowScope::Selected) : QString();
    });
    setLazyToolTip(lblPageCount, [this] {
        return worthToolTip(*m_files, RowScope::Shown);
    });
    vsFiles->dragOut = [this] { dragSelectedRows(); };
}

void frmMain::updateSelectionTotal()
{
    const QString text = selectionTotalText(m_files->selectedTally(), m_files->shownTally());
    if (lblSelectionTotal->text() != text)
        lblSelectionTotal->setText(text);
}

QString frmMain::pagesToolTipAt(int row, int col) const
{
    if (col != ResultColumns::Pages || !m_files->isDataRow(row))
        return {};
    return pagesToolTip(m_files->textView(row, ResultColumns::Pages),
                        m_files->textView(row, ResultColumns::PagesNote),
                        m_files->textView(row, ResultColumns::PageWorth));
}

QMimeData *frmMain::selectedRowsMimeData() const
{
    const QList<int> rows = selectedShownRows(*m_files);
    if (rows.isEmpty())
        return nullptr;
    // The file URLs carry each name's exact bytes, percent-encoded.
    QByteArray uris;
    for (int row : rows)
        uris += fileUrlOfPath(m_files->text(row, ResultColumns::FullPath)).toEncoded() + "\r\n";
    auto *data = new QMimeData;
    data->setText(rowsAsText(*m_files, rows));
    data->setData(QStringLiteral("text/uri-list"), uris);
    return data;
}

void frmMain::mnuEditCopy_Click()
{
    if (QMimeData *data = selectedRowsMimeData())
        QGuiApplication::clipboard()->setMimeData(data);
}

// Offered as a copy only: a drop never moves or deletes the files.
void frmMain::dragSelectedRows()
{
    QMimeData *data = selectedRowsMimeData();
    if (!data)
        return;
    auto *drag = new QDrag(vsFiles);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void frmMain::mnuFolderTotals_Click()
{
    openToolWindow(m_folderTotals, [this] { return new FolderTotalsWindow(*m_files, this); }, &FolderTotalsWindow::refresh);
}
