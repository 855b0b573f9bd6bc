// Selection totals and folder totals at scale: Select All, Invert Selection
// and a single click on a results table of N rows, each followed by the
// selection label's text; then the Folder Totals window opened over it.
// Usage: totals_bench [rows] [folders]   (defaults 1,000,000 and 10,000)
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "results/selectiontotal.h"
#include "ui/foldertotalswindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

QStringList row(int i, int folder)
{
    const QString location = QStringLiteral("/srv/scans/box_%1").arg(folder, 5, 10, QChar(u'0'));
    const QString name = QStringLiteral("scan_%1.tif").arg(i, 7, 10, QChar(u'0'));
    const int count = 1 + i % 40;
    const QString pages = i % 97 == 0 ? QStringLiteral("Error") : QString::number(count);
    // What the pages are worth: black-and-white A4, every tenth file color A3.
    const QString worth = i % 97 == 0 ? QString()
            : i % 10 == 0 ? QStringLiteral("c=%1,A3=%1,e=%2").arg(count).arg(2 * count)
                          : QStringLiteral("b=%1,A4=%1").arg(count);
    return {name, location, QStringLiteral("120 KB"), QStringLiteral("01/02/2024 10:00 AM"), pages,
            location + u'/' + name, QStringLiteral("120"), QString(), worth};
}

// Best of a few runs of `step`, in milliseconds.
template <typename Step>
double bestMs(Step step, int runs = 5)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::max(1, atoi(argv[1])) : 1000000;
    const int folders = argc > 2 ? std::max(1, atoi(argv[2])) : 10000;
    GridModel grid;
    ResultColumns::setupColumns(grid);
    // Rows of one folder together, as a search lists them.
    const int perFolder = std::max(1, rows / folders);
    for (int i = 0; i < rows; ++i)
        grid.appendRow(row(i, i / perFolder));
    QString text;
    const auto label = [&] { text = selectionTotalText(grid.selectedTally(), grid.shownTally()); };
    QTextStream out(stdout);
    out << rows << " rows in " << folders << " folders (best of 5)\n";
    out << "Select All + label:       " << bestMs([&] { grid.clearSelection(); grid.selectAll(); label(); })
        << " ms (includes clearing first)\n";
    out << "Invert Selection + label: " << bestMs([&] { grid.invertSelection(); label(); }) << " ms\n";
    out << "Click one row + label:    " << bestMs([&] { grid.selectOnly(rows / 2, rows / 2); label(); })
        << " ms\n";
    out << "  label reads: " << text << "\n";
    out << "Page total's tooltip:     "
        << bestMs([&] { text = worthToolTip(grid, RowScope::Shown); })
        << " ms (" << text << ")\n";
    double openMs = 0;
    openMs = bestMs([&] {
        FolderTotalsWindow window(grid);
        window.show();
        QCoreApplication::processEvents();
    }, 3);
    out << "Folder Totals open:       " << openMs << " ms\n";
    return 0;
}
