#pragma once

#include "ui/appservices.h"

namespace TestSupport {

class FakeDesktopServices;
class FakeChoosers;
class FakePrompts;

// Services for window tests: the real folder lister and page counter, a
// recording desktop, scripted choosers and a plain icon for every file.
struct TestServices
{
    AppServices services;
    FakeDesktopServices *desktop = nullptr;
    FakeChoosers *choosers = nullptr;
    FakePrompts *prompts = nullptr;
    int iconRequests() const;
};

TestServices makeTestServices();

} // namespace TestSupport
