// brimfold-count: the window's search and page count from the command line.
#include "cli/countrun.h"
#include "cli/options.h"
#include "platform/console.h"
#include "settings/languages.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    Console::catchInterruptAndClosedPipe();
    QCoreApplication app(argc, argv);
    Languages::install();
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (const auto status = answerWithoutRunning(parsed, "brimfold-count"))
        return *status;
    return runCount(parsed.options);
}
