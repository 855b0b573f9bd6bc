// brimfold-report: the page report of brimfold-count's result files, without
// a display.
#include "cli/reportoptions.h"
#include "cli/reportrun.h"
#include "settings/languages.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    ParsedReportCommandLine parsed;
    {
        // The help and a wrong command line in the reader's language, without
        // the graphics a report needs.
        QCoreApplication app(argc, argv);
        Languages::install();
        QList<QByteArray> arguments;
        for (int i = 1; i < argc; ++i)
            arguments.append(QByteArray(argv[i]));
        parsed = parseReportCommandLine(arguments);
        if (const auto status = answerWithoutRunning(parsed, "brimfold-report"))
            return *status;
    }
    // Fonts and painting need a GUI application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Languages::install();
    return runReport(parsed.options);
}
