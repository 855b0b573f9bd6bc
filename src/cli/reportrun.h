#pragma once

#include "cli/reportoptions.h"

// Reads the result files `options` name, merges them and writes the reports;
// returns the exit status. Writes nothing until every input is read whole.
// Needs a QGuiApplication (fonts); no display.
int runReport(const ReportOptions &options);
