#pragma once

#include "search/searchinterfaces.h"

#include <memory>

class Choosers;
class DesktopServices;
class FolderLister;
class Prompts;

// The platform services the windows use, gathered so tests can hand in fakes.
struct AppServices
{
    std::shared_ptr<DesktopServices> desktop;
    std::shared_ptr<Choosers> choosers;
    std::shared_ptr<FileIconSource> icons;
    std::shared_ptr<FolderLister> lister;
    std::shared_ptr<Prompts> prompts;
    PageCountFunction countPages; // empty: the built-in TIFF page counter
};

// The real services of this platform.
AppServices createAppServices();
