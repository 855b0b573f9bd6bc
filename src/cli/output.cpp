#include "cli/output.h"

#include "platform/console.h"

void Output::write(const QByteArray &bytes)
{
    if (failed())
        return;
    if (m_buffer.isEmpty())
        m_sinceFlush.start();
    m_buffer += bytes;
    if (m_buffer.size() >= kChunk)
        flush();
}

void Output::flushIfStale()
{
    if (!m_buffer.isEmpty() && m_sinceFlush.isValid() && m_sinceFlush.elapsed() >= kStaleMs)
        flush();
}

void Output::flush()
{
    if (failed() || m_buffer.isEmpty())
        return;
    if (beforeWrite)
        beforeWrite();
    const Console::WriteResult result = Console::writeAll(Console::Stream::Output, m_buffer);
    m_buffer.clear();
    if (result.status == Console::WriteStatus::PipeClosed)
        m_state = State::PipeClosed;
    else if (result.status == Console::WriteStatus::Failed) {
        m_state = State::Failed;
        m_error = result.error;
    }
}
