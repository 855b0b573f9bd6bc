#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// A program's help on a terminal of 80 columns: paragraphs, and options with
// their descriptions in one column, wrapped by the columns a terminal gives
// each character (two for the wide ones of Japanese, Chinese and Korean), so
// a translated help lines up as the English one does.
namespace HelpText {

// How many columns `text` takes on a terminal.
int columns(const QString &text);

// `text` in lines of at most `width` columns: broken at spaces, or between
// wide characters (a line starts with no closing mark and ends with no
// opening one); a word wider than a line stays whole.
QStringList wrapped(const QString &text, int width);

// `text` wrapped to the width of the help, each line ending in '\n'.
QString paragraph(const QString &text);

// An option (or argument) as the command line spells it, and what it does.
using Row = std::pair<QString, QString>;

// Two spaces after the widest of `rows`' left sides: where their
// descriptions start.
int descriptionColumn(const QList<Row> &rows);

// Each row on its own lines: its left side, then its description from
// `column` on, wrapped within the help's width.
QString rows(const QList<Row> &rows, int column);

} // namespace HelpText
