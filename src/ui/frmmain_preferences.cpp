// Tools > Preferences: a fresh preferences dialog, modal over the window.
#include "ui/frmmain.h"

#include "ui/dlgpreferences.h"

void frmMain::mnuPreferences_Click()
{
    dlgPreferences dialog(m_settings, *this);
    if (preferencesRunner)
        preferencesRunner(dialog);
    else
        dialog.exec();
}
