#include "platform/console.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

std::atomic<bool> g_interrupted{false};

void onInterrupt(int)
{
    g_interrupted.store(true);
}

int descriptor(Console::Stream stream)
{
    return stream == Console::Stream::Output ? STDOUT_FILENO : STDERR_FILENO;
}

} // namespace

namespace Console {

bool isTerminal(Stream stream)
{
    return ::isatty(descriptor(stream)) == 1;
}

void catchInterruptAndClosedPipe()
{
    struct sigaction interrupt = {};
    interrupt.sa_handler = onInterrupt;
    sigemptyset(&interrupt.sa_mask);
    interrupt.sa_flags = SA_RESETHAND | SA_RESTART; // the second Ctrl+C acts as usual
    ::sigaction(SIGINT, &interrupt, nullptr);
    struct sigaction pipe = {};
    pipe.sa_handler = SIG_IGN;
    sigemptyset(&pipe.sa_mask);
    ::sigaction(SIGPIPE, &pipe, nullptr);
}

bool interrupted()
{
    return g_interrupted.load();
}

WriteResult writeAll(Stream stream, const QByteArray &bytes)
{
    const int fd = descriptor(stream);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0 && errno == EPIPE)
            return {WriteStatus::PipeClosed, {}};
        if (wrote <= 0)
            return {WriteStatus::Failed, QString::fromLocal8Bit(std::strerror(errno))};
        done += wrote;
    }
    return {};
}

} // namespace Console
