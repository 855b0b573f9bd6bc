#pragma once

#include <QString>

// The page report's own lines, kept in the settings file in a section of
// their own ([PageReport]) so the main settings record never sees them.
struct PageReportLines
{
    // The longest line kept: a title block line, not a letter.
    static constexpr int kLongest = 200;
    QString organisation;
    QString reference;
};

PageReportLines readPageReportLines(const QString &settingsPath);
// Rewrites only the section's two keys; false when the file could not be
// written (the old file is intact) or a value cannot be stored on one line.
bool writePageReportLines(const QString &settingsPath, const PageReportLines &lines);
