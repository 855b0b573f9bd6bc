#include "cli/linewriter.h"

#include "cli/fieldcodec.h"
#include "cli/output.h"

#include <algorithm>
#include <vector>

namespace {

class DelimitedWriter : public LineWriter
{
public:
    DelimitedWriter(Output &output, char separator, QByteArray (*encode)(const QByteArray &))
        : m_output(output), m_separator(separator), m_encode(encode)
    {
    }
    void line(const Fields &fields) override
    {
        m_text.resize(0); // keeps its room: no allocation per line
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                m_text += m_separator;
            m_text += m_encode(fields[i]);
        }
        // RFC 4180 ends lines with CR LF; tab-separated text with LF.
        m_text += m_separator == ',' ? "\r\n" : "\n";
        m_output.write(m_text);
    }

private:
    QByteArray m_text;
    Output &m_output;
    char m_separator;
    QByteArray (*m_encode)(const QByteArray &);
};

// Columns aligned over blocks of lines: memory stays bounded however many
// lines come, and a column only ever widens, so later blocks line up with
// earlier ones unless a longer field arrives.
class TableWriter : public LineWriter
{
public:
    TableWriter(Output &output, QList<bool> rightAligned) : m_output(output), m_right(std::move(rightAligned)) {}
    ~TableWriter() override { finish(); }

    void line(const Fields &fields) override
    {
        Fields cells;
        for (const QByteArray &field : fields)
            cells.append(FieldCodec::table(field));
        m_widths.resize(std::max(m_widths.size(), std::size_t(cells.size())), 0);
        for (qsizetype i = 0; i < cells.size(); ++i)
            m_widths[std::size_t(i)] = std::max(m_widths[std::size_t(i)], FieldCodec::width(cells[i]));
        m_pending.push_back(std::move(cells));
        if (m_pending.size() >= kBlock)
            finish();
    }

    void finish() override
    {
        for (const Fields &cells : m_pending) {
            QByteArray text;
            for (qsizetype i = 0; i < cells.size(); ++i) {
                const QByteArray padding(m_widths[std::size_t(i)] - FieldCodec::width(cells[i]), ' ');
                const bool right = m_right.value(i, false);
                if (i > 0)
                    text += "  ";
                if (right)
                    text += padding + cells[i];
                else
                    text += cells[i] + (i + 1 < cells.size() ? padding : QByteArray());
            }
            while (text.endsWith(' ')) // an empty last column
                text.chop(1);
            m_output.write(text + '\n');
        }
        m_pending.clear();
    }

private:
    static constexpr std::size_t kBlock = 256;
    Output &m_output;
    QList<bool> m_right;
    std::vector<int> m_widths;
    std::vector<Fields> m_pending;
};

} // namespace

std::unique_ptr<LineWriter> LineWriter::create(OutputFormat format, Output &output, QList<bool> rightAligned)
{
    switch (format) {
    case OutputFormat::Table:
        return std::make_unique<TableWriter>(output, std::move(rightAligned));
    case OutputFormat::Csv:
        return std::make_unique<DelimitedWriter>(output, ',', &FieldCodec::csv);
    case OutputFormat::Tsv:
    case OutputFormat::Jsonl: // not lines of fields: CountReport writes its records itself
        break;
    }
    return std::make_unique<DelimitedWriter>(output, '\t', &FieldCodec::tsv);
}
