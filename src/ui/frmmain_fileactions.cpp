// PLACEHOLDER: filled by the work on this concern; not done yet.
#include "ui/frmmain.h"

void frmMain::mnuFileOpen_Click()
{
}

void frmMain::mnuFileDelete_Click()
{
}

void frmMain::mnuFileProperties_Click()
{
}

void frmMain::mnuFileShowContainingFolder_Click()
{
}
