#include "support/testservices.h"

#include "platform/filesystem.h"
#include "support/fakechoosers.h"
#include "support/fakedesktopservices.h"
#include "support/fakeprompts.h"

#include <QImage>

namespace TestSupport {

namespace {

// One 16 x 16 picture for every file, counting how often it is asked for.
class CountingIcons : public FileIconSource
{
public:
    QVariant iconFor(const QString &) override
    {
        ++requests;
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        return image;
    }
    int requests = 0;
};

} // namespace

int TestServices::iconRequests() const
{
    return static_cast<CountingIcons *>(services.icons.get())->requests;
}

TestServices makeTestServices()
{
    TestServices test;
    auto desktop = std::make_shared<FakeDesktopServices>();
    auto choosers = std::make_shared<FakeChoosers>();
    test.desktop = desktop.get();
    test.choosers = choosers.get();
    test.services.desktop = desktop;
    test.services.choosers = choosers;
    auto prompts = std::make_shared<FakePrompts>();
    test.prompts = prompts.get();
    test.services.prompts = prompts;
    test.services.icons = std::make_shared<CountingIcons>();
    test.services.lister = createFolderLister();
    return test;
}

} // namespace TestSupport
