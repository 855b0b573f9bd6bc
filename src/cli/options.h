#pragma once

#include "cli/countreport.h"
#include "cli/linewriter.h"
#include "cli/parsedarguments.h"
#include "search/criteria.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for.
struct CountOptions
{
    QStringList folders; // as PathCodec::decode gives the arguments' bytes
    CriteriaValues criteria;
    std::optional<OutputFormat> format; // none: table on a terminal, else tsv
    QString host; // named in a result file; empty: this machine's name
    Listing listing = Listing::Files;
    int jobs = 0;
    bool quiet = false;
    bool progress = false; // asked for with --progress
    bool verbose = false;  // -v: say where counts came from
    enum class Cache { Use, Recount, Off };
    Cache cache = Cache::Use;

    // The help and the complaints about a command line.
    Q_DECLARE_TR_FUNCTIONS(CountOptions)
};

using ParsedCommandLine = ParsedArguments<CountOptions>;

// Reads the arguments after the program name, as the exact bytes the shell
// passed, so a folder name that is not UTF-8 survives.
ParsedCommandLine parseCommandLine(const QList<QByteArray> &arguments);
