// The criteria controls: captions, lists and start values as the main window
// loads them, the number boxes' typing and focus rules, and the spinners.
#include "settings/settings.h"
#include "support/testservices.h"
#include "ui/advancedoptions.h"
#include "ui/frmmain.h"
#include "ui/numberbox.h"
#include "ui/searchbar.h"
#include "ui/updown.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {

QStringList items(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

QToolButton *arrow(UpDown *spinner, Qt::ArrowType type)
{
    for (QToolButton *button : spinner->findChildren<QToolButton *>())
        if (button->arrowType() == type)
            return button;
    return nullptr;
}

// Types `text` one character at a time, as a keyboard would deliver it
// (QTest's own typing takes Latin-1 only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const int key = c.isLetterOrNumber() && c.unicode() < 0x80 ? c.toUpper().unicode() : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// The lists' words in capitals, as another language would have them.
struct CapitalsTranslator : QTranslator
{
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        return qstrcmp(context, "CriteriaDefaults") ? QString() : QString::fromUtf8(text).toUpper();
    }
};

} // namespace

class CriteriaControlsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<frmMain> m_window;

    // A loaded main window, never shown: no first search runs.
    frmMain &window()
    {
        if (!m_window) {
            m_settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Settings.ini")));
            m_settings->ReadSettings();
            m_window = std::make_unique<frmMain>(*m_settings, TestSupport::makeTestServices().services);
            m_window->Form_Load();
        }
        return *m_window;
    }

    // A shown, active panel, so clicks and focus behave as for a user.
    static std::unique_ptr<AdvancedOptionsPanel> activePanel()
    {
        auto panel = std::make_unique<AdvancedOptionsPanel>();
        panel->fillLists();
        panel->setStartValues(QDate::currentDate());
        panel->show();
        QApplication::setActiveWindow(panel.get());
        if (!QTest::qWaitForWindowActive(panel.get()))
            qWarning("panel not active; focus checks may not apply");
        return panel;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(m_dir.isValid());
    }

    void cleanupTestCase() { m_window.reset(); }

    void captions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("include subfolders") << "chkSearchIncSubFlder" << "Include Subfolder";
        QTest::newRow("show hidden files") << "chkShowHidden" << "Show Hidden Files";
        QTest::newRow("search button") << "cmdSearch" << "&Search";
        QTest::newRow("filter label") << "lblFilter" << "Filter";
        QTest::newRow("date box") << "chkSearchByDate" << "Date";
        QTest::newRow("in the last") << "optInPeriod" << "in the last";
        QTest::newRow("date between") << "optBtnPeriod" << "between";
        QTest::newRow("size box") << "chkSearchBySize" << "Size";
        QTest::newRow("size at") << "optSizeAt" << "at";
        QTest::newRow("size between") << "optSizeBtn" << "between";
    }

    void captions()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        auto *widget = window().findChild<QWidget *>(control);
        QVERIFY2(widget, qPrintable(control));
        QCOMPARE(widget->property("text").toString(), caption);
    }

    void fixedLabelsStandBetweenTheBoxes()
    {
        QStringList texts;
        for (const QLabel *label : window().fmeAdvancedSearchOptions->findChildren<QLabel *>())
            texts.append(label->text());
        texts.sort();
        QCOMPARE(texts, (QStringList{"KB", "KB", "and", "to"}));
        QCOMPARE(window().fmeAdvancedSearchOptions->title(), QStringLiteral("Advance Search Options"));
    }

    void listsInOrder_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("selected");
        QTest::newRow("which date") << "cmbDateRangeType"
                                    << QStringList{"Files Created", "Files Modified", "Files Last Accessed"}
                                    << "Files Modified";
        QTest::newRow("period unit") << "cmbDateInPeriod" << QStringList{"Day(s)", "Month(s)"} << "Day(s)";
        QTest::newRow("least or most") << "cmbLeastMost" << QStringList{"Least", "Most"} << "Least";
        QTest::newRow("filter pattern") << "cmbFilterPattern" << QStringList{"*.tif,*.tiff"} << "*.tif,*.tiff";
    }

    void listsInOrder()
    {
        QFETCH(QString, box);
        QFETCH(QStringList, list);
        QFETCH(QString, selected);
        auto *combo = window().findChild<QComboBox *>(box);
        QVERIFY(combo);
        QCOMPARE(items(combo), list);
        QCOMPARE(combo->currentText(), selected);
        // Filling again empties first: no entry twice.
        window().fmeAdvancedSearchOptions->fillLists();
        window().fmeSearch->fillPatternList();
        QCOMPARE(items(combo), list);
    }

    // In another language the lists show its words, wide enough, and each
    // choice still stands for the value the criteria compare.
    void listsInAnotherLanguageStandForTheirValues()
    {
        CapitalsTranslator capitals;
        QCoreApplication::installTranslator(&capitals);
        AdvancedOptionsPanel panel;
        panel.fillLists();
        panel.setStartValues(QDate::currentDate());
        QCoreApplication::removeTranslator(&capitals);
        QCOMPARE(items(panel.cmbLeastMost), (QStringList{"LEAST", "MOST"}));
        for (const QComboBox *box : panel.findChildren<QComboBox *>()) // the longest words in view
            QVERIFY(box->width() >= box->sizeHint().width());
        QCOMPARE(AdvancedOptionsPanel::choice(panel.cmbDateRangeType), QStringLiteral("Files Modified"));
        QCOMPARE(AdvancedOptionsPanel::choice(panel.cmbDateInPeriod), QStringLiteral("Day(s)"));
    }

    void startValues()
    {
        const AdvancedOptionsPanel &panel = *window().fmeAdvancedSearchOptions;
        QVERIFY(!window().chkSearchIncSubFlder->isChecked());
        QVERIFY(!window().chkShowHidden->isChecked());
        QVERIFY(!panel.chkSearchByDate->isChecked());
        QVERIFY(panel.optBtnPeriod->isChecked());
        QVERIFY(!panel.optInPeriod->isChecked());
        QCOMPARE(panel.txtInPeriod->text(), QStringLiteral("1"));
        QCOMPARE(panel.dtpDateFrom->date(), QDate::currentDate().addMonths(-1));
        QCOMPARE(panel.dtpDateTo->date(), QDate::currentDate());
        QVERIFY(!panel.chkSearchBySize->isChecked());
        QVERIFY(panel.optSizeAt->isChecked());
        QVERIFY(!panel.optSizeBtn->isChecked());
        QCOMPARE(panel.txtSizeLeastMost->text(), QStringLiteral("0"));
        QCOMPARE(panel.txtSizeFrom->text(), QStringLiteral("0"));
        QCOMPARE(panel.txtSizeTo->text(), QStringLiteral("10"));
        // The Filter box and its label are never shown.
        QVERIFY(window().cmbFilterPattern->isHidden());
        QVERIFY(window().fmeSearch->lblFilter->isHidden());
        // No criterion control is ever disabled.
        for (const QWidget *child : panel.findChildren<QWidget *>())
            QVERIFY2(child->isEnabled(), qPrintable(child->objectName()));
    }

    void fromDateIsOneMonthBack_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("from");
        QTest::newRow("mid month") << QDate(2004, 3, 15) << QDate(2004, 2, 15);
        QTest::newRow("31 March, leap year") << QDate(2024, 3, 31) << QDate(2024, 2, 29);
        QTest::newRow("31 March") << QDate(2023, 3, 31) << QDate(2023, 2, 28);
        QTest::newRow("January") << QDate(2024, 1, 10) << QDate(2023, 12, 10);
    }

    void fromDateIsOneMonthBack()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, from);
        AdvancedOptionsPanel panel;
        panel.fillLists();
        panel.setStartValues(today);
        QCOMPARE(panel.dtpDateFrom->date(), from);
        QCOMPARE(panel.dtpDateTo->date(), today);
    }

    void datePickersKeepTheCentury()
    {
        auto panel = activePanel();
        QDateEdit *picker = panel->dtpDateFrom;
        picker->setDate(QDate(2024, 5, 17));
        picker->setFocus();
        picker->setSelectedSection(QDateTimeEdit::YearSection);
        // The year as shown (two digits with US settings) stays in this century.
        const bool twoDigits = !picker->displayFormat().contains(QStringLiteral("yyyy"));
        QTest::keyClicks(picker, twoDigits ? QStringLiteral("31") : QStringLiteral("2031"));
        QTest::keyClick(picker, Qt::Key_Tab);
        QCOMPARE(picker->date(), QDate(2031, 5, 17));
    }

    void focusSelectsAll_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("period count") << "txtInPeriod";
        QTest::newRow("size limit") << "txtSizeLeastMost";
        QTest::newRow("size from") << "txtSizeFrom";
        QTest::newRow("size to") << "txtSizeTo";
    }

    void focusSelectsAll()
    {
        QFETCH(QString, box);
        auto panel = activePanel();
        auto *number = panel->findChild<NumberBox *>(box);
        QVERIFY(number);
        number->setText(QStringLiteral("1234"));
        panel->chkSearchByDate->setFocus();
        QTRY_VERIFY(!number->hasFocus());
        // A click puts the cursor where it lands; the whole text still ends selected.
        QTest::mouseClick(number, Qt::LeftButton, {}, QPoint(4, number->height() / 2));
        QTRY_VERIFY(number->hasFocus());
        QTRY_COMPARE(number->selectedText(), QStringLiteral("1234"));
        // And by the keyboard, too.
        panel->chkSearchByDate->setFocus();
        number->deselect();
        number->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(number->selectedText(), QStringLiteral("1234"));
    }

    void typing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("period: digits kept") << "txtInPeriod" << "0123456789" << "0123456789";
        QTest::newRow("period: letters dropped") << "txtInPeriod" << "1a2B3" << "123";
        QTest::newRow("period: signs and spaces dropped") << "txtInPeriod" << "-4 +5.6" << "456";
        QTest::newRow("period: non-ASCII digit dropped") << "txtInPeriod" << QString::fromUtf8("7\u0663") << "7";
        QTest::newRow("size limit: any typing") << "txtSizeLeastMost" << "1a-2" << "1a-2";
        QTest::newRow("size from: any typing") << "txtSizeFrom" << " x9" << " x9";
        QTest::newRow("size to: any typing") << "txtSizeTo" << "10.5KB" << "10.5KB";
    }

    void typing()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        AdvancedOptionsPanel panel;
        auto *number = panel.findChild<NumberBox *>(box);
        QVERIFY(number);
        number->clear();
        typeText(number, typed);
        QCOMPARE(number->text(), expected);
    }

    void periodBoxKeepsEditingKeys()
    {
        AdvancedOptionsPanel panel;
        NumberBox *box = panel.txtInPeriod;
        box->clear();
        QTest::keyClicks(box, QStringLiteral("123"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("2"));
        box->selectAll(); // typing replaces a selection
        QTest::keyClicks(box, QStringLiteral("9"));
        QCOMPARE(box->text(), QStringLiteral("9"));
        QGuiApplication::clipboard()->setText(QStringLiteral(" 4a-5\n"));
        box->paste(); // a paste keeps only the digits
        QCOMPARE(box->text(), QStringLiteral("945"));
    }

    void spinners_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QString>("after");
        const int up = Qt::UpArrow;
        const int down = Qt::DownArrow;
        QTest::newRow("up from 0") << "txtInPeriod" << "0" << up << "1";
        QTest::newRow("down stops at 0") << "txtSizeLeastMost" << "0" << down << "0";
        QTest::newRow("down by one") << "txtSizeFrom" << "10" << down << "9";
        QTest::newRow("empty box counts as 0") << "txtSizeTo" << "" << up << "1";
        QTest::newRow("letters count as 0") << "txtSizeTo" << "abc" << up << "1";
        QTest::newRow("stops at the largest number")
            << "txtSizeFrom" << "2147483647" << up << "2147483647";
        QTest::newRow("beyond the largest comes back") << "txtSizeTo" << "9999999999" << down << "2147483647";
        QTest::newRow("period stops at 32767") << "txtInPeriod" << "32767" << up << "32767";
    }

    void spinners()
    {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(int, arrow);
        QFETCH(QString, after);
        auto panel = activePanel();
        auto *number = panel->findChild<NumberBox *>(box);
        auto *spinner = panel->findChild<UpDown *>(QStringLiteral("ud") + box.mid(3));
        QVERIFY(number && spinner);
        number->setText(before);
        QToolButton *button = ::arrow(spinner, Qt::ArrowType(arrow));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(number->text(), after);
    }
};

QTEST_MAIN(CriteriaControlsTest)
#include "criteriacontrols_test.moc"
