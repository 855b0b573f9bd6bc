// The search: start/cancel toggle, the folder tree's notifications, the
// criteria controls read live, and the run's view of the window.
#include "ui/frmmain.h"
#include "ui/frmmain_searchports.h"

#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "search/searchrun.h"
#include "ui/advancedoptions.h"
#include "ui/foldertree.h"
#include "ui/iconsurface.h"
#include "ui/numberbox.h"
#include "ui/searchbar.h"
#include "ui/statusbar.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

void frmMain::createSearchRun()
{
    m_searchPorts = std::make_unique<SearchPorts>(*this);
    SearchRunPorts ports;
    ports.criteria = this;
    ports.results = m_searchPorts.get();
    ports.status = m_searchPorts.get();
    ports.icons = m_searchPorts.get();
    ports.lister = m_services.lister;
    ports.yield = [ports = m_searchPorts.get()] { ports->yield(); };
    // The file system is asked on other threads; while the run waits for an
    // answer the window sleeps in its event loop, woken by input, its timers
    // or the answer.
    ports.ioThreads = m_services.ioThreads;
    ports.wait = [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); };
    ports.wake = [dispatcher = QAbstractEventDispatcher::instance()] { dispatcher->wakeUp(); };
    ports.pageCounts = m_services.pageCounts;
    m_searchRun = new SearchRun(ports, this);
}

bool frmMain::isSearching() const
{
    return m_searchRun && m_searchRun->isRunning();
}

void frmMain::cmdSearch_Click()
{
    if (cmdSearch->text() != SearchBar::searchCaption()) {
        m_searchRun->requestCancel();
        return;
    }
    cmdSearch->setText(SearchBar::cancelCaption());
    // The run yields to the event loop, where the window may be closed or
    // even deleted: touch it afterwards only while it is still there.
    const QPointer<frmMain> alive(this);
    RunSearch();
    if (!alive || m_ending)
        return;
    m_searchPorts->flush();
    cmdSearch->setText(SearchBar::searchCaption());
    showCacheUse();
}

// The current search again, every file counted afresh.
void frmMain::mnuRecountPages_Click()
{
    if (isSearching())
        return;
    m_recountNext = true;
    cmdSearch_Click();
}

void frmMain::RunSearch()
{
    m_searchRun->RunSearch(m_startFolder, std::exchange(m_recountNext, false));
}

// Where the counts of the latest search came from, under the file count's tooltip.
void frmMain::showCacheUse()
{
    const std::shared_ptr<PageCountCache> &cache = m_services.pageCounts.cache;
    if (!cache)
        return;
    const QString problem = cache->problem();
    sbGeneral->setFilesNote(problem.isEmpty()
                                ? tr("%1 of %2 page counts came from the page-count cache")
                                      .arg(m_searchRun->countsFromCache())
                                      .arg(m_searchRun->rowsListed())
                                : tr("Page counts not remembered: %1").arg(problem));
}

void frmMain::ftv_FolderChanged(const QString &path)
{
    m_startFolder = path;
    if (!m_startFolder.endsWith(QDir::separator()))
        m_startFolder += QDir::separator();
    txtAddress->setText(m_startFolder);
}

void frmMain::ftv_Click()
{
    cmdSearch_Click();
}

// The criteria, read from the controls each time the run asks.
QString frmMain::filterText() const { return cmbFilterPattern->currentText(); }
bool frmMain::includeSubfolders() const { return chkSearchIncSubFlder->isChecked(); }
bool frmMain::showHidden() const { return chkShowHidden->isChecked(); }
bool frmMain::dateOn() const { return fmeAdvancedSearchOptions->chkSearchByDate->isChecked(); }
QString frmMain::dateRangeTypeText() const { return AdvancedOptionsPanel::choice(fmeAdvancedSearchOptions->cmbDateRangeType); }
bool frmMain::inPeriodMode() const { return fmeAdvancedSearchOptions->optInPeriod->isChecked(); }
QString frmMain::periodText() const { return fmeAdvancedSearchOptions->txtInPeriod->text(); }
QString frmMain::periodUnitText() const { return AdvancedOptionsPanel::choice(fmeAdvancedSearchOptions->cmbDateInPeriod); }
QDate frmMain::fromDate() const { return fmeAdvancedSearchOptions->dtpDateFrom->date(); }
QDate frmMain::toDate() const { return fmeAdvancedSearchOptions->dtpDateTo->date(); }
bool frmMain::sizeOn() const { return fmeAdvancedSearchOptions->chkSearchBySize->isChecked(); }
bool frmMain::sizeAtMode() const { return fmeAdvancedSearchOptions->optSizeAt->isChecked(); }
QString frmMain::leastMostText() const { return AdvancedOptionsPanel::choice(fmeAdvancedSearchOptions->cmbLeastMost); }
QString frmMain::sizeLimitText() const { return fmeAdvancedSearchOptions->txtSizeLeastMost->text(); }
QString frmMain::sizeFromText() const { return fmeAdvancedSearchOptions->txtSizeFrom->text(); }
QString frmMain::sizeToText() const { return fmeAdvancedSearchOptions->txtSizeTo->text(); }
