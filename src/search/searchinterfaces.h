#pragma once

#include "search/folderlister.h"
#include "search/pagecounter.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// The outside world of a search run. The main window adapts these to the
// result grid, the status bar and the page-total label; tests fake them.

// One listed file as values, with the outcome of its page count.
struct FoundFile
{
    QString name;
    QString location;
    QString fullPath;
    QByteArray nativeName; // the name's exact bytes
    FileFacts facts;
    PageCountResult pages;
};

// The result table. Cells are appended by position (the results table's
// column numbers, ResultColumns::Column), one whole row at a time.
class SearchResultsTarget
{
public:
    virtual ~SearchResultsTarget() = default;
    // Empties the table down to its header row.
    virtual void clearToHeaderRow() = 0;
    // Appends one data row at the end: ResultColumns::Count texts, and the
    // picture of the File Name cell as the icon source gave it (null when the
    // file has no icon). The search only passes pictures on, so it needs no
    // graphics library.
    virtual void appendRow(const QStringList &cells, const QVariant &fileNameIcon) = 0;
    // The same row with the values behind its texts, for a target that
    // writes more than the texts; by default the texts alone.
    virtual void appendFound(const FoundFile &file, const QStringList &cells,
                             const QVariant &fileNameIcon)
    {
        (void)file;
        appendRow(cells, fileNameIcon);
    }
    // False for a target that writes only the values of FoundFile: the run
    // then passes no cell texts and saves their formatting.
    virtual bool wantsCellTexts() const { return true; }
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

// The small file-type icon of a file, by full path: a picture the results
// table can show (a QImage for the window), or null when the platform has none.
class FileIconSource
{
public:
    virtual ~FileIconSource() = default;
    virtual QVariant iconFor(const QString &fullPath) = 0;
};
