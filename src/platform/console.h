#pragma once

#include <QByteArray>
#include <QString>

// Standard output and error of a command-line program, and the signals that
// concern it, on this platform.
namespace Console {

enum class Stream { Output, Error };

bool isTerminal(Stream stream);

// From now on the first Ctrl+C (SIGINT) only raises the flag interrupted()
// reads, so the program can stop and say how far it came; a second one ends
// it at once as usual. A closed pipe (SIGPIPE) no longer ends the program:
// the write reports PipeClosed instead.
void catchInterruptAndClosedPipe();
bool interrupted();

enum class WriteStatus { Written, PipeClosed, Failed };
struct WriteResult
{
    WriteStatus status = WriteStatus::Written;
    QString error; // the system's words for a failure
};

// Writes all of `bytes`, retrying after interruptions.
WriteResult writeAll(Stream stream, const QByteArray &bytes);

} // namespace Console
