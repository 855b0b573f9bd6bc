#include "cli/countreport.h"

#include "base/pathcodec.h"
#include "cli/output.h"
#include "cli/progress.h"
#include "results/columnindex.h"
#include "results/pagebreakdownwords.h"
#include "search/searchrun.h"

#include <QDateTime>

#include <cstdlib>

namespace {

constexpr int kFinishEveryMs = 500;

QByteArray bytes(const QString &text)
{
    return PathCodec::encode(text);
}

// What the pages are worth, after the counts: the table's columns and the
// fields of the other formats.
const LineWriter::Fields kWorthCaptions{"A4-eq", "Color", "Grayscale", "Black and white", "Unknown size", "Sizes"};
const LineWriter::Fields kWorthNames{"a4_equivalent", "color", "grayscale", "black_and_white", "unknown_size", "sizes"};
const QList<bool> kWorthAligned{true, true, true, true, true, false};

QList<bool> rightAligned(Listing listing)
{
    if (listing == Listing::Files)
        return {false, false, true, false, true, true, false};
    if (listing == Listing::Folders)
        return QList<bool>{false, true, true, true} + kWorthAligned;
    return QList<bool>{true, true, true} + kWorthAligned;
}

// Appends `value` as `digits` decimal digits, zero-padded.
void appendDigits(char *&out, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        out[i] = char('0' + value % 10);
    out += digits;
}

// The time as Qt::ISODate writes it in a zone (2024-05-01T09:30:00+02:00),
// written digit by digit: the printf-style formatting of QDateTime cost more
// than the rest of a machine-readable row.
QByteArray isoTime(const QDateTime &time)
{
    const QDate date = time.date();
    if (date.year() < 1000 || date.year() > 9999)
        return time.toString(Qt::ISODate).toUtf8();
    const QTime clock = time.time();
    const int offsetMinutes = time.offsetFromUtc() / 60;
    char text[32];
    char *out = text;
    appendDigits(out, date.year(), 4);
    *out++ = '-';
    appendDigits(out, date.month(), 2);
    *out++ = '-';
    appendDigits(out, date.day(), 2);
    *out++ = 'T';
    appendDigits(out, clock.hour(), 2);
    *out++ = ':';
    appendDigits(out, clock.minute(), 2);
    *out++ = ':';
    appendDigits(out, clock.second(), 2);
    *out++ = offsetMinutes < 0 ? '-' : '+';
    appendDigits(out, std::abs(offsetMinutes) / 60, 2);
    *out++ = ':';
    appendDigits(out, std::abs(offsetMinutes) % 60, 2);
    return QByteArray(text, out - text);
}

} // namespace

void CountTotals::add(const FoundFile &file)
{
    ++files;
    if (file.pages.pages >= 0) {
        pages += file.pages.pages;
        worth.add(file.pages.breakdown);
    } else
        ++unreadable;
}

CountReport::CountReport(Listing listing, OutputFormat format, Output &output, Progress &progress)
    : m_listing(listing), m_format(format), m_output(output), m_progress(progress),
      m_writer(format == OutputFormat::Jsonl ? nullptr : LineWriter::create(format, output, rightAligned(listing)))
{
    m_sinceFinish.start();
}

void CountReport::begin()
{
    if (!m_writer)
        return; // a result file: a first record per start folder
    const bool table = m_format == OutputFormat::Table;
    switch (m_listing) {
    case Listing::Files:
        if (table) {
            LineWriter::Fields header;
            for (const char *caption : ResultColumns::kCaptions)
                header.append(caption);
            m_writer->line(header << kWorthCaptions.first() << "Reason");
        } else {
            m_writer->line(LineWriter::Fields{"path", "folder", "name", "size", "size_kb", "modified", "pages",
                                              "reason"} + kWorthNames);
        }
        break;
    case Listing::Folders:
        m_writer->line((table ? LineWriter::Fields{"Folder", "Files", "Pages", "Unreadable"}
                              : LineWriter::Fields{"folder", "files", "pages", "unreadable"})
                       + (table ? kWorthCaptions : kWorthNames));
        break;
    case Listing::Total:
        m_writer->line((table ? LineWriter::Fields{"Files", "Pages", "Unreadable"}
                              : LineWriter::Fields{"files", "pages", "unreadable"})
                       + (table ? kWorthCaptions : kWorthNames));
        break;
    }
}

void CountReport::beginSearch(const ResultFile::Source &source)
{
    m_searchTotals = {};
    if (!m_writer)
        m_output.write(ResultFile::sourceLine(source));
}

void CountReport::endSearch(bool cancelled)
{
    if (!m_writer)
        m_output.write(ResultFile::endLine(m_searchTotals.files, m_searchTotals.pages, m_searchTotals.unreadable,
                                           cancelled));
}

