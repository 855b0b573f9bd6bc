// Export at scale: the whole export (copy through the scratch file, drop the
// hidden columns, write the target) against a plain save of the same grid
// and against the same rows written by hand with QTextStream. Usage: export_bench [rows]   (default
// 200,000)

#include "export/exportwriter.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

void fill(GridModel &grid, int rows)
{
    ResultColumns::setupColumns(grid);
    for (int i = 0; i < rows; ++i) {
        const QString folder =
            QStringLiteral("/home/scanner/archive/batch_%1").arg(i / 500, 4, 10, QChar(u'0'));
        const QString name = QStringLiteral("scan_%1.tif").arg(i, 7, 10, QChar(u'0'));
        grid.appendRow({name, folder, QStringLiteral("1,234 KB"),
                        QStringLiteral("03/15/2004 02:07 PM"), QString::number(i % 40),
                        folder + u'/' + name, QStringLiteral("1,234")});
    }
}

// The peer: the five visible cells of every row joined by hand.
void plainWrite(const GridModel &grid, const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QTextStream out(&file);
    for (int row = 0; row < grid.rows(); ++row) {
        for (int col = 0; col < ResultColumns::kDataColumns; ++col)
            out << (col ? u"," : u"") << grid.text(row, col);
        out << u'\r';
    }
}

template <typename F> double bestOfThree(F &&f)
{
    double best = 1e18;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200000;
    QTemporaryDir dir;
    GridModel grid;
    GridModel scratch;
    fill(grid, rows);
    const QString target = dir.filePath(QStringLiteral("out.txt"));
    const ExportRules::ExportChoice choice{target, QStringLiteral(",")};

    const double exportMs = bestOfThree(
        [&] { ExportWriter::exportGrid(grid, scratch, dir.path(), [&] { return choice; }); });
    const double saveMs =
        bestOfThree([&] { grid.saveToFile(dir.filePath(QStringLiteral("save.txt"))); });
    const double plainMs =
        bestOfThree([&] { plainWrite(grid, dir.filePath(QStringLiteral("plain.txt"))); });

    QTextStream out(stdout);
    out << "rows: " << rows << "  file: " << QFile(target).size() << " bytes\n";
    out << "export (scratch copy + write): " << exportMs << " ms\n";
    out << "grid saveToFile, all 7 columns: " << saveMs
        << " ms   export/save = " << exportMs / saveMs << "\n";
    out << "plain QTextStream, 5 columns:   " << plainMs
        << " ms   export/plain = " << exportMs / plainMs << "\n";
    return 0;
}
