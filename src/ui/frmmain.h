#pragma once

#include "ui/mainlayout.h"
#include "search/criteria.h"
#include "ui/appservices.h"

#include <QMainWindow>
#include <functional>

class SettingsStore;
class SearchRun;
class FolderTree;
class GridModel;
class GridView;
class IconSurface;
class AdvancedOptionsPanel;
class SearchBar;
class StatusBar;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class dlgPreferences;
class FolderTotalsWindow;
class PageReportWindow;
class QMimeData;

// The main window. Its handlers carry the names of the controls and events
// they serve (Form_Load, Form_Activate, cmdSearch_Click, ...); each concern
// lives in a file of its own (frmmain_*.cpp).
class frmMain : public QMainWindow, private SearchCriteriaSource
{
    Q_OBJECT
public:
    frmMain(SettingsStore &settings, AppServices services, QWidget *parent = nullptr);
    ~frmMain() override;

    // The load handler: runs once, before the window is first shown.
    void Form_Load();

    // Re-applies the grid look and column visibility from the settings.
    void RefreshGrid();

    bool firstActivationPending() const { return m_firstActivation; }
    bool isLoaded() const { return m_loaded; }
    const QString &startFolder() const { return m_startFolder; }
    bool isSearching() const;
    const SearchCriteriaSource &criteria() const { return *this; }
    const AppServices &services() const { return m_services; }
    const SettingsStore &settingsStore() const { return m_settings; }
    GridModel *filesModel() const { return m_files; }

    // frmmain_export.cpp: writes `grid` to the file the export dialog names;
    // true when written and reported.
    bool ExportGridData(GridModel &grid);

    // Runs the preferences dialog once it is filled; empty: modally with exec().
    // Tests set it to drive the dialog without blocking.
    std::function<void(dlgPreferences &)> preferencesRunner;

    // File actions (frmmain_fileactions.cpp). The first three return true when
    // the desktop took the request; DeleteSelectedFiles false after a failure.
    bool OpenFile(const QString &path);
    bool ShowFileProperties(const QString &path);
    bool OpenContainingFolder(const QString &path);
    bool DeleteSelectedFiles();

    // Window parts, named as the controls they are.
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    QFrame *fmeAddressBar = nullptr;
    QLabel *lblAddress = nullptr;
    QLineEdit *txtAddress = nullptr;
    QSplitter *spSplitter = nullptr;
    FolderTree *ftv = nullptr;
    GridView *vsFiles = nullptr;
    QLabel *lblPageCount = nullptr;
    QLabel *lblSelectionTotal = nullptr;
    AdvancedOptionsPanel *fmeAdvancedSearchOptions = nullptr;
    SearchBar *fmeSearch = nullptr;
    StatusBar *sbGeneral = nullptr;
    GridView *vsDummyGrid = nullptr;
    IconSurface *pic16Icon = nullptr;
    QLabel *imgAsc = nullptr;
    QLabel *imgDes = nullptr;
    // Shortcuts into the search bar.
    QCheckBox *chkSearchIncSubFlder = nullptr;
    QCheckBox *chkShowHidden = nullptr;
    QPushButton *cmdSearch = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdShowHideAdvanceSearch = nullptr;
    QComboBox *cmbFilterPattern = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileDelete = nullptr;
    QAction *mnuFileProperties = nullptr;
    QAction *mnuFileShowContainingFolder = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuEditSelectAll = nullptr;
    QAction *mnuEditInvertSelection = nullptr;
    QAction *mnuEditCopy = nullptr;
    QMenu *mnuTools = nullptr;
    QAction *mnuExport = nullptr;
    QAction *mnuFolderTotals = nullptr;
    QAction *mnuPageReport = nullptr;
    QAction *mnuRecountPages = nullptr;
    QAction *mnuPreferences = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuSupport = nullptr;
    QAction *mnuHelp1 = nullptr;
    QAction *mnuAbout = nullptr;
    QMenu *mnuPopup = nullptr;
    QAction *mnuPopupOpen = nullptr;
    QAction *mnuPopupDelete = nullptr;
    QAction *mnuPopupProperties = nullptr;
    QAction *mnuPopupShowContainingFolder = nullptr;
    QAction *mnuPopupSelectAll = nullptr;
    QAction *mnuPopupInvertSelection = nullptr;
    QAction *mnuPopupCopy = nullptr;

