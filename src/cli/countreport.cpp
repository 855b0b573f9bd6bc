#include "cli/countreport.h"

#include "base/pathcodec.h"
#include "cli/output.h"
#include "cli/progress.h"
#include "results/columnindex.h"
#include "results/pagebreakdownwords.h"
#include "search/searchrun.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdlib>

namespace {

constexpr int kFinishEveryMs = 500;

QByteArray bytes(const QString &text)
{
    return PathCodec::encode(text);
}

using Key = FolderTotalKey;

// A folder line's columns are Folder Totals'; the total line leaves out the location.
static_assert(kFolderTotalsColumns[0] == Key::Location);
std::span<const Key> totalColumns(Listing listing)
{
    return std::span<const Key>(kFolderTotalsColumns).subspan(listing == Listing::Total ? 1 : 0);
}

// What a file's pages are worth, after its counts, in the formats for programs.
constexpr Key kFileWorthColumns[] = {Key::A4Equivalent, Key::Color,       Key::Grayscale,
                                     Key::BlackAndWhite, Key::UnknownSize, Key::Sizes};

QList<bool> rightAligned(Listing listing)
{
    if (listing == Listing::Files)
        return {false, false, true, false, true, true, false};
    QList<bool> aligned;
    for (Key key : totalColumns(listing))
        aligned.append(folderTotalColumn(key).isNumber());
    return aligned;
}

LineWriter::Fields captions(std::span<const Key> columns, bool table)
{
    LineWriter::Fields fields;
    for (Key key : columns) {
        const FolderTotalColumn &column = folderTotalColumn(key);
        fields.append(table ? column.narrowCaption : column.field);
    }
    return fields;
}

std::optional<qint64> countedPages(const PageCountResult &pages)
{
    return pages.pages >= 0 ? std::optional<qint64>(pages.pages) : std::nullopt;
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

CountReport::CountReport(Listing listing, OutputFormat format, Output &output, Progress &progress)
    : m_listing(listing), m_format(format), m_output(output), m_progress(progress),
      m_writer(format == OutputFormat::Jsonl ? nullptr : LineWriter::create(format, output, rightAligned(listing))),
      m_totals{.location = format == OutputFormat::Table ? QStringLiteral("Total") : QString()}
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
            m_writer->line(header << folderTotalColumn(Key::A4Equivalent).narrowCaption << "Reason");
        } else {
            m_writer->line(LineWriter::Fields{"path", "folder", "name", "size", "size_kb", "modified", "pages",
                                              "reason"} + captions(kFileWorthColumns, false));
        }
        break;
    case Listing::Folders:
    case Listing::Total: m_writer->line(captions(totalColumns(m_listing), table)); break;
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
    if (m_listing != Listing::Files)
        m_writer->line(totalFields(m_totals, totalColumns(m_listing)));
    m_writer->finish();
    if (m_listing == Listing::Files && table) {
        const QString found = tr("%1 file(s) found, %2 unreadable, Total Pages : %3")
                                      .arg(m_cellFormat.groupedNumber(m_totals.files),
                                           m_cellFormat.groupedNumber(m_totals.unreadable),
                                           m_cellFormat.groupedNumber(m_totals.pages));
        m_output.write(bytes(found) + '\n');
    }
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
    if (file.location != m_folderTotals.location) {
        endFolder();
        m_folderTotals = {.location = file.location};
        m_folderBytes = bytes(file.location);
    }
    m_folderTotals.addFile(countedPages(file.pages), file.pages.breakdown);
    m_totals.addFile(countedPages(file.pages), file.pages.breakdown);
    m_searchTotals.addFile(countedPages(file.pages), file.pages.breakdown);
    if (!m_writer)
        writeRecord(file);
    else if (m_listing == Listing::Files)
        m_writer->line(fileFields(file, cells));
}

void CountReport::SetStatusText(const QString &text, const QString &key)
{
    // The folder is what stands where "%1" does in the searching text, in
    // whichever language and word order that text has.
    static const QStringList around = SearchRun::searchingText(QStringLiteral("\u0001")).split(u'\u0001');
    if (key == StatusPanel::Message && around.size() == 2 && text.startsWith(around[0]) && text.endsWith(around[1])
        && text.size() > around[0].size() + around[1].size())
        m_searching = text.sliced(around[0].size(), text.size() - around[0].size() - around[1].size());
}

void CountReport::endFolder()
{
    if (m_listing == Listing::Folders && m_folderTotals.files > 0)
        m_writer->line(totalFields(m_folderTotals, totalColumns(m_listing)));
}

LineWriter::Fields CountReport::fileFields(const FoundFile &file, const QStringList &cells) const
{
    const QByteArray reason = file.pages.ok() ? QByteArray() : pageCountNote(file.pages).toUtf8();
    FolderTotal counted;
    counted.worth = file.pages.breakdown;
    if (m_format == OutputFormat::Table)
        return {bytes(cells[ResultColumns::FileName]), bytes(cells[ResultColumns::Location]),
                bytes(cells[ResultColumns::Size]),     bytes(cells[ResultColumns::ModifiedDate]),
                bytes(cells[ResultColumns::Pages]),
                file.pages.ok() ? number(folderTotalColumn(Key::A4Equivalent).count(counted)) : QByteArray(), reason};
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
            reason} + (file.pages.ok() ? totalFields(counted, kFileWorthColumns)
                                       : LineWriter::Fields(std::size(kFileWorthColumns)));
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

LineWriter::Fields CountReport::totalFields(const FolderTotal &total, std::span<const FolderTotalKey> columns) const
{
    const TextFor form = m_format == OutputFormat::Table ? TextFor::People : TextFor::Programs;
    LineWriter::Fields fields;
    for (FolderTotalKey key : columns) {
        const FolderTotalColumn &column = folderTotalColumn(key);
        fields.append(column.isNumber() ? number(column.count(total)) : bytes(column.text(total, form)));
    }
    return fields;
}

QByteArray CountReport::number(qint64 value) const
{
    // Grouped for people, plain digits for programs.
    return m_format == OutputFormat::Table ? bytes(m_cellFormat.groupedNumber(value)) : QByteArray::number(value);
}
