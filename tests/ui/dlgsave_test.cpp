#include "export/exportrules.h"
#include "support/fakeprompts.h"
#include "ui/dlgsave.h"
#include "ui/foldertree.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace ExportRules;
using TestSupport::FakePrompts;

class DlgSaveTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakePrompts m_prompts;
    std::unique_ptr<dlgSave> m_dialog;

    dlgSave &openAt(const QString &exportLocation)
    {
        m_dialog = std::make_unique<dlgSave>(exportLocation, m_prompts);
        return *m_dialog;
    }
    static bool separatorShown(const dlgSave &d)
    {
        return d.lblDelimeter->isVisibleTo(&d) && d.txtColSaperator->isVisibleTo(&d);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_prompts.shown.clear();
    }
    void cleanup() { m_dialog.reset(); }

    void opensWithDefaults()
    {
        const QDate before = QDate::currentDate();
        dlgSave &d = openAt(m_dir.path());
        const QDate after = QDate::currentDate();
        QCOMPARE(d.windowTitle(), QStringLiteral("Export"));
        QCOMPARE(d.FileName(), QString());
        QCOMPARE(d.ColumnSaperator(), QString());
        QCOMPARE(d.ftvFolder->selectedFolder(), m_dir.path());
        QVERIFY(d.txtFileName->text() == defaultFileName(before) ||
                d.txtFileName->text() == defaultFileName(after));
        QCOMPARE(d.txtFileName->maxLength(), 255);
        QCOMPARE(d.txtColSaperator->text(), QStringLiteral(","));
        QCOMPARE(d.txtColSaperator->maxLength(), 1);
        QStringList entries;
        for (int i = 0; i < d.cmbFileType->count(); ++i)
            entries << d.cmbFileType->itemText(i);
        QCOMPARE(entries, fileTypeEntries());
        QCOMPARE(d.cmbFileType->currentIndex(), 0);
        QVERIFY(!d.cmbFileType->isEditable());
        QVERIFY(separatorShown(d));
        QCOMPARE(d.lblDelimeter->text(), QStringLiteral("Column Saperator"));
        QVERIFY(d.cmdSave->isDefault());
        const int dpi = widgetDpi(&d);
        QCOMPARE(d.size(), QSize(twipsToPixels(7230, dpi), twipsToPixels(5295, dpi)));
        QCOMPARE(d.minimumSize(), d.maximumSize());
    }

    void startFolder_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::newRow("empty") << "";
        QTest::newRow("only spaces") << "    ";
        QTest::newRow("folder gone") << "/no/such/folder/here";
        QTest::newRow("a foreign drive path") << "C:\\";
    }
    void startFolder()
    {
        QFETCH(QString, setting);
        QCOMPARE(openAt(setting).ftvFolder->selectedFolder(), QDir::homePath());
    }

    void refusedCharactersAreNotTyped()
    {
        dlgSave &d = openAt(m_dir.path());
        d.txtFileName->clear();
        QTest::keyClicks(d.txtFileName, QStringLiteral("a|b\\c?d>e<f:g/h*i\"j.k l"));
        QCOMPARE(d.txtFileName->text(), QStringLiteral("abcdefghij.k l"));
        // Pasted text is not filtered.
        d.txtFileName->insert(QStringLiteral(":*"));
        QCOMPARE(d.txtFileName->text(), QStringLiteral("abcdefghij.k l:*"));
    }

    void typeSwitchingKeepsTheSeparator()
    {
        dlgSave &d = openAt(m_dir.path());
        d.txtColSaperator->setText(QStringLiteral("|"));
        const QList<QPair<int, bool>> steps = {
            {ExcelWorksheet, false}, {WordDocument, true}, {CsvFile, false}, {TextDocument, true}};
        for (const auto &[type, shown] : steps) {
            d.cmbFileType->setCurrentIndex(type);
            QCOMPARE(separatorShown(d), shown);
            QCOMPARE(d.lblDelimeter->isVisibleTo(&d), d.txtColSaperator->isVisibleTo(&d));
            QCOMPARE(d.txtColSaperator->text(), QStringLiteral("|"));
        }
    }

    void checksKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("message");
        const QString noName = QStringLiteral("File Name must be specified.");
        const QString noSeparator = QStringLiteral("Column Saperator must be specified.");
        QTest::newRow("empty name") << "" << int(TextDocument) << "," << noName;
        QTest::newRow("text, separator cleared") << "r" << int(TextDocument) << "" << noSeparator;
    }
    void checksKeepTheDialogOpen()
    {
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(QString, separator);
        dlgSave &d = openAt(m_dir.path());
        d.txtFileName->setText(name);
        d.cmbFileType->setCurrentIndex(type);
        d.txtColSaperator->setText(separator);
        d.open();
        QTest::mouseClick(d.cmdSave, Qt::LeftButton);
        QCOMPARE(m_prompts.shown.size(), 1);
        QTEST(m_prompts.shown.first().text, "message");
        QCOMPARE(m_prompts.shown.first().icon, Prompts::Icon::Information);
        QVERIFY(d.isVisible());
        QCOMPARE(d.FileName(), QString());
        QCOMPARE(d.txtFileName->text(), name);
        QCOMPARE(d.txtColSaperator->text(), separator);
        QCOMPARE(d.cmbFileType->currentIndex(), type);
    }

    void saveBuildsThePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("separator");
        QTest::newRow("text, own extension") << "report.txt" << int(TextDocument) << ","
                                             << "report.txt"
                                             << ",";
        QTest::newRow("Word keeps .old") << "report.old" << int(WordDocument) << "|"
                                         << "report.old.doc"
                                         << "|";
        QTest::newRow("Excel ignores the box") << "report" << int(ExcelWorksheet) << ";"
                                               << "report.xls"
                                               << "";
        QTest::newRow("CSV with the box empty") << "r.csv" << int(CsvFile) << ""
                                                << "r.csv"
                                                << "";
        QTest::newRow("name of spaces") << "  " << int(TextDocument) << ","
                                        << "  .txt"
                                        << ",";
    }
    void saveBuildsThePath()
    {
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, file);
        dlgSave &d = openAt(m_dir.path());
        d.txtFileName->setText(name);
        d.cmbFileType->setCurrentIndex(type);
        d.txtColSaperator->setText(typed);
        d.open();
        QTest::keyClick(d.ftvFolder->view(), Qt::Key_Return); // Enter is Save, even from the tree
        QVERIFY(m_prompts.shown.isEmpty());
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.FileName(), m_dir.filePath(file));
        QTEST(d.ColumnSaperator(), "separator");
    }

    void cancelling_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("Cancel button") << "button"
                                       << "//Cancelled//";
        QTest::newRow("Escape") << "escape"
                                << "//Cancelled//";
        QTest::newRow("close box") << "close"
                                   << "";
    }
    void cancelling()
    {
        QFETCH(QString, how);
        dlgSave &d = openAt(m_dir.path());
        d.open();
        if (how == u"button")
            QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
        else if (how == u"escape")
            QTest::keyClick(d.txtFileName, Qt::Key_Escape);
        else
            d.close();
        QVERIFY(!d.isVisible());
        QTEST(d.FileName(), "fileName");
        QCOMPARE(d.ColumnSaperator(), QString());
        QVERIFY(m_prompts.shown.isEmpty());
    }

    void enteringABoxSelectsItsText()
    {
        dlgSave &d = openAt(m_dir.path());
        for (QLineEdit *box : {d.txtFileName, d.txtColSaperator}) {
            box->deselect();
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(box, &focusIn);
            QTRY_COMPARE(box->selectedText(), box->text());
            QCOMPARE(box->selectionStart(), 0);
        }
    }

    void runIsModalAndReportsTheChoice()
    {
        QTimer::singleShot(0, [] {
            auto *d = qobject_cast<dlgSave *>(QApplication::activeModalWidget());
            QVERIFY(d && d->isModal());
            d->txtFileName->setText(QStringLiteral("list"));
            d->cmbFileType->setCurrentIndex(WordDocument);
            d->txtColSaperator->setText(QStringLiteral(";"));
            d->cmdSave->click();
        });
        const ExportChoice choice = dlgSave::run(nullptr, m_dir.path(), m_prompts);
        QCOMPARE(choice.fileName, m_dir.filePath(QStringLiteral("list.doc")));
        QCOMPARE(choice.columnSeparator, QStringLiteral(";"));
    }
};

QTEST_MAIN(DlgSaveTest)
#include "dlgsave_test.moc"
