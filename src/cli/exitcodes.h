#pragma once

// What brimfold-count tells the shell, from most to least urgent.
namespace ExitCode {
enum : int {
    Counted = 0,          // every listed file was counted
    Usage = 1,            // the command line cannot be understood
    FolderFailed = 2,     // a start folder cannot be searched, or the output cannot be written
    SomeUnreadable = 3,   // some listed files could not be counted
    Interrupted = 130,    // Ctrl+C: 128 + SIGINT, as the shell reports it
    PipeClosed = 141,     // the reader went away: 128 + SIGPIPE, as if the signal had ended it
};
} // namespace ExitCode
