#pragma once

#include "results/cellformats.h"
#include "search/folderlister.h"
#include "search/searchinterfaces.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <functional>
#include <memory>

class SearchCriteriaSource;

// Everything a run talks to. The run owns none of them; each must outlive
// the run or be cut off first with SearchRun::stop().
struct SearchRunPorts
{
    SearchCriteriaSource *criteria = nullptr;
    SearchResultsTarget *results = nullptr;
    SearchStatusSink *status = nullptr;
    FileIconSource *icons = nullptr;
    FolderLister *lister = nullptr;
    PageCountFunction countPages; // required: the platform's FilePageCounter::countFile
    std::function<void()> yield;  // default: process pending events
};

// One search over a folder tree, on the calling (user-interface) thread. The
// run yields after every examined file, so the event loop stays live and can
// request a cancel, or stop the run for good when the window goes away.
class SearchRun : public QObject
{
    Q_OBJECT
public:
    explicit SearchRun(SearchRunPorts ports, QObject *parent = nullptr);
    ~SearchRun() override;

    // One complete run from `startFolder` (the start folder text exactly as
    // stored). Returns false, and does nothing, while a run is in progress
    // or after stop().
    bool RunSearch(const QString &startFolder);

    bool isRunning() const { return m_running; }
    bool cancelRequested() const { return m_cancelRequested; }
    // Ends the run at its next check; the rows listed so far stay.
    void requestCancel();
    // For window close and exit: cancels and cuts the run off from its ports
    // for good. Nothing is touched and nothing is emitted afterwards.
    void stop();

    static inline const QString SearchingPrefix = QStringLiteral("Searching ");
    static inline const QString DoneText = QStringLiteral("Done");
    static inline const QString TerminatedText = QStringLiteral("Search Terminated by User");
    static inline const QString FilesFoundSuffix = QStringLiteral(" file(s) found");
    static inline const QString NoFileText = QStringLiteral("No file found");
    static inline const QString PageTotalPrefix = QStringLiteral("Total Pages : ");

Q_SIGNALS:
    // The run has ended (finished or cancelled); not emitted after stop().
    void runFinished(bool cancelled);

private:
    enum class Flow { Continue, EndFolder, Stopped };
    struct IconMemory; // the icon reuse state of one folder
    struct Liveness
    {
        bool stopped = false;
        bool destroyed = false;
    };

    Flow SearchFolder(const QString &path, bool topLevel);
    Flow searchSubfolders(const FolderListing &listing, const QString &location);
    Flow searchFiles(FolderListing &listing, const QString &location, const QStringList &patterns);
    void examineFile(FolderListing &listing, std::size_t index, const QString &location,
                     const QStringList &patterns, IconMemory &icon);
    bool passesNameRules(const QString &name, const QStringList &patterns) const;
    void appendResultRow(const QString &name, const QString &location, const FileFacts &facts,
                         IconMemory &icon);
    void showFolderSummary();
    bool yieldAndCheck();
    void endRun();

    SearchRunPorts m_ports;
    std::shared_ptr<Liveness> m_liveness = std::make_shared<Liveness>();
    bool m_running = false;
    bool m_cancelRequested = false;
    // Running values, equal by construction to the table's row count and the
    // sum of its Pages column: recounting the table at every folder would
    // cost rows x folders.
    qint64 m_rowsListed = 0;
    qint64 m_pageTotal = 0;
    // Modified times are shown in this zone, taken once per run: converting
    // through the C library's local time re-reads the zone file every time.
    QTimeZone m_zone;
    // The locale's separators and designators, also taken once per run.
    CellTextFormat m_cellFormat;
};
