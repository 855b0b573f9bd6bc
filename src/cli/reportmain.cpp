// brimfold-report: the page report of brimfold-count's result files, without
// a display.
#include "cli/reportoptions.h"
#include "cli/reportrun.h"
#include "platform/console.h"
#include "settings/productinfo.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const ParsedReportCommandLine parsed = parseReportCommandLine(arguments);
    switch (parsed.action) {
    case ParsedReportCommandLine::Action::Help:
        Console::writeAll(Console::Stream::Output, parsed.text.toUtf8());
        return 0;
    case ParsedReportCommandLine::Action::Version:
        Console::writeAll(Console::Stream::Output,
                          QByteArray("brimfold-report (") + ProductInfo::kVersionLine + ")\n");
        return 0;
    case ParsedReportCommandLine::Action::UsageError:
        Console::writeAll(Console::Stream::Error, "brimfold-report: " + parsed.text.toUtf8()
                                                      + "\nTry 'brimfold-report --help' for more information.\n");
        return 1;
    case ParsedReportCommandLine::Action::Report:
        break;
    }
    // Fonts and painting need a GUI application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return runReport(parsed.options);
}
