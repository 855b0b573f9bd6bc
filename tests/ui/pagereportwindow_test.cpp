// The page report window: its narrowing to the selection, its own lines in
// the settings file, and a save that fails.
#include "results/resultcolumns.h"
#include "support/filesizelimit.h"
#include "support/loadedwindow.h"
#include "support/tempfiles.h"
#include "ui/pagereportwindow.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

class PageReportWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reportFollowsTheSelectionAndKeepsItsLines()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Settings.ini"));
        writeFile(ini, "[General]\r\nStartupFolder=/scans\r\n");
        LoadedWindow loaded(ini);
        for (int file = 0; file < 4; ++file) {
            QStringList cells(ResultColumns::Count);
            cells[ResultColumns::Location] = QStringLiteral("/scans/%1").arg(file % 2);
            cells[ResultColumns::Pages] = QString::number(file + 1);
            loaded.files().appendRow(cells);
        }
        loaded.files().setRowSelected(1, true);
        loaded.window->mnuPageReport->trigger();
        PageReportWindow *window = loaded.window->pageReportWindow();
        auto *selectedOnly = window->findChild<QCheckBox *>();
        QVERIFY(!selectedOnly->isVisibleTo(window)); // one selected row narrows nothing
        QCOMPARE(window->report().all.pages, 10);

        loaded.files().setRowSelected(4, true);
        loaded.window->mnuPageReport->trigger();
        QVERIFY(selectedOnly->isVisibleTo(window));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto parts = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (const QWidget *a : parts) // each has a place of its own
            for (const QWidget *b : parts)
                QVERIFY2(a == b || !a->isVisible() || !b->isVisible() || !a->geometry().intersects(b->geometry()),
                         qPrintable(QString::fromLatin1(a->metaObject()->className()) + u' ' + b->objectName()));
        selectedOnly->setChecked(true);
        QCOMPARE(window->report().all.pages, 1 + 4);
        QCOMPARE(window->report().folders.size(), size_t(2));
        QVERIFY(window->report().selectedOnly); // the report says so

        // The lines are kept in a section of their own: the settings still read.
        const auto edits = window->findChildren<QLineEdit *>();
        edits[0]->setText(QStringLiteral("Acme Records"));
        Q_EMIT edits[0]->editingFinished();
        edits[1]->setText(QStringLiteral("Job 42")); // only the reference changes now
        Q_EMIT edits[1]->editingFinished();
        QCOMPARE(window->report().heading.reference, QStringLiteral("Job 42"));
        auto *status = window->findChild<QLabel *>(QStringLiteral("status"));
        QCOMPARE(status->text(), QString());
        PageReportWindow again(loaded.files(), [] { return SearchRecord{}; }, ini);
        QCOMPARE(again.report().heading.organisation, QStringLiteral("Acme Records"));
        QCOMPARE(again.report().heading.reference, QStringLiteral("Job 42"));
        SettingsStore settings(ini);
        QVERIFY(settings.ReadSettings());
        QCOMPARE(settings.record().startupFolder, QStringLiteral("/scans"));
        { // a settings file that cannot take the lines: the window says so
            FileSizeLimit full(16);
            edits[1]->setText(QStringLiteral("Job 43"));
            Q_EMIT edits[1]->editingFinished();
        }
        QVERIFY2(status->text().startsWith(QStringLiteral("Could not save")), qPrintable(status->text()));

        // Save PDF writes where the user chose; a save that cannot be written
        // in full keeps the old file.
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        window->choosePdfFile = [&](QWidget *) { return pdf; };
        for (QPushButton *button : window->findChildren<QPushButton *>())
            if (button->text().startsWith(QStringLiteral("Save PDF")))
                button->click();
        const QByteArray saved = readFile(pdf);
        QVERIFY(saved.startsWith("%PDF"));
        {
            FileSizeLimit full(2048);
            QVERIFY(full.ok());
            QVERIFY(!window->savePdf(pdf));
        }
        QCOMPARE(readFile(pdf), saved);

        // Pages of a longer report, each way, each button only where it leads somewhere.
        for (int file = 0; file < 200; ++file) {
            QStringList cells(ResultColumns::Count);
            cells[ResultColumns::Location] = QStringLiteral("/scans/long/%1").arg(file);
            loaded.files().appendRow(cells);
        }
        selectedOnly->setChecked(false);
        QMap<QString, QPushButton *> buttons;
        for (QPushButton *button : window->findChildren<QPushButton *>())
            buttons[button->text()] = button;
        for (const auto &[click, page, previous, next] :
             {std::tuple{"", 0, false, true}, {"Next >", 1, true, true}, {"< Previous", 0, false, true}}) {
            if (*click)
                buttons[QString::fromLatin1(click)]->click();
            QCOMPARE(window->previewPage(), page);
            QCOMPARE(buttons[QStringLiteral("< Previous")]->isEnabled(), previous);
            QCOMPARE(buttons[QStringLiteral("Next >")]->isEnabled(), next);
        }
        QVERIFY(buttons.value(QStringLiteral("Close")));
        buttons[QStringLiteral("Close")]->click();
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(PageReportWindowTest)
#include "pagereportwindow_test.moc"
