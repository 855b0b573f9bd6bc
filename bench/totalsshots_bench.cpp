// Not a benchmark: saves pictures of the totals that follow the user. Builds
// a small tree of TIFF files (two of them broken), searches it, selects some
// rows, and grabs the main window with its selection label, the tooltip of
// an "Error" cell and of a counted one, and the Folder Totals window.
//   totalsshots_bench OUT_FOLDER [SCANS]   SCANS: search that folder instead
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "settings/settings.h"
#include "ui/appservices.h"
#include "ui/foldertotalswindow.h"
#include "ui/foldertree.h"
#include "ui/frmmain.h"
#include "ui/gridview.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolTip>
#include <QtEndian>

namespace {

// A classic little-endian TIFF of `pages` one-pixel pages.
QByteArray tiff(int pages)
{
    QByteArray bytes("II*\0\0\0\0\0", 8);
    for (int i = 0; i < pages; ++i) {
        const quint32 at = quint32(bytes.size());
        qToLittleEndian<quint32>(at, i == 0 ? bytes.data() + 4 : bytes.data() + bytes.size() - 4);
        QByteArray ifd(2 + 3 * 12 + 4, '\0');
        qToLittleEndian<quint16>(3, ifd.data());
        const quint16 tags[] = {256, 257, 273};
        for (int t = 0; t < 3; ++t) {
            qToLittleEndian<quint16>(tags[t], ifd.data() + 2 + 12 * t);
            qToLittleEndian<quint16>(3, ifd.data() + 4 + 12 * t);
            qToLittleEndian<quint32>(1, ifd.data() + 6 + 12 * t);
            qToLittleEndian<quint16>(8, ifd.data() + 10 + 12 * t);
        }
        bytes += ifd;
    }
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The window with the tooltip of `row`'s Pages cell drawn into it.
bool saveTooltip(frmMain &window, int row, const QDir &out, const QString &name)
{
    GridModel &grid = *window.filesModel();
    QWidget *viewport = window.vsFiles->viewport();
    const QRect cell = window.vsFiles->visualRect(grid.index(grid.modelRow(row), ResultColumns::Pages));
    QHelpEvent help(QEvent::ToolTip, cell.center(), viewport->mapToGlobal(cell.center()));
    QCoreApplication::sendEvent(viewport, &help);
    QCoreApplication::processEvents();
    QPixmap shot = window.grab();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) {
            QPainter painter(&shot);
            painter.drawPixmap(window.mapFromGlobal(top->pos()), top->grab());
        }
    }
    const QString path = out.filePath(name);
    QTextStream(stdout) << "saved " << path << " (tooltip: " << QToolTip::text() << ")\n";
    return shot.save(path);
}

bool save(QWidget *widget, const QDir &out, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = out.filePath(name);
    const bool saved = widget->grab().save(path);
    QTextStream(stdout) << (saved ? "saved " : "FAILED ") << path << "\n";
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        QTextStream(stderr) << "usage: totalsshots_bench OUT_FOLDER [SCANS]\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir tree;
    const QList<QPair<QString, int>> files{{"box1/invoice_001.tif", 3}, {"box1/invoice_002.tif", 12},
                                           {"box1/contract.tif", 7},    {"box2/scan_a.tif", 1},
                                           {"box2/scan_b.tif", 4},      {"box2/cutoff.tif", -1},
                                           {"letters/note.tif", 2},     {"letters/notes.tif", -2}};
    for (const auto &[name, pages] : files)
        write(tree.filePath(name), pages == -1 ? tiff(3).left(20) : pages == -2 ? QByteArray("plain text")
                                                                                : tiff(pages));
    SettingsStore settings(tree.filePath(QStringLiteral("Settings.ini")));
    settings.ReadSettings();
    frmMain window(settings, createAppServices());
    window.Form_Load();
    window.resize(1100, 700);
    window.show();
    // The first activation searches the start-up folder; let it end first.
    for (int i = 0; i < 50 || window.isSearching(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    window.chkSearchIncSubFlder->setChecked(true);
    window.ftv->setSelectedFolder(argc == 3 ? QString::fromLocal8Bit(argv[2]) : tree.path());
    window.cmdSearch_Click();
    while (window.isSearching())
        QCoreApplication::processEvents();
    GridModel &grid = *window.filesModel();
    grid.selectOnly(1, 3);
    grid.setRowSelected(5, true);
    bool ok = save(&window, out, QStringLiteral("totals-selection.png"));

    // The tooltips of the first "Error" cell and of the first counted one.
    grid.clearSelection();
    bool errorShown = false, countShown = false;
    for (int row = 1; row < grid.rows() && !(errorShown && countShown); ++row) {
        const bool error = grid.text(row, ResultColumns::Pages) == QStringLiteral("Error");
        if (error ? errorShown : countShown)
            continue;
        (error ? errorShown : countShown) = true;
        ok = saveTooltip(window, row, out, error ? QStringLiteral("totals-error-tooltip.png")
                                                 : QStringLiteral("totals-pages-tooltip.png")) && ok;
    }
    window.mnuFolderTotals_Click();
    ok = save(window.folderTotalsWindow(), out, QStringLiteral("totals-folder-totals.png")) && ok;
    return ok ? 0 : 1;
}
