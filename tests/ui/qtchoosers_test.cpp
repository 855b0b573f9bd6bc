#include "ui/qtchoosers.h"

#include <QTest>

class QtChoosersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filterInQtForm_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("background picture filter")
            << "Bitmap Image|*.bmp|JPEG Image|*.jpg|GIF Image|*.gif"
            << "Bitmap Image (*.bmp);;JPEG Image (*.jpg);;GIF Image (*.gif)";
        QTest::newRow("several patterns in one entry") << "Pictures|*.jpg;*.jpeg"
                                                       << "Pictures (*.jpg *.jpeg)";
        QTest::newRow("description without pattern dropped") << "Text|*.txt|Odd"
                                                             << "Text (*.txt)";
        QTest::newRow("empty") << ""
                               << "";
    }

    void filterInQtForm()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(QtChoosers::qtFilter(filter), expected);
    }
};

QTEST_MAIN(QtChoosersTest)
#include "qtchoosers_test.moc"
