#pragma once

#include <csignal>
#include <sys/resource.h>

namespace TestSupport {

// Lowers the largest file this process may write, as a full disk would.
// Writes past it fail with EFBIG (the signal that would kill the process is
// ignored for as long as the limit stands).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    bool m_ok = false;
    void (*m_oldHandler)(int) = SIG_DFL;
};

} // namespace TestSupport
