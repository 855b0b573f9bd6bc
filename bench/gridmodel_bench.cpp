// Grid model at scale: append cost, header-click sorts and memory per row,
// against a plain QStandardItemModel holding the same cells.
// Usage: gridmodel_bench [rows] [peer rows]   (defaults 1,000,000 and 100,000)
// The peer's sort grows faster than n log n, so the ratios are taken at the
// peer's row count, with the grid measured again at that count.

#include "grid/gridmodel.h"
#include "results/resultcolumns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QStandardItemModel>
#include <QTextStream>
#include <ctime>
#include <malloc.h>
#include <random>

namespace {

using namespace ResultColumns;

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// Cells of one typical row, as the search run writes them.
QStringList typicalRow(int i, std::mt19937 &random, const QImage &)
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QString folder = QStringLiteral("/home/scanner/archive/2004/batch_%1").arg(i / 500, 4, 10, QChar(u'0'));
    const QString name = QStringLiteral("scan_%1.tif").arg(i, 7, 10, QChar(u'0'));
    const qint64 sizeKB = random() % 5000000;
    const QString date = QStringLiteral("%1/%2/%3 %4:%5 %6")
                             .arg(1 + random() % 12, 2, 10, QChar(u'0'))
                             .arg(1 + random() % 28, 2, 10, QChar(u'0'))
                             .arg(1995 + random() % 30)
                             .arg(1 + random() % 12, 2, 10, QChar(u'0'))
                             .arg(random() % 60, 2, 10, QChar(u'0'))
                             .arg(random() % 2 ? QStringLiteral("AM") : QStringLiteral("PM"));
    const QString pages = random() % 100 == 0 ? QStringLiteral("Error") : QString::number(random() % 500);
    const QString grouped = locale.toString(sizeKB);
    return {name, folder, grouped + u" KB", date, pages, folder + u'/' + name, grouped};
}

struct Figures
{
    double appendMicros = 0;
    double bytesPerRow = 0;
    double sortMs[4] = {0, 0, 0, 0};    // wall clock
    double sortCpuMs[4] = {0, 0, 0, 0}; // processor time: other load on the machine aside
};

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

constexpr int kSortedColumns[4] = {FileName, Size, ModifiedDate, Pages};
const char *const kSortNames[4] = {"Name", "Size (with re-sort)", "Date", "Pages"};

Figures measureGrid(int rows, const QImage &icon)
{
    Figures figures;
    std::mt19937 random(7);
    auto grid = std::make_unique<GridModel>();
    setupColumns(*grid);
    QObject::connect(grid.get(), &GridModel::afterSort, grid.get(),
                     [&grid](int col, bool ascending) { afterHeaderSort(*grid, col, ascending); });
    const size_t before = heapInUse();
    QElapsedTimer timer;
    qint64 appendNanos = 0;
    for (int i = 0; i < rows; ++i) {
        const QStringList cells = typicalRow(i, random, icon);
        timer.start();
        const int row = grid->appendRow(cells);
        grid->setPicture(row, FileName, icon);
        appendNanos += timer.nsecsElapsed();
    }
    figures.appendMicros = appendNanos / 1000.0 / rows;
    figures.bytesPerRow = double(heapInUse() - before) / rows;
    for (int k = 0; k < 4; ++k) {
        const double cpuBefore = cpuMs();
        timer.start();
        grid->headerSort(kSortedColumns[k]);
        figures.sortMs[k] = timer.nsecsElapsed() / 1e6;
        figures.sortCpuMs[k] = cpuMs() - cpuBefore;
    }
    return figures;
}

Figures measureStandardModel(int rows, const QImage &icon)
{
    Figures figures;
    std::mt19937 random(7);
    auto model = std::make_unique<QStandardItemModel>(0, Count);
    const size_t before = heapInUse();
    QElapsedTimer timer;
    qint64 appendNanos = 0;
    for (int i = 0; i < rows; ++i) {
        const QStringList cells = typicalRow(i, random, icon);
        timer.start();
        QList<QStandardItem *> items;
        for (const QString &cell : cells)
            items << new QStandardItem(cell);
        items[FileName]->setData(icon, Qt::DecorationRole);
        model->appendRow(items);
        appendNanos += timer.nsecsElapsed();
    }
    figures.appendMicros = appendNanos / 1000.0 / rows;
    figures.bytesPerRow = double(heapInUse() - before) / rows;
    for (int k = 0; k < 4; ++k) {
        const double cpuBefore = cpuMs();
        timer.start();
        model->sort(kSortedColumns[k]); // text order only
        if (kSortedColumns[k] == Size)
            model->sort(SizeInKB);
        figures.sortMs[k] = timer.nsecsElapsed() / 1e6;
        figures.sortCpuMs[k] = cpuMs() - cpuBefore;
    }
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;
    const int peerRows = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100000;
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::darkYellow);
    QTextStream out(stdout);
    out << Qt::fixed << qSetRealNumberPrecision(3);
    const Figures large = measureGrid(rows, icon);
    out << "GridModel alone, rows: " << rows << "\n";
    out << "append, us per row     " << large.appendMicros << "\n";
    for (int k = 0; k < 4; ++k)
        out << "sort " << kSortNames[k] << ", ms: " << large.sortMs[k] << " (processor " << large.sortCpuMs[k]
            << ")\n";
    out << "heap bytes per row     " << large.bytesPerRow << "\n\n" << Qt::flush;
    const Figures grid = measureGrid(peerRows, icon);
    const Figures peer = measureStandardModel(peerRows, icon);
    out << "rows: " << peerRows << "\n";
    out << "                          GridModel   QStandardItemModel   ratio (grid/peer)\n";
    out << "append, us per row     " << qSetFieldWidth(10) << grid.appendMicros << qSetFieldWidth(0) << "   "
        << qSetFieldWidth(15) << peer.appendMicros << qSetFieldWidth(0) << "   " << grid.appendMicros / peer.appendMicros
        << "\n";
    for (int k = 0; k < 4; ++k)
        out << "sort " << qSetFieldWidth(20) << Qt::left << kSortNames[k] << Qt::right << qSetFieldWidth(0) << " ms "
            << qSetFieldWidth(10) << grid.sortMs[k] << qSetFieldWidth(0) << "   " << qSetFieldWidth(15) << peer.sortMs[k]
            << qSetFieldWidth(0) << "   " << grid.sortMs[k] / peer.sortMs[k] << "  (processor time ratio "
            << grid.sortCpuMs[k] / peer.sortCpuMs[k] << ")\n";
    out << "heap bytes per row     " << qSetFieldWidth(10) << grid.bytesPerRow << qSetFieldWidth(0) << "   "
        << qSetFieldWidth(15) << peer.bytesPerRow << qSetFieldWidth(0) << "   " << grid.bytesPerRow / peer.bytesPerRow
        << "\n";
    out << "(the peer sorts by text only: its Size, Date and Pages orders are not the right ones)\n";
    return 0;
}
