#pragma once

#include <QByteArray>
#include <QList>

#include <memory>

class Output;

enum class OutputFormat { Table, Csv, Tsv, Jsonl }; // Jsonl: a result file (export/resultfile.h)

// Lines of fields in one output format. The first line written is the header.
class LineWriter
{
public:
    using Fields = QList<QByteArray>;
    virtual ~LineWriter() = default;
    virtual void line(const Fields &fields) = 0;
    // Writes what a format holds back (the table's pending lines).
    virtual void finish() {}

    // `rightAligned`: the table's columns aligned right (numbers); ignored
    // by the other formats.
    static std::unique_ptr<LineWriter> create(OutputFormat format, Output &output,
                                              QList<bool> rightAligned = {});
};
