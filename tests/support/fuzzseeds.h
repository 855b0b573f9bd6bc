#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Starting inputs for the fuzz targets in fuzz/, built with the same fixture
// builders the tests use. The fuzz script writes them out as seed corpora;
// the regression tests replay them.
namespace TestSupport {

struct FuzzSeed
{
    QString name; // says what the input is; usable as a file name
    QByteArray bytes;
};

// TIFF files: sound ones of every byte order and variant, and broken ones.
QList<FuzzSeed> pageCounterSeeds();
// Settings files: the program's own, and hostile ones.
QList<FuzzSeed> iniSeeds();
// Delimited text: the first two bytes pick the column and row separators
// (see fuzz/delimitedtext_fuzz.cpp), the rest is the text.
QList<FuzzSeed> delimitedTextSeeds();

// File names: UTF-8, bytes that are no UTF-8, byte-order marks.
QList<FuzzSeed> pathCodecSeeds();

// Every file of `folder` (none when it is missing), named by file name.
QList<FuzzSeed> filesIn(const QString &folder);

} // namespace TestSupport
