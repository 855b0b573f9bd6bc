#include "ui/resources.h"

#include <QtGlobal>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initBrimfoldResources()
{
    Q_INIT_RESOURCE(brimfold);
}

void ensureResources()
{
    // The resources live in a static library: nothing references them
    // unless they are registered explicitly.
    static const bool registered = (initBrimfoldResources(), true);
    Q_UNUSED(registered);
}
