#pragma once

#include "cli/parsedarguments.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// What brimfold-report's command line asks for.
struct ReportOptions
{
    QStringList inputs; // result files; "-" is standard input
    QString output;     // the report of everything read
    QString organisation;
    QString reference;
    enum class Paper { Locale, A4, Letter };
    Paper paper = Paper::Locale;
    int perFolderDepth = 0; // > 0: also a report per folder this deep below each start folder
    QString folderReports;  // where those go; empty: beside `output`

    // The help and the complaints about a command line.
    Q_DECLARE_TR_FUNCTIONS(ReportOptions)
};

using ParsedReportCommandLine = ParsedArguments<ReportOptions>;

ParsedReportCommandLine parseReportCommandLine(const QList<QByteArray> &arguments);
