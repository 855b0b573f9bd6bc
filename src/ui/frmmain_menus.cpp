#include "ui/frmmain.h"

#include "ui/menus.h"

#include <QMenuBar>

namespace {

struct MenuDefinition
{
    QMenu *frmMain::*menu;
    const char *name;
    const char *caption;
};

// One row per menu-bar entry, in menu order. A row without a handler is a
// separator. An entry with a popup name also appears, under that name and
// caption, in the results table's context menu, where it runs the same
// handler.
struct MenuEntry
{
    QMenu *frmMain::*menu;
    const char *name;
    const char *caption;
    void (frmMain::*handler)();
    QAction *frmMain::*action;
    const char *shortcut; // portable text; empty for none
    const char *popupName;
    const char *popupCaption;
    QAction *frmMain::*popupAction;
};

} // namespace

void frmMain::buildMenus()
{
    static const MenuDefinition menus[] = {
        {&frmMain::mnuFile, "mnuFile", QT_TR_NOOP("File")},
        {&frmMain::mnuEdit, "mnuEdit", QT_TR_NOOP("Edit")},
        {&frmMain::mnuTools, "mnuTools", QT_TR_NOOP("Tools")},
        {&frmMain::mnuHelp, "mnuHelp", QT_TR_NOOP("&Help")},
    };
    static const MenuEntry entries[] = {
        {&frmMain::mnuFile, "mnuFileOpen", QT_TR_NOOP("Open"), &frmMain::mnuFileOpen_Click,
         &frmMain::mnuFileOpen, "", "mnuPopupOpen", QT_TR_NOOP("Open"), &frmMain::mnuPopupOpen},
        {&frmMain::mnuFile, nullptr, nullptr, nullptr, nullptr, "", nullptr, nullptr, nullptr},
        {&frmMain::mnuFile, "mnuFileDelete", QT_TR_NOOP("Delete"), &frmMain::mnuFileDelete_Click,
         &frmMain::mnuFileDelete, "", "mnuPopupDelete", QT_TR_NOOP("Delete"),
         &frmMain::mnuPopupDelete},
        {&frmMain::mnuFile, "mnuFileProperties", QT_TR_NOOP("Properties..."),
         &frmMain::mnuFileProperties_Click, &frmMain::mnuFileProperties, "", "mnuPopupProperties",
         QT_TR_NOOP("Properties"), &frmMain::mnuPopupProperties},
        {&frmMain::mnuFile, "mnuFileShowContainingFolder", QT_TR_NOOP("Show Containing Folder"),
         &frmMain::mnuFileShowContainingFolder_Click, &frmMain::mnuFileShowContainingFolder, "",
         "mnuPopupShowContainingFolder", QT_TR_NOOP("Show Containing Folder"),
         &frmMain::mnuPopupShowContainingFolder},
        {&frmMain::mnuFile, nullptr, nullptr, nullptr, nullptr, "", nullptr, nullptr, nullptr},
        {&frmMain::mnuFile, "mnuExit", QT_TR_NOOP("E&xit"), &frmMain::mnuExit_Click,
         &frmMain::mnuExit, "Ctrl+X", nullptr, nullptr, nullptr},
        {&frmMain::mnuEdit, "mnuEditSelectAll", QT_TR_NOOP("Select All"),
         &frmMain::mnuEditSelectAll_Click, &frmMain::mnuEditSelectAll, "", "mnuPopupSelectAll",
         QT_TR_NOOP("Select All"), &frmMain::mnuPopupSelectAll},
        {&frmMain::mnuEdit, "mnuEditInvertSelection", QT_TR_NOOP("Invert Selection"),
         &frmMain::mnuEditInvertSelection_Click, &frmMain::mnuEditInvertSelection, "",
         "mnuPopupInvertSelection", QT_TR_NOOP("Invert Selection"),
         &frmMain::mnuPopupInvertSelection},
        {&frmMain::mnuEdit, "mnuEditCopy", QT_TR_NOOP("Copy"), &frmMain::mnuEditCopy_Click,
         &frmMain::mnuEditCopy, "Ctrl+C", "mnuPopupCopy", QT_TR_NOOP("Copy"),
         &frmMain::mnuPopupCopy},
        {&frmMain::mnuTools, "mnuExport", QT_TR_NOOP("Export"), &frmMain::mnuExport_Click,
         &frmMain::mnuExport, "", nullptr, nullptr, nullptr},
        {&frmMain::mnuTools, "mnuFolderTotals", QT_TR_NOOP("Folder Totals..."),
         &frmMain::mnuFolderTotals_Click, &frmMain::mnuFolderTotals, "", nullptr, nullptr, nullptr},
        {&frmMain::mnuTools, "mnuPageReport", QT_TR_NOOP("Page Report..."),
         &frmMain::mnuPageReport_Click, &frmMain::mnuPageReport, "", nullptr, nullptr, nullptr},
        {&frmMain::mnuTools, "mnuRecountPages", QT_TR_NOOP("Recount Pages"),
         &frmMain::mnuRecountPages_Click, &frmMain::mnuRecountPages, "", nullptr, nullptr, nullptr},
        {&frmMain::mnuTools, "mnuPreferences", QT_TR_NOOP("Preferences..."),
         &frmMain::mnuPreferences_Click, &frmMain::mnuPreferences, "", nullptr, nullptr, nullptr},
        {&frmMain::mnuHelp, "mnuSupport", QT_TR_NOOP("Brimfold Website"),
         &frmMain::mnuSupport_Click, &frmMain::mnuSupport, "", nullptr, nullptr, nullptr},
        //: The Help menu's entry for the help pages, which are in English only: please say so, e.g.
        //: "Brimfold-Hilfe (auf Englisch)".
        {&frmMain::mnuHelp, "mnuHelp1", QT_TR_NOOP("Brimfold Help"), &frmMain::mnuHelp1_Click,
         &frmMain::mnuHelp1, "Ctrl+H", nullptr, nullptr, nullptr},
        {&frmMain::mnuHelp, "mnuSeparator", nullptr, nullptr, nullptr, "", nullptr, nullptr,
         nullptr},
        {&frmMain::mnuHelp, "mnuAbout", QT_TR_NOOP("&About..."), &frmMain::mnuAbout_Click,
         &frmMain::mnuAbout, "", nullptr, nullptr, nullptr},
    };

    for (const MenuDefinition &definition : menus) {
        QMenu *menu = menuBar()->addMenu(tr(definition.caption));
        menu->setObjectName(QString::fromLatin1(definition.name));
        this->*definition.menu = menu;
    }
    // Never shown in the menu bar: the results table's context menu.
    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));

    // The context menu separates its entries where their menus do, and
    // entries of different menus.
    const MenuEntry *previousTwin = nullptr;
    bool separatedSincePreviousTwin = false;
    for (const MenuEntry &entry : entries) {
        QMenu *menu = this->*entry.menu;
        if (!entry.handler) {
            QAction *separator = menu->addSeparator();
            if (entry.name)
                separator->setObjectName(QString::fromLatin1(entry.name));
            separatedSincePreviousTwin = true;
            continue;
        }
        this->*entry.action = addMenuEntry(menu, entry.name, tr(entry.caption), this, entry.handler,
                                           QKeySequence(QString::fromLatin1(entry.shortcut)));
        if (!entry.popupName)
            continue;
        if (previousTwin && (separatedSincePreviousTwin || previousTwin->menu != entry.menu))
            mnuPopup->addSeparator();
        this->*entry.popupAction =
            addMenuEntry(mnuPopup, entry.popupName, tr(entry.popupCaption), this, entry.handler);
        previousTwin = &entry;
        separatedSincePreviousTwin = false;
    }
}
