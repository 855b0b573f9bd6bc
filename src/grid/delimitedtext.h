#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

// The grid's delimited-text form: cells joined by the column separator, each
// row ended by the row separator. A cell holding a separator, the quote
// character, CR or LF is quoted (inner quotes doubled); any other cell is
// written as it stands, so reading back gives every cell exactly.
namespace DelimitedText {

struct Separators
{
    QChar column = u'\t';
    QChar row = u'\r';

    // "" gives tab and CR; the first character is the column separator, the
    // second the row separator; a missing one keeps its default.
    static Separators fromString(const QString &text);
    // Two different characters that stand alone in the file's bytes: a
    // surrogate cannot (a raw-byte one would merge with a neighbouring byte).
    bool isUsable() const { return column != row && !column.isSurrogate() && !row.isSurrogate(); }
    QChar quote() const; // '"', or another mark when a separator is '"'
};

void appendCell(QString &out, QStringView cell, const Separators &separators);

// Every row's cells joined by the column separator, quoted as appendCell
// does, each row ended by `rowEnd`.
QString joinRows(const QList<QStringList> &rows, const Separators &separators, QStringView rowEnd);

// Calls `onRow` with the cells of every row, in order. A row separator CR
// followed by LF counts as one separator.
void parse(QStringView text, const Separators &separators,
           const std::function<void(const QStringList &)> &onRow);

// UTF-8 that keeps every string exactly: U+DC80..U+DCFF standing alone are
// the raw bytes 0x80..0xFF (as file names carry them); other lone surrogates
// use their three-byte form. Invalid bytes decode as U+DC80..U+DCFF.
QByteArray encode(QStringView text);
QString decode(const QByteArray &bytes);

} // namespace DelimitedText
