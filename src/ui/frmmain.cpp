#include "ui/frmmain.h"

#include "app/productinfo.h"
#include "app/settings.h"
#include "ui/menus.h"

#include "ui/resources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

frmMain::frmMain(SettingsStore &settings, QWidget *parent)
    : QMainWindow(parent), m_settings(settings)
{
    ensureResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(ProductInfo::kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/brimfold/icons/brimfold-256.png")));
    buildMenus();
}

frmMain::~frmMain() = default;

void frmMain::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = addMenuEntry(mnuFile, "mnuExit", QStringLiteral("E&xit"), this, &frmMain::mnuExit_Click,
                           QKeySequence(Qt::CTRL | Qt::Key_X));
}

void frmMain::Form_Load()
{
    m_firstActivation = true;
    m_loaded = true;
}

bool frmMain::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

void frmMain::Form_Activate()
{
    if (!m_firstActivation)
        return;
    // Cleared before the search starts: re-activating the window while that
    // search runs must not run this again (it would cancel the search).
    m_firstActivation = false;
    Q_EMIT firstActivationStarted(m_startFolder);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    m_ending = true;
    QMainWindow::closeEvent(event);
}

void frmMain::mnuExit_Click()
{
    m_ending = true;
    close();
    // Ends the program at once: every other window goes too.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (window != this)
            window->close();
    QCoreApplication::exit(0);
}
