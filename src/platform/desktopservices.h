#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

// What the program asks of the desktop: opening files, folders and links with
// the associated applications, the file manager's views of a file, permanent
// deletion, and starting the system-information tool. Windows and dialogs hold
// one of these so tests can substitute a recording fake.
//
// Paths are the program's text form of file names (see PathCodec): the exact
// bytes of every name reach the desktop, whatever they are.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // Opens the file with the application associated with its type. True when
    // the request was handed on; the application is never waited for.
    virtual bool openFile(const QString &path) = 0;
    // Opens a window of the file manager on the folder.
    virtual bool openFolder(const QString &path) = 0;
    // Asks the file manager for the file's properties window. Never waits and
    // never reports an answer that comes later; true when the request was sent.
    virtual bool showProperties(const QString &path) = 0;
    // Asks the file manager to show the folder with the file singled out; when
    // no file manager answers, the containing folder is opened instead.
    virtual bool showInFolder(const QString &path) = 0;
    // Opens a link (https:, mailto:, ...) with the desktop's handler.
    virtual bool openUrl(const QUrl &url) = 0;
    // Whether the desktop has an application set up for `url`: a file: URL
    // by the file's type, any other by its scheme. True when it cannot tell.
    virtual bool hasApplicationFor(const QUrl &url) const = 0;
    // Deletes the file permanently: exactly the entry the path names, never a
    // folder, and a link itself rather than its target. On failure returns
    // false and, when `errorText` is given, the system's description.
    virtual bool deleteFile(const QString &path, QString *errorText) = 0;
    // Full path of the first system-information program found, or empty.
    virtual QString systemInfoProgram() const = 0;
    // Starts a program without waiting for it.
    virtual bool startDetached(const QString &program) = 0;
};

// The desktop this program runs on.
std::unique_ptr<DesktopServices> createDesktopServices();

// The file URL of `path`, built from its exact bytes, every byte outside the
// unreserved set percent-encoded ("#", "%", spaces, bytes that are not UTF-8).
// An empty URL for a path that is not absolute.
QUrl fileUrlOfPath(const QString &path);

// The folder holding `path`: the text up to and including its last separator
// ("/scans/a.tif" gives "/scans/", "/a.tif" gives "/").
QString containingFolder(const QString &path);

// System-information programs, in the order they are preferred.
QStringList systemInfoProgramNames();

// The first of `names` that is an executable file in one of the folders of
// `searchPath` (a PATH-style list separated by ":"), as a full path; empty
// when there is none. Empty entries (the current folder) are not searched.
QString findProgramOnPath(const QStringList &names, const QString &searchPath);
