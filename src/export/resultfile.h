#pragma once

#include "search/criteria.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;

// A search's results as a file a program can read back: JSON Lines, one
// object a line. First what was searched, then one record per file in the
// order they were found, last an end record with the counts, so a file cut
// off anywhere (even between two lines) is told from a whole one. Several
// start folders give several searches, one after the other. Names are
// written as UTF-8; a byte of a name that is not UTF-8 is written \udcXX
// (see PathCodec), so it reads back as the same text the window would show.
//
//   {"brimfold_results":1,"host":"scan01","start_folder":"/srv/scans","subfolders":true,
//    "searched":[["Start folder","/srv/scans"],["Pattern","*.tif"]],"started":"2026-12-01T06:00:00+01:00",
//    "program":"Brimfold 2.0 Build 9"}
//   {"folder":"/srv/scans/acme","name":"a.tif","size":1234,"modified":"2026-11-03T10:00:00+01:00","pages":3,"worth":"…"}
//   {"folder":"/srv/scans/acme","name":"b.tif","size":99,"modified":"…","pages":null,"reason":"Not a TIFF file"}
//   {"end":true,"files":2,"pages":3,"unreadable":1,"cancelled":false}
namespace ResultFile {

// The format's version; a reader refuses a file of a later one.
constexpr int kVersion = 1;

// What was searched, where and when: the first record.
struct Source
{
    QString host;
    QString startFolder;
    bool subfolders = false;
    QList<CriteriaLine> searched; // the criteria's rules in words
    QDateTime started;
    QString program;
    // From the end record.
    bool cancelled = false;
    qint64 files = 0;
};

// One file's record, as read back.
struct Record
{
    QString folder;
    QString name;
    qint64 size = 0;
    QString modified; // ISO 8601 with its offset, as written
    int pages = -1;   // -1: could not be counted
    QString reason;   // why, when it could not
    QString worth;    // what the pages are worth (PageBreakdown's key)
};

// One file's record, as written: the folder and name as their exact bytes.
struct FileFields
{
    QByteArrayView folder;
    QByteArrayView name;
    qint64 size = 0;
    QByteArrayView modified;
    int pages = -1;
    QStringView reason;
    QStringView worth;
};

QByteArray sourceLine(const Source &source);
// Appends the record and its line break to `out` (reused from line to line).
void appendFileLine(QByteArray &out, const FileFields &file);
QByteArray endLine(qint64 files, qint64 pages, qint64 unreadable, bool cancelled);

// What a reader is handed, in the file's order: a search's source (before
// its files), each file, then the source again with its end record's facts.
// A file may hold several searches one after another (several start folders).
struct Handlers
{
    std::function<void(const Source &)> source;
    std::function<void(Record &&)> file;
    std::function<void(const Source &)> end;
};

// Reads a result file. False on anything but whole searches of this or an
// earlier version, with `error` naming the line: "NAME:LINE: why".
bool read(QIODevice &in, const QString &name, const Handlers &handlers, QString &error);

} // namespace ResultFile
