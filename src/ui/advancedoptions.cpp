#include "ui/advancedoptions.h"

#include "search/criteria.h"
#include "ui/captionroom.h"
#include "ui/controlfactory.h"
#include "ui/numberbox.h"
#include "ui/updown.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>

using Controls::named;

namespace {

QLabel *label(const QString &text, QWidget *parent, int left, int top, int width, int height)
{
    return named(new QLabel(text, parent), "", left, top, width, height);
}

QDateEdit *datePicker(QWidget *parent, const char *name, int left, int top)
{
    auto *picker = named(new QDateEdit(parent), name, left, top, 1305, 315);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return picker;
}

QComboBox *dropDown(QWidget *parent, const char *name, int left, int top, int width)
{
    auto *box = named(new QComboBox(parent), name, left, top, width, 315);
    box->setEditable(false);
    return box;
}

} // namespace

AdvancedOptionsPanel::AdvancedOptionsPanel(QWidget *parent)
    : QGroupBox(tr("Advance Search Options"), parent)
{
    setObjectName(QStringLiteral("fmeAdvancedSearchOptions"));
    // The caption is drawn in the window-text colour; the text of the boxes
    // inside must not turn dark blue with it.
    QPalette caption = palette();
    caption.setColor(QPalette::WindowText, Controls::readableOn(Controls::DarkBlue, caption.color(QPalette::Window)));
    setPalette(caption);

    //: Turns the date criteria on
    chkSearchByDate = named(new QCheckBox(tr("Date"), this), "chkSearchByDate", 780, 360, 645, 195);
    fmeSearchByDate = named(new QFrame(this), "fmeSearchByDate", 1470, 210, 4575, 1215);
    QWidget *date = fmeSearchByDate;
    cmbDateRangeType = dropDown(date, "cmbDateRangeType", 60, 120, 1635);
    // The radio buttons reach to the control on their right: the indicator
    // and its gap leave the caption less room than the twips first allowed.
    //: Followed by a number and a unit: files created, modified or accessed in the last 7 days
    optInPeriod = named(new QRadioButton(tr("in the last"), date), "optInPeriod", 30, 540, 1065, 225);
    txtInPeriod = named(new NumberBox(true, date), "txtInPeriod", 1110, 510, 435, 285);
    udInPeriod = named(new UpDown(txtInPeriod, date, CriteriaDefaults::MaxPeriod), "udInPeriod", 1545, 510, 240, 285);
    cmbDateInPeriod = dropDown(date, "cmbDateInPeriod", 1860, 510, 1125);
    //: Followed by two dates joined by "and"
    optBtnPeriod = named(new QRadioButton(tr("between"), date), "optBtnPeriod", 30, 930, 1065, 195);
    dtpDateFrom = datePicker(date, "dtpDateFrom", 1110, 870);
    //: Joins the two dates after "between"
    label(tr("and"), date, 2490, 930, 285, 195);
    dtpDateTo = datePicker(date, "dtpDateTo", 2910, 900);

    //: Turns the size criteria on
    chkSearchBySize = named(new QCheckBox(tr("Size"), this), "chkSearchBySize", 6420, 360, 855, 225);
    fmeSearchBySize = named(new QFrame(this), "fmeSearchBySize", 6660, 630, 4335, 825);
    QWidget *size = fmeSearchBySize;
    //: Followed by a list of "Least" and "Most", a number and "KB": at least 100 KB
    optSizeAt = named(new QRadioButton(tr("at"), size), "optSizeAt", 30, 120, 465, 225);
    cmbLeastMost = dropDown(size, "cmbLeastMost", 570, 90, 855);
    txtSizeLeastMost = named(new NumberBox(false, size), "txtSizeLeastMost", 1560, 90, 765, 285);
    udSizeLeastMost = named(new UpDown(txtSizeLeastMost, size), "udSizeLeastMost", 2325, 90, 240, 285);
    //: Kilobytes
    label(tr("KB"), size, 2640, 120, 345, 225);
    //: Followed by two sizes joined by "to"
    optSizeBtn = named(new QRadioButton(tr("between"), size), "optSizeBtn", 30, 510, 975, 195);
    txtSizeFrom = named(new NumberBox(false, size), "txtSizeFrom", 1020, 480, 825, 285);
    udSizeFrom = named(new UpDown(txtSizeFrom, size), "udSizeFrom", 1845, 480, 240, 285);
    //: Joins the two sizes after "between": between 10 to 20 KB
    label(tr("to"), size, 2190, 510, 285, 195);
    txtSizeTo = named(new NumberBox(false, size), "txtSizeTo", 2430, 480, 795, 285);
    udSizeTo = named(new UpDown(txtSizeTo, size), "udSizeTo", 3225, 480, 240, 285);
    label(tr("KB"), size, 3540, 540, 345, 195);

    // Only the panel's caption is dark blue; its content keeps the usual colours.
    for (QWidget *child : {static_cast<QWidget *>(chkSearchByDate), static_cast<QWidget *>(fmeSearchByDate),
                           static_cast<QWidget *>(chkSearchBySize), static_cast<QWidget *>(fmeSearchBySize)})
    {
        QPalette palette = child->palette();
        palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
        child->setPalette(palette);
    }
}

void AdvancedOptionsPanel::fillLists()
{
    // Each choice shows in the user's language and keeps the value the
    // criteria compare as its data.
    const std::pair<QComboBox *, QStringList> lists[] = {
        {cmbDateRangeType, CriteriaDefaults::DateRangeTypes},
        {cmbDateInPeriod, CriteriaDefaults::PeriodUnits},
        {cmbLeastMost, CriteriaDefaults::LeastMost}};
    for (const auto &[box, choices] : lists) {
        box->clear();
        for (const QString &choice : choices)
            box->addItem(CriteriaDefaults::choiceText(choice), choice);
    }
    // A caption or list entry longer than the twips allow (another language)
    // widens its control; the panel's own size is the main window's to set.
    CaptionRoom::makeRoom(this);
}

QString AdvancedOptionsPanel::choice(const QComboBox *box)
{
    return box->currentData().toString();
}

void AdvancedOptionsPanel::setStartValues(const QDate &today)
{
    chkSearchByDate->setChecked(CriteriaDefaults::DateOn);
    cmbDateRangeType->setCurrentIndex(cmbDateRangeType->findData(CriteriaDefaults::DateRangeType));
    optInPeriod->setChecked(CriteriaDefaults::InPeriodMode);
    optBtnPeriod->setChecked(!CriteriaDefaults::InPeriodMode);
    txtInPeriod->setText(CriteriaDefaults::PeriodText);
    cmbDateInPeriod->setCurrentIndex(cmbDateInPeriod->findData(CriteriaDefaults::PeriodUnit));
    dtpDateFrom->setDate(CriteriaDefaults::fromDate(today));
    dtpDateTo->setDate(CriteriaDefaults::toDate(today));
    chkSearchBySize->setChecked(CriteriaDefaults::SizeOn);
    optSizeAt->setChecked(CriteriaDefaults::SizeAtMode);
    optSizeBtn->setChecked(!CriteriaDefaults::SizeAtMode);
    cmbLeastMost->setCurrentIndex(cmbLeastMost->findData(CriteriaDefaults::LeastMostChoice));
    txtSizeLeastMost->setText(CriteriaDefaults::SizeLimitText);
    txtSizeFrom->setText(CriteriaDefaults::SizeFromText);
    txtSizeTo->setText(CriteriaDefaults::SizeToText);
}
