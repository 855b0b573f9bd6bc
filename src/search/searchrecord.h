#pragma once

#include "base/translatable.h"
#include "search/criteria.h"

#include <QDateTime>
#include <QString>

// What the latest search was: the criteria as they stood when it started,
// where it started, and how it has ended so far. The run keeps it; the page
// report tells it in words.
struct SearchRecord
{
    bool ran = false; // false: no search has run yet
    bool running = false;
    bool cancelled = false; // ended by the user
    QString startFolder;
    CriteriaValues criteria;
    QDateTime started;

    // How a search the user ended is told, in the status line and the report.
    static constexpr Translatable TerminatedText{"SearchRecord",
                                                 QT_TRANSLATE_NOOP("SearchRecord", "Search Terminated by User")};
};
