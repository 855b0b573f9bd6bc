#include "base/pathcodec.h"
#include "export/resultfile.h"

#include <QBuffer>
#include <QTest>
#include <QTimeZone>

namespace {

bool readBack(const QByteArray &bytes, ResultFile::Source &source, QList<ResultFile::Record> &records,
              QString &error, const QString &name = QStringLiteral("r.jsonl"))
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    const ResultFile::Handlers handlers{[](const ResultFile::Source &) {},
                                        [&](ResultFile::Record &&r) { records << r; },
                                        [&](const ResultFile::Source &s) { source = s; }};
    return ResultFile::read(in, name, handlers, error);
}

// Like a pipe with nothing in it: its end shows only when it is read.
struct EmptyPipe : QIODevice
{
    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

} // namespace

class ResultFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Names of any bytes, failures and what pages are worth come back as written.
    void readsBackWhatWasWritten()
    {
        const QByteArray folder = "/srv/scans/acme \xff\"\\";
        const QByteArray names[] = {"\xef\xbb\xbf" "a\tb\nc\r.tif", "\xe6\x97\xa5\xf0\x9f\x93\x84 \xc3(\x01\x1f\x7f\xc0\xaf\xe0\x80\xaf\xed\xa0\x80\xe6\x97" "A\xc2\xa9.tif"};
        ResultFile::Source source{QStringLiteral("scan01"), PathCodec::decode(folder), true,
                                  {{QStringLiteral("Pattern"), QStringLiteral("*.tif \"x\"")}},
                                  QDateTime(QDate(2026, 12, 1), QTime(6, 0), QTimeZone(3600)),
                                  QStringLiteral("Brimfold 2.0")};
        QByteArray file = ResultFile::sourceLine(source);
        ResultFile::appendFileLine(file, {folder, names[0], 1234, "2026-11-03T10:00:00+01:00", 3, {}, u"k1"});
        ResultFile::appendFileLine(file, {folder, names[1], 7, "", -1, u"Not a TIFF file", {}});
        file += ResultFile::endLine(2, 3, 1, true);
        QVERIFY(file.contains("\\udce6\\udc97A\xc2\xa9")); // UTF-8 as it is, the rest escaped

        ResultFile::Source read;
        QList<ResultFile::Record> records;
        QString error;
        QVERIFY2(readBack(file, read, records, error), qPrintable(error));
        QCOMPARE(read.host, source.host);
        QCOMPARE(read.startFolder, source.startFolder);
        QVERIFY(read.subfolders && read.cancelled);
        QCOMPARE(read.searched.value(0).text, source.searched[0].text);
        QCOMPARE(read.started, source.started);
        QCOMPARE(read.program, source.program);
        QCOMPARE(records.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(PathCodec::encode(records[i].folder), folder);
            QCOMPARE(PathCodec::encode(records[i].name), names[i]);
        }
        QCOMPARE(records[0].size, 1234);
        QCOMPARE(records[0].modified, QStringLiteral("2026-11-03T10:00:00+01:00"));
        QCOMPARE(records[0].pages, 3);
        QCOMPARE(records[0].worth, QStringLiteral("k1"));
        QCOMPARE(records[1].pages, -1);
        QCOMPARE(records[1].reason, QStringLiteral("Not a TIFF file"));
        // Spaces a person or another tool puts between the parts are JSON too.
        records.clear();
        QVERIFY2(readBack("{ \"brimfold_results\" : 1 }\n{\t\"name\" :\r\"b\" , \"pages\" : 2 }\n{\"end\":true,\"files\":1}\n",
                          read, records, error), qPrintable(error));
        QCOMPARE(records.value(0).name, QStringLiteral("b"));
        // A refusal names the file as it is, "%" and all.
        QVERIFY(!readBack("", read, records, error, QStringLiteral("%2%1.jsonl")));
        QCOMPARE(error, QStringLiteral("%2%1.jsonl:0: the file is empty"));
        EmptyPipe pipe;
        pipe.open(QIODevice::ReadOnly);
        QVERIFY(!ResultFile::read(pipe, QStringLiteral("-"), {}, error));
        QCOMPARE(error, QStringLiteral("-:0: the file is empty"));
    }
};

QTEST_MAIN(ResultFileTest)
#include "resultfile_test.moc"
