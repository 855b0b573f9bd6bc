#include "ui/captionroom.h"

#include "support/loadedwindow.h"
#include "ui/dlgpreferences.h"
#include "ui/dlgpreferences_swatch.h"
#include "ui/gridview.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

const QString kLong = QStringLiteral("A caption far longer than its place");

template <typename W> W *place(QWidget *parent, W *widget, int x, int width, int y = 10)
{
    widget->setParent(parent);
    widget->setGeometry(x, y, width, 20);
    return widget;
}

// Room for the whole caption: a label's or box's size hint, a push button's text inside its margin.
bool fits(const QWidget *w)
{
    if (auto *push = qobject_cast<const QPushButton *>(w))
        return w->width() >=
               w->fontMetrics().horizontalAdvance(QString(push->text()).remove(u'&')) +
                   w->style()->pixelMetric(QStyle::PM_ButtonMargin);
    return !(qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)) ||
           w->width() >= w->sizeHint().width();
}

// Every text but "&Cancel" three times as long, the results' captions four.
struct WordyTranslator : QTranslator
{
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        const QString source = QString::fromUtf8(text);
        return source == QLatin1String("&Cancel")
                   ? source
                   : source.repeated(qstrcmp(context, "ResultColumns") ? 3 : 4);
    }
};

} // namespace

class CaptionRoomTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionTakesTheWidthATextBoxCanSpare()
    {
        QWidget box;
        box.resize(400, 60);
        QLabel *caption = place(&box, new QLabel(kLong), 10, 40);
        auto *edit = place(&box, new QLineEdit, 54, 330);
        auto *below = place(&box, new QLineEdit, 54, 330, 29); // a row below, touching
        QCOMPARE(CaptionRoom::makeRoom(&box), 400);
        QVERIFY(fits(caption));
        QVERIFY(edit->x() > caption->geometry().right());
        QCOMPARE(edit->geometry().right(), 383);
        QCOMPARE(below->geometry(), QRect(54, 29, 330, 20));
    }

    void captionGrowsIntoTheFreeSpaceOnItsLeft()
    {
        QWidget box;
        box.resize(500, 60);
        auto *first = place(&box, new QPushButton(QStringLiteral("x")), 10, 20);
        QLabel *caption = place(&box, new QLabel(kLong), 350, 40);
        auto *named = place(&box, new QWidget, 394, 20);
        QCOMPARE(CaptionRoom::makeRoom(&box), 500);
        QVERIFY(fits(caption));
        QVERIFY(caption->x() > first->geometry().right());
        QCOMPARE(caption->geometry().right(), 389);
        QCOMPARE(named->x(), 394);
    }

    void fullRowMovesOnAndWidensItsContainer()
    {
        QWidget box;
        box.resize(200, 60);
        QLabel *caption = place(&box, new QLabel(QStringLiteral("to")), 10, 30);
        auto *edit = place(&box, new QLineEdit, 35, 40); // placed over the caption's end
        auto *button = place(&box, new QPushButton(QStringLiteral("...")), 170, 20);
        QCOMPARE(CaptionRoom::makeRoom(&box), 200); // a caption that fits moves nothing
        QCOMPARE(edit->x(), 35);
        caption->setText(kLong);
        CaptionRoom::fitFixedWindow(&box, {button});
        QVERIFY(fits(caption));
        QVERIFY(edit->x() > caption->geometry().right());
        QVERIFY(button->x() > edit->geometry().right());
        QCOMPARE(box.width(), button->geometry().right() + 1 + 10); // the right margin kept
    }

    // Every caption fits, what labels of a column name stays in line, the
    // buttons under the column grid stack when they cannot share a row, and
    // OK and Cancel stay at the widened dialog's right.
    void preferencesMakeRoomForLongerCaptions()
    {
        WordyTranslator wordy;
        QCoreApplication::installTranslator(&wordy);
        QTemporaryDir dir;
        TestSupport::LoadedWindow loaded(dir.filePath(QStringLiteral("Settings.ini")));
        dlgPreferences dialog(loaded.settings, *loaded.window);
        QCoreApplication::removeTranslator(&wordy);
        QRect above = dialog.vsColumnSettings->geometry();
        for (const QPushButton *button :
             {dialog.cmdSelectAll, dialog.cmdDeselectAll, dialog.cmdInvertSelection}) {
            QVERIFY(button->y() > above.bottom());
            QVERIFY(button->geometry().right() < dialog.fmeColumnSettings->width());
            above = button->geometry();
        }
        for (const QWidget *control : dialog.findChildren<QWidget *>())
            QVERIFY2(fits(control), qPrintable(control->objectName()));
        QCOMPARE(dialog.shpGridForeColor->x(), dialog.shpGridBackColor->x()); // labels of a column
        QCOMPARE(dialog.txtStartUpFolder->x(), dialog.txtExportLocation->x());
        const GridModel *columns =
            dialog.columnSettingsModel(); // names as the results' header shows them
        QCOMPARE(columns->text(1, dlgPreferences::ColName),
                 QStringLiteral("File Name").repeated(4));
        const QFontMetrics metrics = dialog.vsColumnSettings->fontMetrics();
        for (int row = 1; row < columns->rows(); ++row)
            QVERIFY(dialog.vsColumnSettings->columnWidth(dlgPreferences::ColName) >
                    metrics.horizontalAdvance(columns->text(row, dlgPreferences::ColName)));
        const int dpi = widgetDpi(&dialog);
        QVERIFY(dialog.width() > twipsToPixels(9120, dpi));
        QVERIFY(qAbs(dialog.width() - dialog.cmdCancel->geometry().right() - 1 -
                     twipsToPixels(75, dpi)) <= 1);
    }
};

QTEST_MAIN(CaptionRoomTest)
#include "captionroom_test.moc"
