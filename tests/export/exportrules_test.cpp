#include "export/exportrules.h"

#include <QTest>

using namespace ExportRules;

class ExportRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typesInListOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("takesSeparator");
        QTest::newRow("text") << 0 << "Text Document (*.txt)"
                              << "txt" << true;
        QTest::newRow("excel") << 1 << "Excel Worksheet (*.xls)"
                               << "xls" << false;
        QTest::newRow("word") << 2 << "Word Document (*.doc)"
                              << "doc" << true;
        QTest::newRow("csv") << 3 << "CSV File (*.csv)"
                             << "csv" << false;
    }
    void typesInListOrder()
    {
        QFETCH(int, index);
        QFETCH(QString, entry);
        QCOMPARE(fileTypeEntries().size(), 4);
        QCOMPARE(fileTypeEntries().at(index), entry);
        QTEST(FileTypeExtension(entry), "extension");
        QTEST(typeTakesSeparator(entry), "takesSeparator");
    }

    void refusedNameCharacters_data()
    {
        QTest::addColumn<QChar>("c");
        QTest::addColumn<bool>("refused");
        const QString refused = QStringLiteral("|\\?><:/*\"");
        for (QChar c : refused)
            QTest::addRow("refused %c", c.toLatin1()) << c << true;
        for (QChar c : QStringLiteral(".- _',;%$#@!~()[]{}a0\t"))
            QTest::addRow("allowed U+%04X", c.unicode()) << c << false;
        QTest::newRow("allowed non-ASCII") << QChar(0x00E9) << false;
    }
    void refusedNameCharacters()
    {
        QFETCH(QChar, c);
        QTEST(IsFileNameCharRefused(c), "refused");
    }

    void defaultName_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("name");
        QTest::newRow("padded month and day") << QDate(2026, 12, 6) << "2026_12_06_Data";
        QTest::newRow("two-digit month and day") << QDate(2004, 11, 23) << "2004_11_23_Data";
        QTest::newRow("four-digit year below 1000") << QDate(987, 1, 2) << "0987_01_02_Data";
    }
    void defaultName()
    {
        QFETCH(QDate, today);
        QTEST(defaultFileName(today), "name");
    }

    void startFolder_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty") << ""
                               << "/home/u";
        QTest::newRow("only spaces") << "   "
                                     << "/home/u";
        QTest::newRow("a tab is not a space") << "\t"
                                              << "\t";
        QTest::newRow("folder") << "/srv/out"
                                << "/srv/out";
        QTest::newRow("spaces kept around a folder") << " /srv/out "
                                                     << " /srv/out ";
    }
    void startFolder()
    {
        QFETCH(QString, setting);
        QTEST(exportStartFolder(setting, QStringLiteral("/home/u")), "folder");
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("separatorShown");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("message");
        const QString noName = QStringLiteral("File Name must be specified.");
        const QString noSeparator = QStringLiteral("Column Saperator must be specified.");
        QTest::newRow("name and separator") << "a" << true << ","
                                            << "";
        QTest::newRow("empty name") << "" << true << "," << noName;
        QTest::newRow("empty name is reported first") << "" << true << "" << noName;
        QTest::newRow("name of spaces passes") << "  " << true << ","
                                               << "";
        QTest::newRow("shown separator empty") << "a" << true << "" << noSeparator;
        QTest::newRow("hidden separator empty") << "a" << false << ""
                                                << "";
    }
    void validation()
    {
        QFETCH(QString, name);
        QFETCH(bool, separatorShown);
        QFETCH(QString, separator);
        QTEST(ValidateExportInput(name, separatorShown, separator), "message");
    }

    void extensionRule_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain name") << "/out"
                                    << "report"
                                    << "txt"
                                    << "/out/report.txt";
        QTest::newRow("own extension not doubled") << "/out"
                                                   << "report.txt"
                                                   << "txt"
                                                   << "/out/report.txt";
        QTest::newRow("other case gets it appended") << "/out"
                                                     << "report.TXT"
                                                     << "txt"
                                                     << "/out/report.TXT.txt";
        QTest::newRow("other extension kept") << "/out"
                                              << "report.csv"
                                              << "txt"
                                              << "/out/report.csv.txt";
        QTest::newRow("old name, Word type") << "/out"
                                             << "report.old"
                                             << "doc"
                                             << "/out/report.old.doc";
        QTest::newRow("no dot before the letters") << "/out"
                                                   << "reporttxt"
                                                   << "txt"
                                                   << "/out/reporttxt.txt";
        QTest::newRow("only the extension") << "/out"
                                            << ".csv"
                                            << "csv"
                                            << "/out/.csv";
        QTest::newRow("root folder") << "/"
                                     << "report"
                                     << "xls"
                                     << "/report.xls";
        QTest::newRow("spaces kept") << "/out"
                                     << " r "
                                     << "doc"
                                     << "/out/ r .doc";
    }
    void extensionRule()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, extension);
        QTEST(exportFilePath(folder, name, extension), "path");
    }
};

QTEST_GUILESS_MAIN(ExportRulesTest)
#include "exportrules_test.moc"
