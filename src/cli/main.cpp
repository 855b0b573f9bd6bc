// brimfold-count: the window's search and page count from the command line.
#include "cli/countrun.h"
#include "cli/exitcodes.h"
#include "cli/options.h"
#include "platform/console.h"
#include "settings/productinfo.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    Console::catchInterruptAndClosedPipe();
    QCoreApplication app(argc, argv);
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
        Console::writeAll(Console::Stream::Output, parsed.text.toUtf8());
        return ExitCode::Counted;
    case ParsedCommandLine::Action::Version:
        Console::writeAll(Console::Stream::Output,
                          QByteArray("brimfold-count (") + ProductInfo::kVersionLine + ")\n");
        return ExitCode::Counted;
    case ParsedCommandLine::Action::UsageError:
        Console::writeAll(Console::Stream::Error, "brimfold-count: " + parsed.text.toUtf8()
                                                      + "\nTry 'brimfold-count --help' for more information.\n");
        return ExitCode::Usage;
    case ParsedCommandLine::Action::Count:
        break;
    }
    return runCount(parsed.options);
}
