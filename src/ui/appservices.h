#pragma once

#include "export/exportrules.h"
#include "search/cachedcount.h"
#include "search/iopool.h"
#include "search/searchinterfaces.h"

#include <functional>
#include <memory>

class Choosers;
class DesktopServices;
class FolderLister;
class Prompts;
class QWidget;

// Runs the export dialog for a window and hands back its choice.
using ExportDialogFunction =
    std::function<ExportRules::ExportChoice(QWidget *parent, const QString &exportLocation)>;

// The platform services the windows use, gathered so tests can hand in fakes.
struct AppServices
{
    std::shared_ptr<DesktopServices> desktop;
    std::shared_ptr<Choosers> choosers;
    std::shared_ptr<FileIconSource> icons;
    std::shared_ptr<FolderLister> lister;
    std::shared_ptr<Prompts> prompts;
    int ioThreads = IoPool::kDefaultThreads; // for the search's file-system requests
    CacheUse pageCounts; // remembered page counts; no cache: every file is counted
    ExportDialogFunction exportDialog; // empty: the modal export dialog
    QString scratchFolder;             // the export's scratch file; empty: the program's folder
};

// The real services of this platform.
AppServices createAppServices();
