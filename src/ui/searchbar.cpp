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
    chkSearchIncSubFlder = named(new QCheckBox(tr("Include Subfolder"), this),
                                 "chkSearchIncSubFlder", 50, 150, 1575, 195);
    chkShowHidden = named(new QCheckBox(tr("Show Hidden Files"), this), "chkShowHidden",
                          1825, 150, 1665, 195);
    Controls::setTextColor(chkSearchIncSubFlder, Controls::DarkBlue);
    Controls::setTextColor(chkShowHidden, Controls::DarkBlue);
    cmdSearch = named(new QPushButton(searchCaption(), this), "cmdSearch", 3690, 90, 945, 315);
    Controls::setBold(cmdSearch);
    cmdExport = named(new QPushButton(tr("Export"), this), "cmdExport", 8655, 90, 1200, 315);
    cmdShowHideAdvanceSearch = named(new QPushButton(panelCaptions().first(), this),
                                     "cmdShowHideAdvanceSearch", 9905, 90, 1845, 315);
    lblFilter = named(new QLabel(tr("Filter"), this), "lblFilter", 60, 120, 345, 225);
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

QString SearchBar::searchCaption()
{
    return tr("&Search");
}

QString SearchBar::cancelCaption()
{
    return tr("&Cancel");
}

QStringList SearchBar::panelCaptions()
{
    return {tr("Hide Advance Options"), showPanelCaption(), hidePanelCaption()};
}

QString SearchBar::showPanelCaption()
{
    return tr("Show Advance Option");
}

QString SearchBar::hidePanelCaption()
{
    return tr("Hide Advance Option");
}