void CountReport::end()
{
    if (!m_writer) {
        m_output.flush();
        return;
    }
    endFolder();
    const bool table = m_format == OutputFormat::Table;
    if (m_listing == Listing::Folders)
        m_writer->line(countFields(table ? "Total" : "", m_totals));
    else if (m_listing == Listing::Total)
        m_writer->line(countFields({}, m_totals).mid(1));
    m_writer->finish();
    if (m_listing == Listing::Files && table)
        m_output.write(number(m_totals.files) + " file(s) found, " + number(m_totals.unreadable)
                       + " unreadable, " + bytes(SearchRun::PageTotalPrefix) + number(m_totals.pages) + '\n');
    m_output.flush();
}

void CountReport::tick()
{
    m_progress.update(m_totals.files, m_totals.pages, m_searching);
    if (m_writer && m_sinceFinish.elapsed() >= kFinishEveryMs) {
        m_writer->finish();
        m_sinceFinish.start();
    }
    m_output.flushIfStale();
}

void CountReport::appendFound(const FoundFile &file, const QStringList &cells, const QVariant &)
{
    if (file.location != m_folder) {
        endFolder();
        m_folder = file.location;
        m_folderBytes = bytes(m_folder);
    }
    m_folderTotals.add(file);
    m_totals.add(file);
    m_searchTotals.add(file);
    if (!m_writer)
        writeRecord(file);
    else if (m_listing == Listing::Files)
        m_writer->line(fileFields(file, cells));
}

void CountReport::SetStatusText(const QString &text, const QString &key)
{
    if (key == StatusPanel::Message && text.startsWith(SearchRun::SearchingPrefix))
        m_searching = text.mid(SearchRun::SearchingPrefix.size());
}

void CountReport::endFolder()
{
    if (m_listing == Listing::Folders && m_folderTotals.files > 0)
        m_writer->line(countFields(m_folderBytes, m_folderTotals));
    m_folderTotals = {};
}

LineWriter::Fields CountReport::fileFields(const FoundFile &file, const QStringList &cells) const
{
    const QByteArray reason = file.pages.ok() ? QByteArray() : pageCountNote(file.pages).toUtf8();
    const PageBreakdown &worth = file.pages.breakdown;
    if (m_format == OutputFormat::Table)
        return {bytes(cells[ResultColumns::FileName]), bytes(cells[ResultColumns::Location]),
                bytes(cells[ResultColumns::Size]),     bytes(cells[ResultColumns::ModifiedDate]),
                bytes(cells[ResultColumns::Pages]),
                file.pages.ok() ? number(worth.a4Equivalent) : QByteArray(), reason};
    const QDateTime modified = QDateTime::fromMSecsSinceEpoch(file.facts.modifiedMs, m_zone);
    // The folder's bytes are made once; a name's are as the folder listed them.
    QByteArray fullPath = m_folderBytes;
    if (!fullPath.endsWith('/'))
        fullPath += '/';
    fullPath += file.nativeName;
    return LineWriter::Fields{fullPath,
            m_folderBytes,
            file.nativeName,
            QByteArray::number(file.facts.size),
            QByteArray::number(sizeInKB(file.facts.size)),
            isoTime(modified),
            file.pages.ok() ? QByteArray::number(file.pages.pages) : QByteArray(),
            reason} + (file.pages.ok() ? worthFields(worth) : LineWriter::Fields(kWorthNames.size()));
}

void CountReport::writeRecord(const FoundFile &file)
{
    const QDateTime modified = QDateTime::fromMSecsSinceEpoch(file.facts.modifiedMs, m_zone);
    const QString reason = file.pages.ok() ? QString() : pageCountNote(file.pages);
    const QString worth = file.pages.ok() ? file.pages.breakdown.key() : QString();
    m_record.clear();
    ResultFile::appendFileLine(m_record, {m_folderBytes, file.nativeName, file.facts.size, isoTime(modified),
                                          file.pages.ok() ? file.pages.pages : -1, reason, worth});
    m_output.write(m_record);
}

LineWriter::Fields CountReport::countFields(const QByteArray &label, const CountTotals &totals) const
{
    return LineWriter::Fields{label, number(totals.files), number(totals.pages), number(totals.unreadable)}
            + worthFields(totals.worth);
}

LineWriter::Fields CountReport::worthFields(const PageBreakdown &worth) const
{
    const bool table = m_format == OutputFormat::Table;
    return {number(worth.a4Equivalent),
            number(worth.count(CaptureMode::Color)),
            number(worth.count(CaptureMode::Grayscale)),
            number(worth.count(CaptureMode::BlackAndWhite)),
            number(worth.count(PageSize::Unknown)),
            sizesText(worth, table ? u", " : u";", table ? u" " : u"=").toUtf8()};
}

QByteArray CountReport::number(qint64 value) const
{
    // Grouped for people, plain digits for programs.
    return m_format == OutputFormat::Table ? bytes(m_cellFormat.groupedNumber(value)) : QByteArray::number(value);
}
