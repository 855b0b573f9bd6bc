#pragma once

#include "search/pagecounter.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// The outside world of a search run. The main window adapts these to the
// result grid, the status bar and the page-total label; tests fake them.

// The result table. Cells are appended by position (the results table's
// column numbers, ResultColumns::Column), one whole row at a time.
class SearchResultsTarget
{
public:
    virtual ~SearchResultsTarget() = default;
    // Empties the table down to its header row.
    virtual void clearToHeaderRow() = 0;
    // Appends one data row at the end: ResultColumns::Count texts, and the
    // picture of the File Name cell (null when the file has no icon).
    virtual void appendRow(const QStringList &cells, const QImage &fileNameIcon) = 0;
};

class SearchStatusSink
{
public:
    virtual ~SearchStatusSink() = default;
    // Puts `text` into the status-bar panel with `key` (MessagePanel, FilesPanel).
    virtual void SetStatusText(const QString &text, const QString &key) = 0;
    // The text of the page-total label (lblPageCount).
    virtual void setPageTotalText(const QString &text) = 0;
};

namespace StatusPanel {
inline const QString Message = QStringLiteral("Message");
inline const QString Files = QStringLiteral("Files");
} // namespace StatusPanel

// The small file-type icon of a file, by full path; a null image when the
// platform has none.
class FileIconSource
{
public:
    virtual ~FileIconSource() = default;
    virtual QImage iconFor(const QString &fullPath) = 0;
};

// Counts the pages of the file at `nativePath` (bytes for the system call);
// `knownSize` saves a size query when the caller has it. A bare int converts:
// negative means the pages cannot be counted.
using PageCountFunction = std::function<PageCountResult(const QByteArray &nativePath, qint64 knownSize)>;