    // frmmain_totals.cpp: the selected shown rows as clipboard or drag data
    // (tab-separated text and a text/uri-list of the files); null when none.
    QMimeData *selectedRowsMimeData() const;
    FolderTotalsWindow *folderTotalsWindow() const { return m_folderTotals; }
    PageReportWindow *pageReportWindow() const { return m_pageReport; }

    // The layout last applied, in twips (for checks and the toggle).
    const MainLayoutResult &currentLayout() const { return m_layout; }

Q_SIGNALS:
    // The first activation has taken the start folder and is starting its search.
    void firstActivationStarted(const QString &startFolder);

public Q_SLOTS:
    // frmmain_fileactions.cpp
    void mnuFileOpen_Click();
    void mnuFileDelete_Click();
    void mnuFileProperties_Click();
    void mnuFileShowContainingFolder_Click();
    // frmmain_export.cpp
    void cmdExport_Click();
    void mnuExport_Click();
    // frmmain_preferences.cpp
    void mnuPreferences_Click();
    // frmmain_help.cpp
    void mnuSupport_Click();
    void mnuHelp1_Click();
    void mnuAbout_Click();

    void mnuExit_Click();
    void cmdSearch_Click();
    void mnuRecountPages_Click();
    void cmdShowHideAdvanceSearch_Click();
    void mnuEditSelectAll_Click();
    void mnuEditInvertSelection_Click();
    // frmmain_totals.cpp
    void mnuEditCopy_Click();
    void mnuFolderTotals_Click();
    void mnuPageReport_Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // frmmain.cpp
    void buildControls();
    void buildMenus();
    void Form_Activate();
    void stopSearchForGood();
    // A tool window over the results: made by `make` the first time, brought
    // up to date by `refresh` after; either way shown in front.
    template <typename Window, typename Make>
    void openToolWindow(Window *&window, Make make, void (Window::*refresh)());

    // frmmain_layout.cpp
    void Form_Resize();
    MainLayoutInput layoutInput() const;
    void applyLayout(const MainLayoutResult &layout);
    int frameOverheadTwips() const;

    // frmmain_results.cpp
    void SetupGrid();
    void ApplyStartupSettings();
    // The folder the first search runs in: the tree's, or the one it waits
    // for when the start-up folder has not answered yet.
    QString startFolderOfTree() const;
    // How long loading (behind the splash) waits for the start-up folder.
    static constexpr int kStartupFolderWaitMs = 200;
    void applyGridLook();
    void DrawFileIcon(const QString &fullPath);
    void vsFiles_AfterSort(int col, bool ascending);
    void vsFiles_KeyDown(int key);
    void vsFiles_MouseDown(Qt::MouseButton button, int row, int col, const QPoint &globalPos);
    void showPopupAtTableCorner();

    // frmmain_totals.cpp
    void connectTotals();
    void updateSelectionTotal();
    QString pagesToolTipAt(int row, int col) const;
    void dragSelectedRows();

    // frmmain_search.cpp
    void createSearchRun();
    void RunSearch();
    void showCacheUse();
    void ftv_FolderChanged(const QString &path);
    void ftv_Click();
    QString filterText() const override;
    bool includeSubfolders() const override;
    bool showHidden() const override;
    bool dateOn() const override;
    QString dateRangeTypeText() const override;
    bool inPeriodMode() const override;
    QString periodText() const override;
    QString periodUnitText() const override;
    QDate fromDate() const override;
    QDate toDate() const override;
    bool sizeOn() const override;
    bool sizeAtMode() const override;
    QString leastMostText() const override;
    QString sizeLimitText() const override;
    QString sizeFromText() const override;
    QString sizeToText() const override;

    class SearchPorts;

    SettingsStore &m_settings;
    AppServices m_services;
    GridModel *m_files = nullptr;
    GridModel *m_scratch = nullptr;
    std::unique_ptr<SearchPorts> m_searchPorts;
    SearchRun *m_searchRun = nullptr;
    FolderTotalsWindow *m_folderTotals = nullptr;
    PageReportWindow *m_pageReport = nullptr;
    MainLayoutResult m_layout;
    bool m_firstActivation = false;
    bool m_loaded = false;
    bool m_ending = false;
    bool m_inResize = false;
    bool m_recountNext = false; // the next search trusts no remembered count
    QString m_startFolder;
};

template <typename Window, typename Make>
void frmMain::openToolWindow(Window *&window, Make make, void (Window::*refresh)())
{
    if (!window)
        window = make();
    else
        (window->*refresh)();
    window->show();
    window->raise();
    window->activateWindow();
}
