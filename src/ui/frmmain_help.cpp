// PLACEHOLDER: filled by the work on this concern; not done yet.
#include "ui/frmmain.h"

void frmMain::mnuSupport_Click()
{
}

void frmMain::mnuHelp1_Click()
{
}

void frmMain::mnuAbout_Click()
{
}
