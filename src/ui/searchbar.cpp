#include "ui/searchbar.h"

#include "search/criteria.h"
#include "ui/controlfactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using Controls::named;

SearchBar::SearchBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("fmeSearch"));
    setFrameShape(QFrame::NoFrame);

    // Left positions are set by the window's layout; these are the design values.
    chkSearchIncSubFlder = named(new QCheckBox(QStringLiteral("Include Subfolder"), this),
                                 "chkSearchIncSubFlder", 50, 150, 1575, 195);
    chkShowHidden = named(new QCheckBox(QStringLiteral("Show Hidden Files"), this), "chkShowHidden",
                          1825, 150, 1665, 195);
    Controls::setTextColor(chkSearchIncSubFlder, Controls::DarkBlue);
    Controls::setTextColor(chkShowHidden, Controls::DarkBlue);
    cmdSearch = named(new QPushButton(QStringLiteral("&Search"), this), "cmdSearch", 3690, 90, 945, 315);
    Controls::setBold(cmdSearch);
    cmdExport = named(new QPushButton(QStringLiteral("Export"), this), "cmdExport", 8655, 90, 1200, 315);
    cmdShowHideAdvanceSearch = named(new QPushButton(QStringLiteral("Hide Advance Options"), this),
                                     "cmdShowHideAdvanceSearch", 9905, 90, 1845, 315);
    lblFilter = named(new QLabel(QStringLiteral("Filter"), this), "lblFilter", 60, 120, 345, 225);
    cmbFilterPattern = named(new QComboBox(this), "cmbFilterPattern", 480, 90, 1935, 315);
    lblFilter->hide();
    cmbFilterPattern->hide();
}

void SearchBar::fillPatternList()
{
    cmbFilterPattern->clear();
    cmbFilterPattern->addItem(CriteriaDefaults::FilterPattern);
    cmbFilterPattern->setCurrentIndex(0);
}

void SearchBar::setStartValues()
{
    chkSearchIncSubFlder->setChecked(CriteriaDefaults::IncludeSubfolders);
    chkShowHidden->setChecked(CriteriaDefaults::ShowHidden);
}
