// The page report read back from its PDF (pdftotext), and its chart
// measured from a rendered image.
#include "base/pathcodec.h"
#include "export/pagereportchart.h"
#include "export/pagereportdocument.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "support/pdftext.h"
#include "support/totalstree.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace ResultColumns;
using namespace TestSupport;

namespace {

// A folder's row in the report: its name, files, pages, A4-equivalent, color,
// grayscale, black-and-white, unknown-size pages and unreadable files.
QString tableLine(const QString &name, const QList<qint64> &counts)
{
    QStringList cells{name};
    for (qint64 count : counts)
        cells.append(QLocale().toString(count)); // grouped as the reader groups them
    return cells.join(u' ');
}

// The rows of one file: `pages` pages of `size` in `mode`, or unreadable (pages < 0).
void addFile(GridModel &grid, const QString &folder, int pages, PageSize size = PageSize::A4,
             CaptureMode mode = CaptureMode::BlackAndWhite)
{
    PageBreakdown worth;
    for (int page = 0; page < pages; ++page) {
        PageFacts facts;
        facts.size = size;
        facts.mode = mode;
        facts.a4Equivalent = a4PerPage(size);
        worth.add(facts);
    }
    QStringList cells(Count);
    cells[FileName] = QStringLiteral("f%1.tif").arg(grid.rows());
    cells[Location] = folder;
    cells[FullPath] = folder + u'/' + cells[FileName];
    cells[Pages] = pages < 0 ? QStringLiteral("Error") : QString::number(pages);
    cells[PagesNote] = pages < 0 ? QStringLiteral("Not a TIFF file") : QString();
    cells[PageWorth] = worth.key();
    grid.appendRow(cells);
}

// The report's PDF as text, one entry a page.
QStringList pdfPages(const PageReport &report)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writePageReportPdf(report, &file, reportPageLayout(QLocale::c())))
        return {};
    file.close();
    return pdfTextPages(path);
}

// The chart's bars painted on 600 x 400 pixels: each bar's segments, in
// pixels, measured down its middle, left to right.
std::vector<std::array<int, kChartSegments>> measuredBars(const SizeModeTable &chart)
{
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintPageChart(painter, QRectF(0, 0, 600, 400), chart, QFont());
    }
    // The base line runs under the bars, the legend below it.
    int base = image.height() - 1;
    while (base > 0 && image.pixel(image.width() / 2, base) != qRgb(0, 0, 0))
        --base;
    // Columns of bar colours, each bar measured down its middle.
    const auto segmentsAt = [&](int column) {
        std::array<int, kChartSegments> heights{};
        for (int y = 0; y < base; ++y)
            for (int segment = 0; segment < kChartSegments; ++segment)
                heights[segment] += image.pixel(column, y) == chartSegmentColor(segment).rgb();
        return heights;
    };
    std::vector<std::array<int, kChartSegments>> bars;
    for (int x = 0, start = -1; x <= image.width(); ++x) {
        const bool inBar = x < image.width() && segmentsAt(x) != std::array<int, kChartSegments>{};
        if (inBar && start < 0)
            start = x;
        else if (!inBar && start >= 0)
            bars.push_back(segmentsAt(std::exchange(start, -1) / 2 + x / 2));
    }
    return bars;
}

SearchRecord finishedSearch()
{
    SearchRecord search;
    search.ran = true;
    search.startFolder = QStringLiteral("/scans/");
    search.started = QDateTime(QDate(2026, 12, 1), QTime(9, 0));
    return search;
}

} // namespace

class PageReportTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Over a tree whose every total differs from every other: a folder row
    // and a totals line per count, from sums of the files as added.
    void totalsAndFoldersMatchTheGrid_data()
    {
        QTest::addColumn<QString>("selected"); // the folder whose rows are selected; none: all shown rows
        QTest::addColumn<QString>("org"); // the organisation, and the folder holding every folder
        QTest::newRow("shown rows") << QString() << QString();
        QTest::newRow("selected rows") << QStringLiteral("a/deep") << QString();
        QTest::newRow("Japanese names") << QString() << QStringLiteral("株式会社ブリム"); // drawn from a face that has them
    }
    void totalsAndFoldersMatchTheGrid()
    {
        QFETCH(QString, selected);
        QFETCH(QString, org);
        const QString prefix = org.isEmpty() ? QString() : org + u'/';
        GridModel grid;
        setupColumns(grid);
        for (const TreeFile &file : totalsTreeFiles()) {
            addFile(grid, QStringLiteral("/scans/") + prefix + file.folder, file.pages, file.size, file.mode);
            grid.setRowSelected(grid.rows() - 1, file.folder == selected);
        }
        addFile(grid, QStringLiteral("/scans/a"), 7); // hidden, selected: never in the report
        grid.setRowHidden(grid.rows() - 1, true);
        grid.setRowSelected(grid.rows() - 1, true);

        QMap<QString, TreeSums> sums = totalsTreeSums();
        if (!selected.isEmpty())
            sums = {{selected, sums[selected]}, {QString(), sums[selected]}};
        const RowScope scope = selected.isEmpty() ? RowScope::Shown : RowScope::Selected;
        const QString text = pdfPages(buildPageReport(grid, {.organisation = org}, finishedSearch(), scope)).join(u'\n');
        QVERIFY2(org.isEmpty() || hasLine(text, QStringLiteral("Organisation ") + org), qPrintable(text));
        for (auto [folder, s] : sums.asKeyValueRange()) {
            QList<qint64> row = s.counts();
            row.move(2, row.size() - 1); // unreadable files last
            // Folders below the start folder are named from it.
            QVERIFY2(hasLine(text, tableLine(folder.isEmpty() ? QStringLiteral("All folders") : prefix + folder, row)),
                     qPrintable(text));
        }
        const TreeSums &all = sums[QString()];
        const QList<qint64> c = all.counts(); // the totals lines, in their order
        QVERIFY2(text.contains(QStringLiteral("Files %1\nPages %2\nA4-equivalent pages %3\nColor pages %4\nGrayscale pages "
                                              "%5\nBlack-and-white pages %6\nPages of unknown mode %7\nPages of unknown "
                                              "size %8\nUnreadable files %9\n").arg(c[0]).arg(c[1]).arg(c[3]).arg(c[4])
                                       .arg(c[5]).arg(c[6]).arg(all.modes.at(CaptureMode::Unknown)).arg(c[7]).arg(c[2])),
                 qPrintable(text));
        // The grid's own running sums agree.
        const GridModel::Tally &tally = selected.isEmpty() ? grid.shownTally() : grid.selectedTally();
        QCOMPARE(tally.rows, all.files);
        QCOMPARE(tally.sum, all.pages);
    }

    // The unreadable files are listed up to the cap, the rest counted in one
    // line; names as the table shows them.
    void unreadableListStopsAtTheCap_data()
    {
        QTest::addColumn<int>("unreadable");
        for (int count : {0, 1, 1000, 1001, 1002})
            QTest::addRow("%d", count) << count;
    }
    void unreadableListStopsAtTheCap()
    {
        QFETCH(int, unreadable);
        GridModel grid;
        setupColumns(grid);
        const QString odd = PathCodec::decode("/scans/caf\xe9");
        addFile(grid, odd, 2);
        for (int file = 0; file < unreadable; ++file)
            addFile(grid, odd, -1);
        const QString text = pdfPages(buildPageReport(grid, {}, finishedSearch(), RowScope::Shown)).join(u'\n');
        const int listed = std::min(unreadable, 1000);
        static const QRegularExpression listedLine(QStringLiteral("^ ?/scans/caf\ufffd/f\\d+\\.tif Not a TIFF file ?$"),
                                                   QRegularExpression::MultilineOption);
        QCOMPARE(text.count(listedLine), listed);
        QCOMPARE(hasLine(text, QStringLiteral("and %1 more").arg(unreadable - listed)), unreadable > listed);
        QCOMPARE(hasLine(text, QStringLiteral("None")), unreadable == 0);
        QVERIFY2(hasLine(text, tableLine(QStringLiteral("caf\ufffd"), {unreadable + 1, 2, 2, 0, 0, 2, 0, unreadable})),
                 qPrintable(text));
    }

    // Every page of a long report says which of how many it is, and every
    // page of the folder table starts with its header row.
    void longReportRepeatsTheHeader()
    {
        GridModel grid;
        setupColumns(grid);
        constexpr int kFolders = 1000;
        for (int folder = 0; folder < kFolders; ++folder)
            addFile(grid, QStringLiteral("/f/%1").arg(folder), folder % 7);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // numbers grouped as the reader groups them
        PageReport report = buildPageReport(grid, {}, finishedSearch(), RowScope::Shown);
        constexpr int kSearches = 150; // a merged report's searches run on over the pages
        for (int search = 0; search < kSearches; ++search)
            report.searched.append({QStringLiteral("Start folder"), QStringLiteral("/s%1").arg(search)});
        const QStringList pages = pdfPages(report);
        QLocale::setDefault(QLocale::system());
        for (int search = 0; search < kSearches; ++search)
            QCOMPARE(std::count_if(pages.begin(), pages.end(), [&](const QString &page) {
                         return hasLine(page, QStringLiteral("Start folder /s%1").arg(search));
                     }), 1);
        QCOMPARE(pages.filter(QRegularExpression(QStringLiteral("\\nFiles 1.000\\n"))).size(), 1);
        const QRegularExpression folderRow(QStringLiteral("^ ?/f/(\\d+) \\d"), QRegularExpression::MultilineOption);
        QList<int> seen(kFolders, 0);
        int tablePages = 0;
        for (int page = 0; page < pages.size(); ++page) {
            QVERIFY2(hasLine(pages[page], QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.size())),
                     qPrintable(pages[page]));
            auto rows = folderRow.globalMatch(pages[page]);
            if (!rows.hasNext())
                continue;
            ++tablePages;
            QVERIFY2(pages[page].contains(QStringLiteral("Folder Files Pages")), qPrintable(pages[page]));
            while (rows.hasNext())
                ++seen[rows.next().captured(1).toInt()];
        }
        QCOMPARE(seen, QList<int>(kFolders, 1));
        QVERIFY(tablePages > 10);
        QCOMPARE(reportPageLayout(QLocale(QLocale::English, QLocale::UnitedStates)).pageSize().id(), QPageSize::Letter);
    }

    void searchInWords_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("period"); // a period and a size range, else two dates and a least size
        QTest::addColumn<QString>("locale"); // days and the time made as it writes them
        QTest::addColumn<QStringList>("days"); // the rule's first and last day, the day and time made
        const QStringList november{"1 Nov 2026", "30 Nov 2026", "Tuesday, 1 December 2026 09:00:00"};
        QTest::newRow("done") << false << false << QString() << false << "C" << november;
        QTest::newRow("cancelled") << true << false << QStringLiteral("Search Terminated by User") << true << "C"
                                   << QStringList{"30 Nov 2026", "1 Dec 2026", november[2]};
        QTest::newRow("running") << false << true << QStringLiteral("Search still running: the counts are partial")
                                 << false << "C" << november;
        QTest::newRow("German") << false << false << QString() << false << "de_DE"
                                << QStringList{"01.11.26", "30.11.26", "Dienstag, 1. Dezember 2026 09:00"};
    }
    void searchInWords()
    {
        QFETCH(bool, cancelled);
        QFETCH(bool, running);
        QFETCH(QString, state);
        QFETCH(bool, period);
        QFETCH(QString, locale);
        QFETCH(QStringList, days);
        GridModel grid;
        setupColumns(grid);
        addFile(grid, QStringLiteral("/scans"), 1);
        SearchRecord search = finishedSearch();
        search.cancelled = cancelled;
        search.running = running;
        search.criteria.subfolders = true;
        search.criteria.date = true;
        search.criteria.inPeriod = period;
        search.criteria.from = QDate(2026, 11, 1);
        search.criteria.to = QDate(2026, 11, 30);
        search.criteria.size = true;
        search.criteria.sizeAt = !period; // else between 0 and 10 KB
        search.criteria.limit = QStringLiteral(" 100");
        QLocale::setDefault(QLocale(locale));
        const QString text = pdfPages(buildPageReport(grid, {.madeAt = search.started}, search, RowScope::Shown))
                                     .join(u'\n');
        QLocale::setDefault(QLocale::system());
        const QString dates = period ? QStringLiteral("in the last 1 Day(s) (between %1 and %2)")
                                     : QStringLiteral("between %1 and %2");
        const QStringList rules{"Date Files Modified " + dates.arg(days[0], days[1]),
                                period ? "Size Size between 0 and 10 KB" : "Size Size at least 100 KB",
                                "Made " + days[2]};
        for (const QString &line : rules + QStringList{"Subfolders Yes", "Hidden files No"})
            QVERIFY2(hasLine(text, line), qPrintable(text));
        QVERIFY(state.isEmpty() ? !text.contains(QStringLiteral("Status"))
                                : hasLine(text, QStringLiteral("Status ") + state));
    }

    // Each bar's segments, measured in pixels, stand to the tallest bar as
    // their pages to its pages.
    void chartBarsAreInProportion()
    {
        GridModel grid;
        setupColumns(grid);
        addFile(grid, QStringLiteral("/s"), 40, PageSize::A4, CaptureMode::Color);
        addFile(grid, QStringLiteral("/s"), 20, PageSize::A4, CaptureMode::BlackAndWhite);
        addFile(grid, QStringLiteral("/s"), 15, PageSize::A3, CaptureMode::Grayscale);
        addFile(grid, QStringLiteral("/s"), 6, PageSize::Letter, CaptureMode::Unknown);
        addFile(grid, QStringLiteral("/s"), 1, PageSize::Legal, CaptureMode::Color); // a class of one page
        PageReport report = buildPageReport(grid, {}, finishedSearch(), RowScope::Shown);
        // An A4 color page and an A3 black-and-white one: a segment of their own;
        // an A4 and an A3 color page: color.
        for (const CaptureMode a3Mode : {CaptureMode::BlackAndWhite, CaptureMode::Color}) {
            PageBreakdown file;
            file.add(PageFacts{.size = PageSize::A4, .mode = CaptureMode::Color});
            file.add(PageFacts{.size = PageSize::A3, .mode = a3Mode});
            addToChart(report.chart, file);
        }
        const auto bars = measuredBars(report.chart);
        const std::vector<std::array<qint64, kChartSegments>> expected{
            {1, 15, 0, 0, 1}, {41, 0, 20, 0, 1}, {0, 0, 0, 6, 0}, {1, 0, 0, 0, 0}}; // A3, A4, Letter, Legal
        QCOMPARE(bars.size(), size_t(4));
        const int tallest = bars[1][0] + bars[1][2] + bars[1][4];
        QVERIFY(tallest > 200);
        for (size_t bar = 0; bar < bars.size(); ++bar)
            for (int segment = 0; segment < kChartSegments; ++segment)
                QVERIFY2(std::abs(bars[bar][segment] - expected[bar][segment] * tallest / 62.0) <= 2,
                         qPrintable(QStringLiteral("bar %1 segment %2: %3 pixels").arg(bar).arg(segment)
                                            .arg(bars[bar][segment])));
        // A class of one page beside one of 100,000 still shows.
        SizeModeTable lopsided{};
        lopsided[int(PageSize::A4)][0] = 100000;
        lopsided[int(PageSize::A3)][1] = 1;
        const auto thin = measuredBars(lopsided);
        QCOMPARE(thin.size(), size_t(2));
        QVERIFY2(thin[0][1] >= 1, qPrintable(QString::number(thin[0][1])));
    }
};

QTEST_MAIN(PageReportTest)
#include "pagereport_test.moc"
