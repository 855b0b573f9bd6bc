#pragma once

#include "cli/options.h"

// Counts what `options` ask for and writes it; returns the exit status.
// The caller has set up Ctrl+C and closed-pipe handling (Console).
int runCount(CountOptions options);
