#pragma once

#include <unistd.h>

namespace TestSupport {

// While it lives, a test running as root acts as an ordinary user, so that
// permissions bite; any other user stays as it is.
class Unprivileged
{
public:
    static constexpr uid_t kNobody = 65534;

    Unprivileged() : m_wasRoot(geteuid() == 0)
    {
        if (m_wasRoot && seteuid(kNobody) != 0)
            m_wasRoot = false;
    }
    ~Unprivileged()
    {
        if (m_wasRoot)
            [[maybe_unused]] const int ignored = seteuid(0);
    }
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

private:
    bool m_wasRoot;
};

} // namespace TestSupport
