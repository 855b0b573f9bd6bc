// PLACEHOLDER: filled by the work on this concern; not done yet.
#include "ui/frmmain.h"

void frmMain::cmdExport_Click()
{
}

void frmMain::mnuExport_Click()
{
}
