#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <functional>

// Standard output, buffered in bounded chunks. After a failed write nothing
// more is written; the caller asks why and stops.
class Output
{
public:
    void write(const QByteArray &bytes);
    // Writes what is buffered.
    void flush();
    // Writes what is buffered when it has waited a while, so a reader (or a
    // person at the terminal) sees rows as they come.
    void flushIfStale();

    bool failed() const { return m_state != State::Open; }
    bool pipeClosed() const { return m_state == State::PipeClosed; }
    QString error() const { return m_error; }

    // Called before bytes reach the terminal (the progress line clears itself).
    std::function<void()> beforeWrite;

private:
    enum class State { Open, PipeClosed, Failed };
    static constexpr qsizetype kChunk = 64 * 1024;
    static constexpr int kStaleMs = 200;

    QByteArray m_buffer;
    QElapsedTimer m_sinceFlush;
    State m_state = State::Open;
    QString m_error;
};
