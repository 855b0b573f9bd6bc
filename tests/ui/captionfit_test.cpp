#include "settings/settings.h"
#include "support/fakeprompts.h"
#include "support/testservices.h"
#include "ui/dlgabout.h"
#include "ui/dlgpreferences.h"
#include "ui/dlgsave.h"
#include "ui/frmmain.h"
#include "ui/twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every cut caption among `top` and its children: "name 'caption' needs N px, has M".
QStringList cutCaptions(const QWidget *top)
{
    QStringList cut;
    for (const QWidget *w : top->findChildren<QWidget *>()) {
        QString text;
        int needed = 0, has = w->width();
        if (auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty()) {
            text = label->text();
            needed = label->wordWrap() ? label->heightForWidth(has) : label->sizeHint().width();
            has = label->wordWrap() ? label->height() : has;
        } else if (auto *button = qobject_cast<const QAbstractButton *>(w)) {
            // A push button centres its caption inside its margins; a check
            // box or radio button draws it right of its indicator.
            text = button->text();
            QStyleOptionButton option;
            option.initFrom(w);
            const auto contents = qobject_cast<const QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                                        : QStyle::SE_CheckBoxContents;
            needed = w->fontMetrics().horizontalAdvance(QString(text).remove(u'&'))
                     + (qobject_cast<const QPushButton *>(w)
                            ? w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w)
                            : w->style()->subElementRect(contents, &option, w).left());
        } else if (auto *box = qobject_cast<const QGroupBox *>(w); box && !box->title().isEmpty()) {
            text = box->title();
            needed = box->minimumSizeHint().width();
        }
        if (w->window() == top && !w->isHidden() && !text.isEmpty() && needed > has)
            cut << QStringLiteral("%1 '%2' needs %3 px, has %4")
                       .arg(w->objectName(), text).arg(needed).arg(has);
    }
    return cut;
}

} // namespace

class CaptionFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A desktop font of any usual size leaves every caption whole; run at scale 1 and 2.
    void captionsFit_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        const QStringList families{Twips::designFont().family(), QStringLiteral("DejaVu Sans")};
        for (const QString &family : families)
            for (double points : {8.0, 8.25, 9.0, 10.0, 11.0, 12.0})
                QTest::addRow("%s %.2f pt", qPrintable(family), points) << family << points;
    }
    void captionsFit()
    {
        QFETCH(QString, family);
        QFETCH(double, points);
        QFont font(family);
        font.setPointSizeF(points);
        QApplication::setFont(font);

        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("Settings.ini")));
        settings.ReadSettings();
        TestSupport::TestServices test = TestSupport::makeTestServices();
        frmMain window(settings, test.services);
        window.Form_Load();
        window.show();
        dlgPreferences preferences(settings, window);
        TestSupport::FakePrompts prompts;
        dlgSave save(dir.path(), prompts);
        dlgAbout about(test.services.desktop, test.services.prompts);

        QStringList cut;
        for (const QWidget *top : std::initializer_list<const QWidget *>{&window, &preferences, &save, &about})
            cut << cutCaptions(top);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(CaptionFitTest)
#include "captionfit_test.moc"
