#pragma once

#include <unistd.h>

namespace TestSupport {

// While it lives, a test running as root acts as the user "nobody", so that
// file permissions bite; any other user stays as it is.
struct Unprivileged
{
    const bool wasRoot = geteuid() == 0 && seteuid(65534) == 0;
    ~Unprivileged()
    {
        if (wasRoot)
            (void)seteuid(0);
    }
};

} // namespace TestSupport
