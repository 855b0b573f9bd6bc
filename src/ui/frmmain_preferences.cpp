// PLACEHOLDER: filled by the work on this concern; not done yet.
#include "ui/frmmain.h"

void frmMain::mnuPreferences_Click()
{
}
