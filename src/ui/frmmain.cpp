#include "ui/frmmain.h"
#include "ui/frmmain_searchports.h"

#include "settings/productinfo.h"
#include "settings/settings.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "search/searchrun.h"
#include "ui/advancedoptions.h"
#include "ui/controlfactory.h"
#include "ui/foldertree.h"
#include "ui/gridview.h"
#include "ui/iconsurface.h"
#include "ui/resources.h"
#include "ui/searchbar.h"
#include "ui/statusbar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>

using Controls::named;

namespace {

constexpr int kTreePaneTwips = 3500;
constexpr int kSmallestPaneTwips = 2500;

QFrame *horizontalRule(QWidget *parent, const char *name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// The never-shown sort-mark pictures, side by side under the address bar.
QLabel *pictureLabel(const QImage &image, QWidget *parent, const char *name, int left)
{
    auto *label = named(new QLabel(parent), name, left, 1080, 165, 60);
    label->setPixmap(QPixmap::fromImage(image));
    label->hide();
    return label;
}

} // namespace

frmMain::frmMain(SettingsStore &settings, AppServices services, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_services(std::move(services))
{
    ensureResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(ProductInfo::kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/brimfold/icons/brimfold-256.png")));
    buildControls();
    buildMenus();
    createSearchRun();
    // The size the window returns to when restored from maximised; where it
    // goes is the window system's choice.
    resize(twipsToPixels(MainLayout::kDesignClientWidth, widgetDpi(this)),
           twipsToPixels(MainLayout::kDesignClientHeight, widgetDpi(this)));
}

frmMain::~frmMain()
{
    stopSearchForGood();
}

void frmMain::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    Line1 = horizontalRule(client, "Line1");
    fmeAddressBar = named(new QFrame(client), "fmeAddressBar", 0, 120, 9480, 345);
    lblAddress = named(new QLabel(tr("Address"), fmeAddressBar), "lblAddress", 90, 60, 615, 165);
    Controls::setTextColor(lblAddress, Controls::DarkBlue);
    txtAddress = named(new QLineEdit(fmeAddressBar), "txtAddress", 780, 30, 8500, 285);
    Line2 = horizontalRule(client, "Line2");

    spSplitter = new QSplitter(Qt::Horizontal, client);
    spSplitter->setObjectName(QStringLiteral("spSplitter"));
    spSplitter->setChildrenCollapsible(false);
    ftv = new FolderTree(spSplitter);
    ftv->setObjectName(QStringLiteral("ftv"));
    m_files = new GridModel(this);
    vsFiles = new GridView(spSplitter);
    vsFiles->setObjectName(QStringLiteral("vsFiles"));
    vsFiles->setGridModel(m_files);

    lblPageCount = new QLabel(SearchRun::pageTotalText(0), client);
    lblPageCount->setObjectName(QStringLiteral("lblPageCount"));
    lblPageCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Controls::setTextColor(lblPageCount, Controls::DarkBlue);
    Controls::setBold(lblPageCount);
    lblSelectionTotal = new QLabel(client);
    lblSelectionTotal->setObjectName(QStringLiteral("lblSelectionTotal"));
    lblSelectionTotal->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Controls::setTextColor(lblSelectionTotal, Controls::DarkBlue);

    fmeAdvancedSearchOptions = new AdvancedOptionsPanel(client);
    fmeSearch = new SearchBar(client);
    chkSearchIncSubFlder = fmeSearch->chkSearchIncSubFlder;
    chkShowHidden = fmeSearch->chkShowHidden;
    cmdSearch = fmeSearch->cmdSearch;
    cmdExport = fmeSearch->cmdExport;
    cmdShowHideAdvanceSearch = fmeSearch->cmdShowHideAdvanceSearch;
    cmbFilterPattern = fmeSearch->cmbFilterPattern;

    sbGeneral = new StatusBar(this);
    setStatusBar(sbGeneral);

    m_scratch = new GridModel(this);
    vsDummyGrid = named(new GridView(client), "vsDummyGrid", 2400, 540, 1425, 30);
    vsDummyGrid->setGridModel(m_scratch);
    vsDummyGrid->hide();
    pic16Icon = named(new IconSurface(client), "pic16Icon", 120, 5940, 315, 315);
    imgAsc = pictureLabel(ResultColumns::imgAsc(), client, "imgAsc", 90);
    imgDes = pictureLabel(ResultColumns::imgDes(), client, "imgDes", 300);

    connect(cmdSearch, &QPushButton::clicked, this, &frmMain::cmdSearch_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmMain::cmdExport_Click);
    connect(cmdShowHideAdvanceSearch, &QPushButton::clicked, this, &frmMain::cmdShowHideAdvanceSearch_Click);
    connect(ftv, &FolderTree::folderChanged, this, &frmMain::ftv_FolderChanged);
    connect(ftv, &FolderTree::clicked, this, &frmMain::ftv_Click);
    connect(vsFiles, &GridView::afterSort, this, &frmMain::vsFiles_AfterSort);
    connect(vsFiles, &GridView::keyDown, this, [this](int key, Qt::KeyboardModifiers) { vsFiles_KeyDown(key); });
    connect(vsFiles, &GridView::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int row, int col, const QPoint &globalPos) {
                vsFiles_MouseDown(button, row, col, globalPos);
            });
    connectTotals();
}

void frmMain::Form_Load()
{
    m_firstActivation = true;
    spSplitter->setSizes({twipsToPixels(kTreePaneTwips, widgetDpi(this)), twipsToPixels(8250, widgetDpi(this))});
    vsFiles->setMinimumWidth(twipsToPixels(kSmallestPaneTwips, widgetDpi(this)));
    fmeAdvancedSearchOptions->fillLists();
    fmeSearch->fillPatternList();
    ApplyStartupSettings();
    // The address bar shows where the first search will run, also when the
    // tree chose its folder by itself (no start-up folder stored).
    if (txtAddress->text().isEmpty() && !startFolderOfTree().isEmpty())
        ftv_FolderChanged(startFolderOfTree());
    SetupGrid();
    txtAddress->setReadOnly(true);
    fmeAdvancedSearchOptions->setStartValues(QDate::currentDate());
    fmeSearch->setStartValues();
    m_loaded = true;
}

bool frmMain::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

QString frmMain::startFolderOfTree() const
{
    return ftv->pending().isEmpty() ? ftv->selectedFolder() : ftv->pending();
}

void frmMain::Form_Activate()
{
    if (!m_firstActivation)
        return;
    // Cleared before the search starts: re-activating the window while that
    // search runs must not run this again (it would cancel the search).
    m_firstActivation = false;
    m_startFolder = startFolderOfTree();
    Q_EMIT firstActivationStarted(m_startFolder);
    ftv_Click();
    if (!m_ending)
        vsFiles->setFocus();
}

void frmMain::stopSearchForGood()
{
    m_ending = true;
    if (m_searchRun)
        m_searchRun->stop();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A search still running must end with the window, and touch it no more.
    stopSearchForGood();
    QMainWindow::closeEvent(event);
}

void frmMain::mnuExit_Click()
{
    stopSearchForGood();
    close();
    // Ends the program at once: every other window goes too.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (window != this && window->isVisible())
            window->close();
    QCoreApplication::exit(0);
}
